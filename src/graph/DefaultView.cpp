// The view a freshly opened graph window shows.
#include "graph/DefaultView.h"

#include "graph/AxisMath.h"
#include "graph/ChartValues.h"
#include "graph/TimeUnits.h"
#include "measurement/MeasurementRecord.h"

namespace vorn::graph {

DefaultView defaultView(const TFile_Datas &record)
{
    const int unit = effectiveTimeUnit(record.Last_Time_Me);
    const GraphView view = newGraphView(chartExtents(record, unit));
    return {unit, view.left, view.right, view.bottom, view.timeStep};
}

} // namespace vorn::graph
