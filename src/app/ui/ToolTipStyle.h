// The program-wide look of tooltips: font, colour, how soon they appear and
// how long they stay.
#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QProxyStyle>

namespace vorn::ui {

struct ToolTipLook {
    QFont font;            // Arno Pro Caption 12 pt bold, or its substitute
    QColor textColor;      // $FF6666 as $00BBGGRR: RGB 66 66 FF
    int delayMs = 300;     // pause before a tooltip appears
    int displayMs = 10000; // how long it stays
};

ToolTipLook programToolTipLook();

// Style hints that set the tooltip delay; everything else comes from the
// base style.
class ToolTipStyle : public QProxyStyle {
    Q_OBJECT
public:
    ToolTipStyle(QStyle *baseStyle, int delayMs);
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;

private:
    int m_delayMs;
};

// Shows widget tooltips for a fixed time (Qt otherwise lengthens the time for
// long texts). Installed on the application.
class ToolTipTimer : public QObject {
    Q_OBJECT
public:
    ToolTipTimer(int displayMs, QObject *parent);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_displayMs;
};

// Applies look to every tooltip of the application from now on.
void applyToolTipLook(const ToolTipLook &look);

} // namespace vorn::ui
