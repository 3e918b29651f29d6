// Small helpers for the look of the graph window's readouts and range edits.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QLineEdit;

namespace vorn::graphui {

// A readout value: bold text in a small framed box.
void styleReadout(QLabel *label);
// The colour of a readout's text. The box behind it turns dark for a light
// colour (a yellow curve colour stays readable) and light for a dark one.
void setTextColor(QLabel *label, const QColor &color);

// The look of a range edit that shows its whole text: the width it needs (at
// least `designed`, at most `limit`) and the font, smaller than `font` only
// when the text is wider than `limit` in it.
struct EditFit {
    int width = 0;
    QFont font;
};
EditFit fitEditToText(const QLineEdit *edit, const QString &text, const QFont &font, int designed,
                      int limit);

} // namespace vorn::graphui
