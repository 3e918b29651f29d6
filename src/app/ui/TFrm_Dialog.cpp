// The program's own message window: one of four kinds, a picture, a message
// and one or two buttons; a new window for every message.
#include "TFrm_Dialog.h"

#include "AppFonts.h"
#include "app/Artwork.h"
#include "settings/LanguageTables.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

// The pictures fill the whole window; the window is as large as they are.
constexpr QSize kPictureSize(530, 180);
constexpr QSize kButtonSize(98, 38);
constexpr QRect kMessageRect(171, 24, 321, 81);
constexpr QPoint kSingleButton(274, 131);
constexpr QPoint kYesButton(219, 131);
constexpr QPoint kNoButton(322, 131);

TFrm_Dialog::TestHook &hookStorage()
{
    static TFrm_Dialog::TestHook hook;
    return hook;
}

QLabel *makePicture(QWidget *parent, const QString &name)
{
    auto *picture = new QLabel(parent);
    picture->setPixmap(vorn::art::pixmap(name, kPictureSize));
    picture->setGeometry(QRect(QPoint(0, 0), kPictureSize));
    picture->hide();
    return picture;
}

} // namespace

TFrm_Dialog::TFrm_Dialog(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Frm_Dialog"));
    setFixedSize(kPictureSize);
    Img_Error = makePicture(this, QStringLiteral("dlg_error"));
    Img_Info = makePicture(this, QStringLiteral("dlg_info"));
    Img_Warning = makePicture(this, QStringLiteral("dlg_warning"));

    Lbl_Uzenet = new QLabel(this);
    Lbl_Uzenet->setGeometry(kMessageRect);
    Lbl_Uzenet->setTextFormat(Qt::PlainText);
    Lbl_Uzenet->setWordWrap(true);
    Lbl_Uzenet->setFont(vorn::ui::tahomaPx(13, true));
    Lbl_Uzenet->setStyleSheet(QStringLiteral("color: #1f2a33; background: transparent;"));

    Btn_OK = makeButton(QStringLiteral("btn_ok"), drOk);
    Btn_Yes = makeButton(QStringLiteral("btn_yes"), drYes);
    Btn_No = makeButton(QStringLiteral("btn_no"), drNo);
    Btn_Cancel = makeButton(QStringLiteral("btn_cancel"), drCancel);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QPushButton *TFrm_Dialog::makeButton(const QString &glyph, TDialog_Result result)
{
    auto *button = new QPushButton(this);
    button->setFixedSize(kButtonSize);
    button->setIcon(vorn::art::icon(glyph));
    button->setIconSize(QSize(20, 20));
    button->setFont(vorn::ui::tahomaPx(12, true));
    button->hide();
    connect(button, &QPushButton::clicked, this, [this, result] {
        B_Result = result;
        close();
    });
    return button;
}

void TFrm_Dialog::prepare(const QString &Uzenet, TDialog_Type Tipus,
                          const vorn::TextTables &texts)
{
    Btn_Yes->setText(texts.Text_List(42));
    Btn_No->setText(texts.Text_List(43));
    Btn_Cancel->setText(texts.Text_List(41));
    Btn_OK->setText(texts.Text_List(40));

    switch (Tipus) {
    case dtInformation:
        showKind(Img_Info, texts.Text_List(33));
        break;
    case dtError:
        showKind(Img_Error, texts.Text_List(34));
        break;
    case dtWarning:
        showKind(Img_Warning, texts.Text_List(35));
        break;
    case dtQuestion:
        Img_Warning->show();
        setWindowTitle(texts.Text_List(32));
        Btn_Yes->move(kYesButton);
        Btn_No->move(kNoButton);
        Btn_Yes->show();
        Btn_No->show();
        break;
    }
    setMessage(Uzenet);
}

void TFrm_Dialog::showKind(QLabel *picture, const QString &caption)
{
    picture->show();
    setWindowTitle(caption);
    Btn_OK->move(kSingleButton);
    Btn_OK->show();
}

void TFrm_Dialog::setMessage(const QString &text)
{
    Lbl_Uzenet->setText(text);
    // A message that fits stands in the middle of its box; a longer one
    // starts at the top and is cut off at the bottom edge.
    const bool fits = Lbl_Uzenet->heightForWidth(kMessageRect.width()) <= kMessageRect.height();
    Lbl_Uzenet->setAlignment(Qt::AlignHCenter | (fits ? Qt::AlignVCenter : Qt::AlignTop));
    Lbl_Uzenet->raise();
}

void TFrm_Dialog::setTestHook(TestHook hook)
{
    hookStorage() = std::move(hook);
}

const TFrm_Dialog::TestHook &TFrm_Dialog::testHook()
{
    return hookStorage();
}

void TFrm_Dialog::showEvent(QShowEvent *event)
{
    for (QLabel *picture : {Img_Error, Img_Info, Img_Warning})
        picture->move(0, 0);
    setFixedSize(kPictureSize);
    QDialog::showEvent(event);
    if (hookStorage()) {
        // Called from the dialog's own event loop, once exec() runs.
        QTimer::singleShot(0, this, [this] {
            if (const TestHook hook = hookStorage())
                hook(*this);
        });
    }
}

void TFrm_Dialog::closeEvent(QCloseEvent *event)
{
    for (QWidget *widget : std::initializer_list<QWidget *>{
             Img_Error, Img_Info, Img_Warning, Btn_OK, Btn_Yes, Btn_No, Btn_Cancel})
        widget->hide();
    QDialog::closeEvent(event);
}

TDialog_Result Sajat_Dlg(QWidget *owner, const vorn::TextTables &texts, const QString &Uzenet,
                         TDialog_Type Tipus)
{
    TFrm_Dialog dialog(owner);
    dialog.prepare(Uzenet, Tipus, texts);
    dialog.exec();
    return dialog.B_Result;
}
