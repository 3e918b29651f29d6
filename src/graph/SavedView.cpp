// Saving and restoring the axis ranges of a measurement.
#include "graph/SavedView.h"

#include "settings/NumberFormat.h"

#include <QStringList>

#include <array>

namespace vorn::graph {

namespace {

using numfmt::formatFixed2;

constexpr int SavedFields = 6;

// The six edits in the order of the saved fields.
std::array<QString *, SavedFields> editsInOrder(RangeEditTexts &e)
{
    return {&e.Edt_Min_fesz, &e.Edt_Max_fesz, &e.Edt_Min_Aram, &e.Edt_Max_Aram, &e._tol, &e._ig};
}

} // namespace

QString formatLRBZ(const AxisRange &left, const AxisRange &right, const AxisRange &bottom)
{
    const QStringList fields{formatFixed2(left.min),  formatFixed2(left.max),
                             formatFixed2(right.min), formatFixed2(right.max),
                             formatFixed2(bottom.min), formatFixed2(bottom.max)};
    return fields.join(u';');
}

RangeEditTexts editTextsOf(const AxisRange &left, const AxisRange &right, const AxisRange &bottom)
{
    return {formatFixed2(left.min),  formatFixed2(left.max),   formatFixed2(right.min),
            formatFixed2(right.max), formatFixed2(bottom.min), formatFixed2(bottom.max)};
}

std::optional<RestoredView> parseLRBZ(const QString &LRBZ, const RangeEditTexts &previous)
{
    const QStringList fields = LRBZ.split(u';');
    RestoredView view;
    view.edits = previous;
    const auto edits = editsInOrder(view.edits);
    // The fields go into the edits first; the axes then take the values the
    // edits show, so a field with more decimals is rounded the same way in both.
    for (int i = 0; i < SavedFields && i < fields.size(); ++i) {
        const auto value = numfmt::parseFloat(fields.at(i));
        if (!value)
            return std::nullopt;
        *edits[i] = formatFixed2(*value);
    }
    std::array<double, SavedFields> values{};
    for (int i = 0; i < SavedFields; ++i) {
        const auto value = numfmt::parseFloat(*edits[i]);
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    view.left = {values[0], values[1]};
    view.right = {values[2], values[3]};
    view.bottom = {values[4], values[5]};
    return view;
}

} // namespace vorn::graph
