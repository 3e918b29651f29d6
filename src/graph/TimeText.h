// A number of seconds as hours, minutes and seconds with the language's words.
#pragma once

#include <QString>
#include <QtGlobal>

namespace vorn {
class TextTables;
}

namespace vorn::graph {

// "1 <hours> 2 <minutes> 5 <seconds>" for 3725: every part that is not 0, each
// as number, blank, unit word; 0 seconds (or less) gives an empty text.
QString GenSec2StrTime(qint64 seconds, const TextTables &texts);

// The word of a time unit (0 seconds, 1 minutes, 2 hours; others as minutes).
QString timeUnitText(int unit, const TextTables &texts);

// Title of the time axis: the time text, " ( ", the unit's word, " )".
QString timeAxisTitle(int unit, const TextTables &texts);

} // namespace vorn::graph
