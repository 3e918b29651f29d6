// Tooltip font, colour, delay and display time for the whole program.
#include "ToolTipStyle.h"

#include "AppFonts.h"
#include "settings/SettingsFile.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPointer>
#include <QStyleFactory>
#include <QToolTip>
#include <QWidget>

namespace vorn::ui {

ToolTipLook programToolTipLook()
{
    ToolTipLook look;
    look.font = arnoProCaptionPt(12, true);
    look.textColor = vorn::colorFromBgr(0xFF6666);
    return look;
}

ToolTipStyle::ToolTipStyle(QStyle *baseStyle, int delayMs)
    : QProxyStyle(baseStyle), m_delayMs(delayMs)
{
}

int ToolTipStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                            QStyleHintReturn *returnData) const
{
    if (hint == SH_ToolTip_WakeUpDelay)
        return m_delayMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

ToolTipTimer::ToolTipTimer(int displayMs, QObject *parent)
    : QObject(parent), m_displayMs(displayMs)
{
}

bool ToolTipTimer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    // Widgets without a tooltip of their own (menus, item views) show theirs
    // the usual way.
    if (widget->toolTip().isEmpty())
        return false;
    const auto *help = static_cast<QHelpEvent *>(event);
    QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(), m_displayMs);
    return true;
}

void applyToolTipLook(const ToolTipLook &look)
{
    // The style first: setting a style resets the fonts of widget classes.
    // The proxy needs a base style of its own: it takes ownership of it.
    QStyle *base = QStyleFactory::create(QApplication::style()->name());
    QApplication::setStyle(new ToolTipStyle(base, look.delayMs));

    QToolTip::setFont(look.font);
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipText, look.textColor);
    QToolTip::setPalette(palette);

    // One filter per application, replaced when the look is applied again.
    static QPointer<ToolTipTimer> timer;
    delete timer;
    timer = new ToolTipTimer(look.displayMs, qApp);
    qApp->installEventFilter(timer);
}

} // namespace vorn::ui
