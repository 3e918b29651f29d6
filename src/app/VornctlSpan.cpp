// vornctl span: the A–B read-out between two times of a measurement, as the
// graph window's two cursors show it.
#include "JsonWriter.h"
#include "VornctlCommands.h"
#include "graph/SpanMeasure.h"
#include "measurement/MeasurementReader.h"
#include "settings/NumberFormat.h"

#include <cmath>
#include <optional>

namespace vorn::ctl {

namespace {

// Seconds written with either "." or "," as the decimal separator.
std::optional<double> parseSeconds(const QString &text)
{
    std::optional<double> value = numfmt::parseFloat(text, u',');
    if (!value)
        value = numfmt::parseFloat(text, u'.');
    if (value && !std::isfinite(*value))
        return std::nullopt;
    return value;
}

QByteArray spanJson(const graph::SpanMeasure &span)
{
    json::Writer out;
    out.beginObject();
    out.key("ok"); out.value(true);
    out.key("from_index"); out.value(static_cast<long long>(span.fromIndex));
    out.key("to_index"); out.value(static_cast<long long>(span.toIndex));
    out.key("dt_s"); out.value(span.dt_s);
    out.key("du_v"); out.value(span.du_v);
    out.key("ah_charge"); out.value(span.ahCharge);
    out.key("ah_discharge"); out.value(span.ahDischarge);
    out.key("ah_total"); out.value(span.ahTotal);
    out.key("wh_charge"); out.value(span.whCharge);
    out.key("wh_discharge"); out.value(span.whDischarge);
    out.key("wh_total"); out.value(span.whTotal);
    out.key("u_mean"); out.value(span.uMean);
    out.key("u_min"); out.value(span.uMin);
    out.key("u_max"); out.value(span.uMax);
    out.endObject();
    return out.bytes() + '\n';
}

} // namespace

int runSpan(const QStringList &args)
{
    if (args.size() != 3)
        return kExitUsage;
    const std::optional<double> from = parseSeconds(args[1]);
    const std::optional<double> to = parseSeconds(args[2]);
    if (!from || !to)
        return kExitUsage;
    const measurement::ReadResult result = measurement::readMeasurementFile(args[0]);
    if (!result.ok())
        return rejectMeasurement(result.error);
    const std::optional<graph::SpanMeasure> span = graph::measureSpanBetween(result.record, *from, *to);
    if (!span)
        return rejectMeasurement(measurement::kErrTooFewSamples);
    print(spanJson(*span));
    return kExitDone;
}

} // namespace vorn::ctl
