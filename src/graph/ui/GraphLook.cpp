// Small helpers for the look of the graph window's readouts.
#include "GraphLook.h"

#include <QLabel>

#include <cmath>

namespace vorn::graphui {

namespace {

const QColor kLightBox(0xF4, 0xF7, 0xF9);
const QColor kDarkBox(0x24, 0x33, 0x3B);

// Relative luminance (0 black .. 1 white) of a colour, as contrast rules use it.
double luminance(const QColor &color)
{
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF())
           + 0.0722 * linear(color.blueF());
}

} // namespace

void styleReadout(QLabel *label)
{
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignCenter);
    label->setContentsMargins(6, 1, 6, 1);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setFixedHeight(26);
    setTextColor(label, Qt::black);
}

void setTextColor(QLabel *label, const QColor &color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Window, luminance(color) > 0.4 ? kDarkBox : kLightBox);
    label->setPalette(palette);
}

} // namespace vorn::graphui
