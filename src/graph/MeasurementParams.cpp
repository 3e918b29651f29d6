// Parameter, result and verdict lines of a measurement.
#include "graph/MeasurementParams.h"

#include "graph/TimeText.h"
#include "measurement/MeasurementRecord.h"
#include "settings/LanguageTables.h"
#include "settings/NumberFormat.h"

namespace vorn::graph {

namespace {

using numfmt::formatGeneral;
using numfmt::formatInt;

void addLine(ParamLines &lines, const QString &label, const QString &value)
{
    lines.labels.append(label);
    lines.values.append(value);
}

QString withUnit(const QString &number, const QString &unit)
{
    return number + u' ' + unit;
}

QStringList joinedLines(const ParamLines &lines)
{
    QStringList joined;
    for (qsizetype i = 0; i < lines.labels.size(); ++i)
        joined.append(lines.labels.at(i) + u' ' + lines.values.at(i));
    return joined;
}

} // namespace

ParamLines measurementParameters(const TFile_Datas &r, const TextTables &texts, ParamLayout layout)
{
    ParamLines lines;
    if (r.Mint_ido != -1)
        addLine(lines, texts.Text_List(127), withUnit(formatInt(r.Mint_ido), texts.Text_List(128)));
    if (r.Kis_Aram != -1)
        addLine(lines, texts.Text_List(31), withUnit(formatGeneral(r.Kis_Aram), QStringLiteral("A")));
    if (r.N_Kapac != -1)
        addLine(lines, texts.Text_List(136), withUnit(formatGeneral(r.N_Kapac), QStringLiteral("Ah")));
    if (r.Tolt_ido != -1)
        addLine(lines, texts.Text_List(143), withUnit(formatInt(r.Tolt_ido), texts.Text_List(54)));
    if (r.Kis_vegfesz != -1)
        addLine(lines, texts.Text_List(144), withUnit(formatGeneral(r.Kis_vegfesz), QStringLiteral("V")));
    if (r.Minosit_szaz != -1)
        addLine(lines, texts.Text_List(151), withUnit(formatInt(r.Minosit_szaz), QStringLiteral("%")));
    if (r.Pass_100 != -1)
        addLine(lines, texts.Text_List(152), GenSec2StrTime(r.Pass_100, texts));
    if (layout == ParamLayout::Report) {
        if (!r.sorszam.isEmpty())
            addLine(lines, texts.Text_List(177), r.sorszam);
        if (!r.prog_verzio.isEmpty())
            addLine(lines, texts.Text_List(178), r.prog_verzio);
    }
    return lines;
}

ParamLines measurementResults(const TFile_Datas &r, const TextTables &texts, ParamLayout layout)
{
    ParamLines lines;
    if (layout == ParamLayout::InfoDialog || r.Meres_No != -1)
        addLine(lines, texts.Text_List(135), formatInt(r.Meres_No));
    if (r.U0 != -1)
        addLine(lines, texts.Text_List(146), withUnit(formatGeneral(r.U0), QStringLiteral("V")));
    if (r.Mert_kap != -1)
        addLine(lines, texts.Text_List(137), withUnit(formatInt(r.Mert_kap), QStringLiteral("%")));
    return lines;
}

Verdict qualificationVerdict(const TFile_Datas &record)
{
    if (record.Minosit_szaz == -1)
        return Verdict::None;
    return record.Mert_kap > record.Minosit_szaz ? Verdict::Pass : Verdict::Fail;
}

int verdictTextIndex(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Pass: return 139;
    case Verdict::Fail: return 140;
    case Verdict::None: break;
    }
    return -1;
}

QString verdictText(Verdict verdict, const TextTables &texts)
{
    switch (verdict) {
    case Verdict::Pass: return texts.Text_List(139);
    case Verdict::Fail: return texts.Text_List(140);
    case Verdict::None: break;
    }
    return {};
}

QString verdictHeading(const TextTables &texts)
{
    return texts.Text_List(138);
}

OtherParams Fill_Other_Params(const TFile_Datas &record, const TextTables &texts)
{
    return {measurementParameters(record, texts, ParamLayout::InfoDialog),
            measurementResults(record, texts, ParamLayout::InfoDialog),
            qualificationVerdict(record)};
}

QStringList reportParameterLines(const TFile_Datas &record, const TextTables &texts)
{
    return joinedLines(measurementParameters(record, texts, ParamLayout::Report));
}

QStringList reportResultLines(const TFile_Datas &record, const TextTables &texts)
{
    QStringList lines{QStringLiteral(" ")};
    lines += joinedLines(measurementResults(record, texts, ParamLayout::Report));
    if (qualificationVerdict(record) != Verdict::None)
        lines.append(verdictHeading(texts));
    return lines;
}

} // namespace vorn::graph
