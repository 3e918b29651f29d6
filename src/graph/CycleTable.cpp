// Charge and discharge segments of a measurement.
#include "graph/CycleTable.h"

#include "graph/TimeText.h"
#include "measurement/MeasurementRecord.h"
#include "settings/LanguageTables.h"
#include "settings/NumberFormat.h"

namespace vorn::graph {

namespace {

// State of the segment being collected.
struct OpenSegment {
    bool Is_Toltes = false;
    qint64 Ossz_Ido = 0;
    double Ossz_aram = 0;
    int Sorszam = 1;
};

// Closes the open segment into `out` and starts the next one.
void Close_Status(OpenSegment &open, qint32 Mint_ido, CycleTipus tipus,
                  std::vector<CycleSegment> &out)
{
    out.push_back({open.Sorszam, open.Is_Toltes, open.Ossz_Ido,
                   chargeQuantity(open.Ossz_aram, open.Ossz_Ido, Mint_ido)});
    const bool numberEnds = tipus == CycleInfoList ? open.Is_Toltes : !open.Is_Toltes;
    if (numberEnds)
        ++open.Sorszam;
    open.Is_Toltes = !open.Is_Toltes;
    open.Ossz_Ido = Mint_ido;
    open.Ossz_aram = 0;
}

QString stateWord(bool charge, const TextTables &texts)
{
    return charge ? texts.Text_List(10) : texts.Text_List(9);
}

} // namespace

std::vector<CycleSegment> Meresi_Param_Szetvalogatas(const TFile_Datas &record, CycleTipus tipus)
{
    std::vector<CycleSegment> segments;
    const auto &samples = record.Meres_Datas;
    if (samples.size() < 2)
        return segments;
    OpenSegment open;
    open.Is_Toltes = samples[0].Is_Toltes;
    open.Ossz_Ido = record.Mint_ido;
    const std::size_t last = samples.size() - 1;
    for (std::size_t i = 1; i <= last; ++i) {
        if (samples[i].Is_Toltes == open.Is_Toltes) {
            open.Ossz_Ido += record.Mint_ido;
            open.Ossz_aram += samples[i].Meres_Aram;
            if (i == last)
                Close_Status(open, record.Mint_ido, tipus, segments);
        } else {
            Close_Status(open, record.Mint_ido, tipus, segments);
        }
    }
    return segments;
}

double chargeQuantity(double Ossz_aram, qint64 Ossz_Ido, qint32 Mint_ido)
{
    if (Mint_ido == 0)
        return 0.0;
    const double sampleCount = double(Ossz_Ido) / double(Mint_ido);
    return (Ossz_aram / sampleCount) * (double(Ossz_Ido) / 3600.0);
}

QString chargeQuantityText(double ampereHours)
{
    return numfmt::formatCharge(ampereHours) + QStringLiteral(" A×h");
}

std::vector<std::pair<QString, QString>> cycleListRow(const CycleSegment &segment,
                                                      const TextTables &texts)
{
    return {
        {QStringLiteral("Ciklus"), numfmt::formatInt(segment.number)},
        {QStringLiteral("Állapot"), stateWord(segment.charge, texts)},
        {QStringLiteral("Idő"), GenSec2StrTime(segment.seconds, texts)},
        {QStringLiteral("Töltésmennyiség"), chargeQuantityText(segment.ampereHours)},
    };
}

QString reportCycleLine(const CycleSegment &segment, const TextTables &texts)
{
    const QString gap = segment.charge ? QStringLiteral(" ") : QStringLiteral("  ");
    return numfmt::formatInt(segment.number) + QStringLiteral("  ")
        + stateWord(segment.charge, texts) + gap + GenSec2StrTime(segment.seconds, texts)
        + u' ' + chargeQuantityText(segment.ampereHours);
}

ReportCycleLines reportCycleLines(const TFile_Datas &record, const TextTables &texts)
{
    ReportCycleLines lines;
    for (const CycleSegment &segment : Meresi_Param_Szetvalogatas(record, CycleReport))
        lines.RichEdit1.append(reportCycleLine(segment, texts));
    const qsizetype dropped = qMax<qsizetype>(0, lines.RichEdit1.size() - ReportResultsCycleLines);
    lines.REdt_results = lines.RichEdit1.mid(dropped);
    return lines;
}

} // namespace vorn::graph
