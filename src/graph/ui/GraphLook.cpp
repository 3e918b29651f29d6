// Small helpers for the look of the graph window's readouts.
#include "GraphLook.h"

#include <QLabel>

namespace vorn::graphui {

void styleReadout(QLabel *label)
{
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignCenter);
    label->setContentsMargins(6, 2, 6, 2);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
}

void setReadoutBackground(QLabel *label, const QColor &background)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, background);
    label->setPalette(palette);
}

void setTextColor(QLabel *label, const QColor &color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

QColor textColor(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

} // namespace vorn::graphui
