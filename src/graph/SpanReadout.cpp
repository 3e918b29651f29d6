// Read-out panel texts and placement of the two cursors.
#include "graph/SpanReadout.h"

#include "graph/ChartValues.h"
#include "graph/MeasuringTexts.h"
#include "graph/Readout.h"
#include "graph/TimeText.h"
#include "graph/TimeUnits.h"
#include "measurement/MeasurementRecord.h"
#include "settings/LanguageTables.h"
#include "settings/NumberFormat.h"

#include <algorithm>

namespace vorn::graph {

namespace {

QString volts(double value)
{
    return readoutValue(value, QStringLiteral("V"));
}

QString timeText(double seconds, int unit, const TextTables &texts)
{
    const int divisor = *timeUnitDivisor(effectiveTimeUnit(unit));
    return readoutValue(seconds / divisor, timeUnitText(unit, texts));
}

QStringList cursorRow(const QString &name, const TFile_Datas &record, qint64 k, int unit,
                      const TextTables &texts)
{
    if (k < 0 || k >= qint64(record.Meres_Datas.size()))
        return {name, noReadout(), noReadout(), noReadout()};
    const TMeres_Datas &sample = record.Meres_Datas[size_t(k)];
    return {name, timeText(double(k * qint64(record.Mint_ido)), unit, texts),
            volts(shownVoltage(record, sample)), readoutValue(shownCurrent(record, sample), QStringLiteral("A"))};
}

QList<QStringList> betweenRows(const std::optional<SpanMeasure> &span, int unit,
                               const TextTables &texts)
{
    const QString none = noReadout();
    const auto value = [&](auto format, double number) { return span ? format(number) : none; };
    const auto charge = [](double v) { return numfmt::formatFixed2(v); };
    const auto time = [&](double s) { return timeText(s, unit, texts); };
    const SpanMeasure s = span.value_or(SpanMeasure{});
    return {
        {QStringLiteral("Δt"), value(time, s.dt_s), QStringLiteral("ΔU"), value(volts, s.du_v)},
        {QString(), texts.Text_List(10), texts.Text_List(9), texts.Text_List(163)},
        {QStringLiteral("A·h"), value(charge, s.ahCharge), value(charge, s.ahDischarge),
         value(charge, s.ahTotal)},
        {QStringLiteral("W·h"), value(charge, s.whCharge), value(charge, s.whDischarge),
         value(charge, s.whTotal)},
        {QString(), texts.Text_List(kTextMean), texts.Text_List(kTextMinimum),
         texts.Text_List(kTextMaximum)},
        {QStringLiteral("U"), value(volts, s.uMean), value(volts, s.uMin), value(volts, s.uMax)},
    };
}

bool covers(const QRect &rect, const std::vector<QPoint> &points, int margin)
{
    const QRect grown = rect.adjusted(-margin, -margin, margin, margin);
    return std::any_of(points.cbegin(), points.cend(),
                       [&](const QPoint &p) { return grown.contains(p); });
}

QPoint insidePlot(const QRect &plot, QSize panel, QPoint at)
{
    const int x = std::max(plot.left(), std::min(at.x(), plot.right() + 1 - panel.width()));
    const int y = std::max(plot.top(), std::min(at.y(), plot.bottom() + 1 - panel.height()));
    return {x, y};
}

} // namespace

QString readoutValue(double value, const QString &unit)
{
    return numfmt::formatFixed2(value) + u' ' + unit;
}

QList<QStringList> spanReadoutRows(const TFile_Datas &record, qint64 cursorA, qint64 cursorB,
                                   int unit, const TextTables &texts)
{
    std::optional<SpanMeasure> span;
    if (cursorA >= 0 && cursorB >= 0)
        span = measureSpan(record, cursorA, cursorB);
    QList<QStringList> rows{cursorRow(QStringLiteral("A"), record, cursorA, unit, texts),
                            cursorRow(QStringLiteral("B"), record, cursorB, unit, texts)};
    rows += betweenRows(span, unit, texts);
    return rows;
}

QString spanReadoutText(const QList<QStringList> &rows)
{
    QStringList lines;
    for (const QStringList &row : rows)
        lines.append(row.join(u'\t'));
    return lines.join(u'\n') + u'\n';
}

QPoint readoutPanelPlace(const QRect &plot, QSize panel, std::optional<QPoint> wanted,
                         const std::vector<QPoint> &keepClear, int margin)
{
    const QRect inner = plot.adjusted(margin, margin, -margin, -margin);
    std::vector<QPoint> candidates;
    if (wanted)
        candidates.push_back(insidePlot(plot, panel, *wanted));
    for (const QPoint corner : {inner.topLeft(), QPoint(inner.left(), inner.bottom() + 1 - panel.height()),
                                QPoint(inner.right() + 1 - panel.width(), inner.top()),
                                QPoint(inner.right() + 1 - panel.width(), inner.bottom() + 1 - panel.height())})
        candidates.push_back(insidePlot(plot, panel, corner));
    for (const QPoint &at : candidates) {
        if (!covers(QRect(at, panel), keepClear, margin))
            return at;
    }
    return candidates.front();
}

} // namespace vorn::graph
