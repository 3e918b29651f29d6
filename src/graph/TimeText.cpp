// A number of seconds as readable text.
#include "graph/TimeText.h"

#include "graph/TimeUnits.h"
#include "settings/LanguageTables.h"

namespace vorn::graph {

namespace {

QString appendPart(const QString &text, qint64 value, const QString &word)
{
    if (value <= 0)
        return text;
    return (text + u' ' + QString::number(value) + u' ' + word).trimmed();
}

} // namespace

QString GenSec2StrTime(qint64 seconds, const TextTables &texts)
{
    const qint64 hours = seconds / 3600;
    const qint64 rest = seconds - hours * 3600;
    const qint64 minutes = rest / 60;
    const qint64 secs = rest - minutes * 60;
    QString text;
    text = appendPart(text, hours, texts.Text_List(54));
    text = appendPart(text, minutes, texts.Text_List(53));
    text = appendPart(text, secs, texts.Text_List(128));
    return text;
}

QString timeUnitText(int unit, const TextTables &texts)
{
    switch (effectiveTimeUnit(unit)) {
    case UnitSeconds: return texts.Text_List(128);
    case UnitHours: return texts.Text_List(54);
    default: return texts.Text_List(53);
    }
}

QString timeAxisTitle(int unit, const TextTables &texts)
{
    return texts.Text_List(69) + QStringLiteral(" ( ") + timeUnitText(unit, texts) + QStringLiteral(" )");
}

} // namespace vorn::graph
