// JSON description of a loaded measurement for the command-line tool.
#include "MeasurementInfo.h"

#include "JsonWriter.h"
#include "graph/CycleTable.h"
#include "graph/DefaultView.h"
#include "graph/IntegrityWarnings.h"
#include "graph/LimitLines.h"
#include "graph/MeasurementParams.h"
#include "graph/TimeUnits.h"
#include "measurement/MeasurementRecord.h"
#include "settings/LanguageTables.h"

namespace vorn::info {

namespace {

void writeRecord(json::Writer &out, const TFile_Datas &r)
{
    out.beginObject();
    out.key("Cellaszam"); out.value(r.Cellaszam);
    out.key("Kis_vegfesz"); out.value(r.Kis_vegfesz);
    out.key("Kis_Aram"); out.value(r.Kis_Aram);
    out.key("Mint_ido"); out.value(r.Mint_ido);
    out.key("Minosites"); out.value(r.Minosites);
    out.key("Mert_kap"); out.value(r.Mert_kap);
    out.key("Meres_No"); out.value(r.Meres_No);
    out.key("Minosit_szaz"); out.value(r.Minosit_szaz);
    out.key("N_Kapac"); out.value(r.N_Kapac);
    out.key("Pass_100"); out.value(r.Pass_100);
    out.key("Tolt_ido"); out.value(r.Tolt_ido);
    out.key("U0"); out.value(r.U0);
    out.key("tipus"); out.value(r.tipus);
    out.key("MDT"); out.value(r.MDT);
    out.key("MH"); out.value(r.MH);
    out.key("MHM"); out.value(r.MHM);
    out.key("MVN"); out.value(r.MVN);
    out.key("RName"); out.value(r.RName);
    out.key("Megj"); out.value(r.Megj);
    out.key("Use_Kep"); out.value(r.Use_Kep);
    out.key("DeltaM"); out.value(int(r.DeltaM));
    out.key("Ukorr"); out.value(r.Ukorr);
    out.key("Ikorr"); out.value(r.Ikorr);
    out.key("UOffs"); out.value(r.UOffs);
    out.key("IOffs"); out.value(r.IOffs);
    out.key("Last_Time_Me"); out.value(r.Last_Time_Me);
    out.key("LRBZ"); out.value(r.LRBZ);
    out.key("ULekapcs"); out.value(r.ULekapcs);
    out.key("sorszam"); out.value(r.sorszam);
    out.key("prog_verzio"); out.value(r.prog_verzio);
    out.endObject();
}

void writeSamples(json::Writer &out, const TFile_Datas &r)
{
    out.beginArray();
    for (const TMeres_Datas &s : r.Meres_Datas) {
        out.beginArray();
        out.value(s.Meres_Aram);
        out.value(s.Meres_fesz);
        out.value(s.Is_Toltes);
        out.endArray();
    }
    out.endArray();
}

void writePoints(json::Writer &out, const std::vector<QPointF> &points)
{
    out.beginArray();
    for (const QPointF &p : points) {
        out.beginArray();
        out.value(p.x());
        out.value(p.y());
        out.endArray();
    }
    out.endArray();
}

void writeRange(json::Writer &out, const graph::AxisRange &range)
{
    out.beginArray();
    out.value(range.min);
    out.value(range.max);
    out.endArray();
}

void writeCycles(json::Writer &out, const TFile_Datas &r)
{
    out.beginArray();
    for (const graph::CycleSegment &segment :
         graph::Meresi_Param_Szetvalogatas(r, graph::CycleInfoList)) {
        out.beginObject();
        out.key("number"); out.value(segment.number);
        out.key("charge"); out.value(segment.charge);
        out.key("seconds"); out.value(static_cast<long long>(segment.seconds));
        out.key("ah"); out.value(segment.ampereHours);
        out.endObject();
    }
    out.endArray();
}

void writeVerdict(json::Writer &out, const TFile_Datas &r)
{
    switch (graph::qualificationVerdict(r)) {
    case graph::Verdict::Pass: out.value("PASS"); break;
    case graph::Verdict::Fail: out.value("FAIL"); break;
    case graph::Verdict::None: out.null(); break;
    }
}

void writeDefaultView(json::Writer &out, const TFile_Datas &r)
{
    const graph::DefaultView view = graph::defaultView(r);
    out.beginObject();
    out.key("unit"); out.value(view.unit);
    out.key("left"); writeRange(out, view.left);
    out.key("right"); writeRange(out, view.right);
    out.key("bottom"); writeRange(out, view.bottom);
    out.key("time_step"); out.value(view.timeStep);
    out.endObject();
}

void writeEvaluation(json::Writer &out, const TFile_Datas &r, const TextTables &texts)
{
    const graph::LimitLinePoints limits = graph::limitLines(r, graph::UnitSeconds);
    out.beginObject();
    out.key("discharge_start_s"); out.value(static_cast<long long>(graph::SetKis_Ido_Kezd(r)));
    out.key("limit_upper"); writePoints(out, limits.upper);
    out.key("limit_lower"); writePoints(out, limits.lower);
    out.key("cycles"); writeCycles(out, r);
    out.key("report_lines");
    out.beginArray();
    for (const QString &line : graph::reportCycleLines(r, texts).RichEdit1)
        out.value(line);
    out.endArray();
    out.key("verdict"); writeVerdict(out, r);
    out.key("default_view"); writeDefaultView(out, r);
    out.endObject();
}

void writeWarnings(json::Writer &out, const measurement::ReadWarnings &notes,
                   const TFile_Datas &r, const TextTables &texts)
{
    out.beginArray();
    for (const graph::IntegrityWarning &warning : graph::integrityWarnings(notes, r)) {
        out.beginObject();
        out.key("kind"); out.value(QString(graph::warningKindName(warning.kind)));
        out.key("line");
        if (warning.line > 0)
            out.value(warning.line);
        else
            out.null();
        out.key("index");
        if (warning.index >= 0)
            out.value(warning.index);
        else
            out.null();
        out.key("text"); out.value(graph::warningText(warning, texts));
        out.endObject();
    }
    out.endArray();
}

} // namespace

QByteArray loadedJson(const TFile_Datas &record, const measurement::ReadWarnings &notes,
                      const TextTables &texts, bool withSamples)
{
    json::Writer out;
    out.beginObject();
    out.key("ok"); out.value(true);
    out.key("record"); writeRecord(out, record);
    if (withSamples) {
        out.key("samples");
        writeSamples(out, record);
    }
    out.key("picture");
    if (record.Use_Kep && !record.Kep.isEmpty()) {
        out.beginObject();
        out.key("width"); out.value(record.Kep.image().width());
        out.key("height"); out.value(record.Kep.image().height());
        out.endObject();
    } else {
        out.null();
    }
    out.key("evaluation"); writeEvaluation(out, record, texts);
    out.key("warnings"); writeWarnings(out, notes, record, texts);
    out.endObject();
    return out.bytes() + '\n';
}

QByteArray rejectedJson(int error)
{
    json::Writer out;
    out.beginObject();
    out.key("ok"); out.value(false);
    out.key("error"); out.value(error);
    out.endObject();
    return out.bytes() + '\n';
}

} // namespace vorn::info
