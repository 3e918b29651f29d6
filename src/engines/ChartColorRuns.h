// Per-point colours of one series, and the runs of equal colour they form.
#pragma once

#include <QColor>
#include <QRgb>

#include <vector>

namespace vorn::chart {

// A run of points with one colour: indices start .. end inclusive. color 0
// means "the series colour".
struct ColorRun {
    int start = 0;
    int end = 0;
    QRgb color = 0;
};

// The colours are kept as spans of equal colour, not per point: a series of
// millions of points coloured run by run costs a few entries. Colouring in
// index order (the usual way) appends; colouring in the middle splits spans.
class ChartColorRuns
{
public:
    // Point index -> colour; a point never coloured has the series colour.
    bool hasPointColors() const { return !m_spans.empty(); }
    QRgb rawColor(int index) const; // 0: series colour
    void setColor(int index, const QColor &color);
    // Colours the points first..last (inclusive).
    void fill(int first, int last, const QColor &color);
    void clear();

    // The runs covering points 0 .. count-1 (points beyond the coloured ones
    // have the series colour). Computed once per change.
    const std::vector<ColorRun> &runs(int count) const;

private:
    static QRgb encode(const QColor &color);

    // Sorted, not overlapping, never colour 0, and neighbours that touch
    // differ in colour.
    std::vector<ColorRun> m_spans;
    mutable std::vector<ColorRun> m_runs;
    mutable int m_runsCount = -1; // point count the runs were built for
};

} // namespace vorn::chart
