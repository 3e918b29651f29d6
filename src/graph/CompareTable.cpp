// Alignment, cursor samples and table rows of the comparison of measurements.
#include "graph/CompareTable.h"

#include "graph/CycleTable.h"
#include "graph/MeasuringTexts.h"
#include "graph/SpanMeasure.h"
#include "measurement/MeasurementRecord.h"
#include "settings/LanguageTables.h"
#include "settings/NumberFormat.h"

#include <algorithm>

namespace vorn::graph {

namespace {

// A label of the info dialog ("Measured capacity:") as a column caption.
QString caption(const TextTables &texts, int index, const char16_t *unit = nullptr)
{
    QString text = texts.Text_List(index).trimmed();
    if (text.endsWith(u':'))
        text.chop(1);
    if (unit)
        text += QStringLiteral(" (") + QString::fromUtf16(unit) + u')';
    return text;
}

QString reported(qint32 value)
{
    return value == -1 ? QString() : numfmt::formatInt(value);
}

} // namespace

qint64 firstDischargeSample(const TFile_Datas &record)
{
    const auto &samples = record.Meres_Datas;
    for (size_t k = 0; k < samples.size(); ++k) {
        if (!samples[k].Is_Toltes)
            return qint64(k);
    }
    return -1;
}

qint64 alignmentOrigin(const TFile_Datas &record, CompareAlignment alignment)
{
    if (alignment == CompareAlignment::FirstSample)
        return 0;
    return std::max<qint64>(0, firstDischargeSample(record));
}

qint64 sampleAtCompareTime(const TFile_Datas &record, qint64 origin, double seconds)
{
    // The curve's own time of that moment: its origin lies at 0.
    const double own = seconds + double(origin * qint64(record.Mint_ido));
    return sampleAt(qint64(record.Meres_Datas.size()), record.Mint_ido, own);
}

CompareRow compareRow(const TFile_Datas &record, const QString &file, int warnings)
{
    CompareRow row;
    row.file = file;
    row.Meres_No = record.Meres_No;
    row.date = record.MDT;
    row.samples = qint64(record.Meres_Datas.size());
    for (const CycleSegment &segment : Meresi_Param_Szetvalogatas(record, CycleInfoList)) {
        if (segment.charge)
            continue;
        row.dischargeSeconds += segment.seconds;
        row.dischargeAh += segment.ampereHours;
    }
    row.measuredPercent = record.Mert_kap;
    row.thresholdPercent = record.Minosit_szaz;
    row.verdict = qualificationVerdict(record);
    row.warnings = warnings;
    return row;
}

QStringList compareColumnCaptions(const TextTables &texts)
{
    return {
        caption(texts, 160),          caption(texts, 135),
        caption(texts, 176),          caption(texts, 130),
        caption(texts, 141, u"h"),    caption(texts, 148, u"A×h"),
        caption(texts, 137, u"%"),    caption(texts, 151, u"%"),
        caption(texts, 138),          caption(texts, kTextCompareWarnings),
    };
}

QStringList compareRowTexts(const CompareRow &row, const TextTables &texts)
{
    return {
        row.file,
        reported(row.Meres_No),
        row.date,
        numfmt::formatInt(row.samples),
        numfmt::formatFixed2(double(row.dischargeSeconds) / 3600.0),
        numfmt::formatCharge(row.dischargeAh),
        reported(row.measuredPercent),
        reported(row.thresholdPercent),
        verdictText(row.verdict, texts),
        numfmt::formatInt(row.warnings),
    };
}

} // namespace vorn::graph
