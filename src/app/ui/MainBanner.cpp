// The main window's banner and its clock format.
#include "MainBanner.h"

#include "AppFonts.h"
#include "app/Artwork.h"

#include <QFrame>
#include <QLabel>
#include <QResizeEvent>
#include <QToolButton>

namespace {

constexpr int kLeftPictureWidth = 644;
constexpr QSize kButtonSize(42, 38);
constexpr QSize kGlyphSize(32, 32);
constexpr int kToolbarMinLeft = 330;
constexpr int kClockRightGap = 35;

QLabel *whiteText(QWidget *parent, const QFont &font)
{
    auto *label = new QLabel(parent);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    return label;
}

// Removes the time-zone fields ("t") of a time format, outside quoted text.
QString withoutTimeZone(const QString &format)
{
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u't')
            continue;
        result.append(c);
    }
    return result.simplified();
}

} // namespace

QString clockText(const QLocale &locale, const QDateTime &moment)
{
    const QString timeFormat = withoutTimeZone(locale.timeFormat(QLocale::LongFormat));
    return locale.toString(moment.date(), QLocale::ShortFormat) + u' '
         + locale.toString(moment.time(), timeFormat);
}

MainBanner::MainBanner(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    setFixedHeight(kHeight);
    setMinimumWidth(kLeftPictureWidth);

    Image2 = new QLabel(this);
    Image3 = new QLabel(this);
    Img_AppLogo = new QLabel(this);
    Img_AppLogo->setGeometry(8, 7, 78, 78);
    Img_AppLogo->setPixmap(vorn::art::pixmap(QStringLiteral("app_logo"), QSize(78, 78)));
    Image5 = new QLabel(this);
    Image5->setGeometry(96, 14, 105, 34);
    Image5->setPixmap(vorn::art::pixmap(QStringLiteral("banner_title"), QSize(105, 34)));

    Lbl_Name = whiteText(this, vorn::ui::arialNarrowPx(16, true));
    Lbl_Name->move(98, 54);
    Lbl_Time = whiteText(this, vorn::ui::arialNarrowPx(21, true));
    setTime(QStringLiteral("9999.99.99 99:99:99"));

    Btn_Cert = toolButton(QStringLiteral("tb_report"));
    Btn_PenDrive = toolButton(QStringLiteral("tb_pendrive"));
    Btn_Open = toolButton(QStringLiteral("tb_open"));
    Btn_Save = toolButton(QStringLiteral("tb_save"));
    Btn_Close = toolButton(QStringLiteral("tb_close"));
    Btn_Compare = toolButton(QStringLiteral("tb_compare"));
    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameShape(QFrame::VLine);
    Panel2->setFrameShadow(QFrame::Sunken);
    Panel2->setStyleSheet(QStringLiteral("color: rgba(255, 255, 255, 90);"));
    Btn_Help = toolButton(QStringLiteral("tb_help"));
    Btn_Exit = toolButton(QStringLiteral("tb_exit"));
    placeToolbar();
}

QToolButton *MainBanner::toolButton(const QString &glyph)
{
    auto *button = new QToolButton(this);
    button->setAutoRaise(true);
    button->setFixedSize(kButtonSize);
    button->setIcon(vorn::art::icon(glyph));
    button->setIconSize(kGlyphSize);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral(
        "QToolButton { border: 1px solid transparent; border-radius: 4px; background: transparent; }"
        "QToolButton:hover { border-color: rgba(255,255,255,110); background: rgba(255,255,255,38); }"
        "QToolButton:pressed { background: rgba(0,0,0,45); }"));
    return button;
}

void MainBanner::setName(const QString &name)
{
    Lbl_Name->setText(name);
    Lbl_Name->adjustSize();
    placeToolbar();
}

void MainBanner::setTime(const QString &text)
{
    Lbl_Time->setText(text);
    Lbl_Time->adjustSize();
    placeClock();
}

void MainBanner::placeToolbar()
{
    const int top = (kHeight - kButtonSize.height()) / 2;
    int x = std::max(kToolbarMinLeft, Lbl_Name->geometry().right() + 28);
    for (QToolButton *button : {Btn_Cert, Btn_PenDrive, Btn_Open, Btn_Save, Btn_Close, Btn_Compare}) {
        button->move(x, top);
        x += kButtonSize.width();
    }
    Panel2->setGeometry(x + 6, top + 3, 2, kButtonSize.height() - 6);
    x += 14;
    for (QToolButton *button : {Btn_Help, Btn_Exit}) {
        button->move(x, top);
        x += kButtonSize.width();
    }
}

void MainBanner::placeClock()
{
    // The clock keeps its right edge 35 pixels from the window's right edge.
    Lbl_Time->move(width() - Lbl_Time->width() - kClockRightGap,
                   (kHeight - Lbl_Time->height()) / 2);
}

void MainBanner::renderStretchedPictures()
{
    const int rest = std::max(0, width() - kLeftPictureWidth);
    Image2->setGeometry(0, 0, kLeftPictureWidth, kHeight);
    Image2->setPixmap(vorn::art::pixmap(QStringLiteral("banner_left"),
                                        QSize(kLeftPictureWidth, kHeight)));
    Image3->setGeometry(kLeftPictureWidth, 0, rest, kHeight);
    if (rest > 0)
        Image3->setPixmap(vorn::art::pixmap(QStringLiteral("banner_right"), QSize(rest, kHeight)));
}

void MainBanner::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    renderStretchedPictures();
    placeClock();
}
