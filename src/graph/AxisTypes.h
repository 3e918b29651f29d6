// Plain value types shared by the axis arithmetic of the graph window.
#pragma once

#include <QString>

namespace vorn::graph {

// One axis range as the chart shows it: minimum and maximum in axis units.
struct AxisRange {
    double min = 0;
    double max = 0;
    friend bool operator==(const AxisRange &, const AxisRange &) = default;
};

// Texts of the six range edits of the graph window.
struct RangeEditTexts {
    QString Edt_Min_fesz;
    QString Edt_Max_fesz;
    QString Edt_Min_Aram;
    QString Edt_Max_Aram;
    QString _tol;
    QString _ig;
    friend bool operator==(const RangeEditTexts &, const RangeEditTexts &) = default;
};

} // namespace vorn::graph
