// Small helpers for the look of the graph window's readouts.
#include "GraphLook.h"

#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>

namespace vorn::graphui {

namespace {

const QColor kLightBox(0xF4, 0xF7, 0xF9);
// The smallest font a range edit shrinks to for a very long number.
constexpr qreal kSmallestEditPoints = 5.0;
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

namespace {

// The outer width a line edit needs for `text` in `font`: the text, the
// edit's inner margins (2 pixels each side, as QLineEdit keeps them), a
// pixel for the cursor, then the frame the style draws around.
int editWidthFor(const QLineEdit *edit, const QString &text, const QFont &font)
{
    const QMargins margins = edit->textMargins() + edit->contentsMargins();
    const int inner =
        QFontMetrics(font).horizontalAdvance(text) + 2 * 2 + 1 + margins.left() + margins.right();
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    return edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(inner, edit->height()), edit)
        .width();
}

} // namespace

EditFit fitEditToText(const QLineEdit *edit, const QString &text, const QFont &font, int designed,
                      int limit)
{
    EditFit fit{editWidthFor(edit, text, font), font};
    while (fit.width > limit && fit.font.pointSizeF() > kSmallestEditPoints) {
        fit.font.setPointSizeF(fit.font.pointSizeF() - 0.5);
        fit.width = editWidthFor(edit, text, fit.font);
    }
    fit.width = std::clamp(fit.width, designed, std::max(designed, limit));
    return fit;
}

} // namespace vorn::graphui
