// The About box: texts from the language tables, set each time it is shown.
#include "TFrm_About.h"

#include "AppFonts.h"
#include "TFrm_Main.h"
#include "app/Artwork.h"
#include "AppVersion.h"
#include "settings/SettingsFile.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr QSize kClientSize(550, 319);
constexpr int kBackground = 7821825; // $00BBGGRR: RGB 01 5A 77, dark teal
constexpr QRect kStrip(0, 0, 110, 319);

QLabel *whiteLabel(QWidget *parent, const QRect &geometry, const QFont &font)
{
    auto *label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    return label;
}

} // namespace

TFrm_About::TFrm_About(TFrm_Main &main)
    : QDialog(&main, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_main(main)
{
    setObjectName(QStringLiteral("Frm_About"));
    setWindowTitle(QString::fromUtf8(vorn::kAboutTitle));
    setFixedSize(kClientSize);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, vorn::colorFromBgr(kBackground));
    setPalette(palette);

    Image1 = new QLabel(this);
    Image1->setGeometry(kStrip);
    Image1->setPixmap(vorn::art::pixmap(QStringLiteral("about_strip"), kStrip.size()));
    Image1->setScaledContents(true);

    Lbl_Label = whiteLabel(this, QRect(140, 56, 380, 64), vorn::ui::tahomaPx(20, true));
    Lbl_Version = whiteLabel(this, QRect(140, 128, 380, 24), vorn::ui::tahomaPx(14, true));
    Label6 = whiteLabel(this, QRect(140, 236, 380, 20), vorn::ui::tahomaPx(12));
    Label6->setText(QString::fromUtf8(vorn::kMakerAddress));
    Label6->setStyleSheet(QStringLiteral("color: #bfe3ee; background: transparent;"));

    Btn_Close = new QPushButton(this);
    Btn_Close->setGeometry(430, 272, 98, 30);
    Btn_Close->setFont(vorn::ui::tahomaPx(12, true));
    connect(Btn_Close, &QPushButton::clicked, this, &TFrm_About::Btn_CloseClick);
}

void TFrm_About::Btn_CloseClick()
{
    close();
}

void TFrm_About::showEvent(QShowEvent *event)
{
    const vorn::TextTables &texts = m_main.texts;
    Lbl_Label->setText(QStringLiteral("VORN ") + texts.Text_List(0) + u' ' + texts.Text_List(1));
    Lbl_Version->setText(texts.Text_List(164) + u' ' + QLatin1String(vorn::kVersionText));
    Btn_Close->setText(texts.Menu_List(16));
    QDialog::showEvent(event);
}
