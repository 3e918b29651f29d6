// Enter in the range edits of the graph window.
#include "graph/RangeEntry.h"

#include "graph/AxisMath.h"
#include "settings/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace vorn::graph {

namespace {

// One edit's text with the value it reads as.
struct EditValue {
    QString text;
    double value = 0;
};

RangeEntryError entryError(const QString &minText, const QString &maxText, EnteredEdit entered)
{
    return {entered, (entered == EnteredEdit::Min ? minText : maxText).trimmed()};
}

// A whole number as text ("30"); the general form needs no integer type that
// a huge typed value could overflow.
QString wholeNumberText(double wholeValue)
{
    return numfmt::formatGeneral(wholeValue);
}

} // namespace

std::variant<AxisRange, RangeEntryError> valueRangeEnter(const QString &minText,
                                                         const QString &maxText,
                                                         EnteredEdit entered)
{
    const auto min = numfmt::parseFloat(minText);
    const auto max = numfmt::parseFloat(maxText);
    if (!min || !max)
        return entryError(minText, maxText, entered);
    return AxisRange{*min, *max};
}

std::variant<TimeRangeEntry, RangeEntryError> timeRangeEnter(const QString &tolText,
                                                             const QString &igText,
                                                             double lastTime,
                                                             EnteredEdit entered)
{
    const auto tolValue = numfmt::parseFloat(tolText);
    const auto igValue = numfmt::parseFloat(igText);
    if (!tolValue || !igValue)
        return entryError(tolText, igText, entered);
    EditValue tol{tolText, *tolValue};
    EditValue ig{igText, *igValue};
    if (tol.value < 0)
        tol = {QStringLiteral("0"), 0};
    if (ig.value > lastTime) {
        const double nearest = Nearest(lastTime);
        ig = {wholeNumberText(nearest), nearest};
    }
    if (ig.value < tol.value)
        std::swap(tol, ig);
    const double a = std::trunc(tol.value);
    double b = std::trunc(ig.value);
    if (a == b) {
        b = b + 1;
        ig.text = wholeNumberText(a + 1);
    }
    b = std::min(b, lastTime);
    return TimeRangeEntry{tol.text, ig.text, {a, b}};
}

} // namespace vorn::graph
