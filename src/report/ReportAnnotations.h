// The labels a user places on the report chart: 35 slots, the hit test, the
// placing rules (duplicates, visibility, a free slot), dragging within the
// chart, deleting, their drawing, and the read-outs of the sample under the
// mouse.
#pragma once

#include "engines/ChartNearest.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <optional>

class QFontMetrics;

namespace vorn::chart {
class ChartCanvas;
class ChartSeries;
}

namespace vorn::report {

// One label slot.
struct ccc {
    bool aktiv = false;    // the slot holds a label
    bool Is_Fesz = false;  // a voltage label (else a current label)
    int Meas_Index = 0;    // the labelled sample
    int xl = 0;            // left of the label text, chart pixels
    int yl = 0;            // top of the label text, chart pixels
    int xm = 0, ym = 0;    // kept with the slot, not used
    QString lab;           // first line: the read-out when the label was placed
    bool desc_aktiv = false;
    QString desc;          // second line: the user's description
};

inline constexpr int kLabelSlots = 35;
inline constexpr int kDescriptionMaxLength = 26;

// Left <= x <= right and top <= y <= bottom, every bound inclusive.
bool PointInRect(const QRect &rect, int x, int y);

// Why a right click placed no label.
enum class PlaceResult {
    Placed,
    NoSample,    // no sample under the cursor
    Duplicate,   // the sample already carries a label of that kind
    NotVisible,  // the sample's point lies outside the plot rectangle
    NoFreeSlot,  // all 35 slots are in use
};

class ReportAnnotations {
public:
    // Slots are numbered 1 to 35, as cmk_pos and melyikfog count them.
    ccc &slot(int index) { return m_slots[size_t(index - 1)]; }
    const ccc &slot(int index) const { return m_slots[size_t(index - 1)]; }
    int activeCount() const;

    int cmk_pos = 0;    // the label last hit or created
    bool megvan = false; // the mouse is over a label
    int melyikfog = 0;  // the label being dragged, 0: none

    // The box a label answers to: x from xl to xl + W, y from yl to
    // yl + H + 17, W the wider of desc and lab, H the height of lab, measured
    // with `metrics` (the window's font).
    QRect labelBox(int index, const QFontMetrics &metrics) const;

    // Check_MouseOnCimke: unless a drag runs, the first active slot whose box
    // holds the mouse becomes cmk_pos and megvan is set; no hit clears megvan.
    void Check_MouseOnCimke(QPoint mouse, const QFontMetrics &metrics);

    // Whether a new label of that kind may go on sample `dataPoint` (-1:
    // none) whose point lies at `pixel` on its series.
    PlaceResult canPlace(int dataPoint, bool voltage, QPoint pixel, const QRect &plotRect) const;
    // Fills the first free slot (after canPlace said Placed): the label text
    // `lab`, its box 10 pixels left of and 50 above the point; desc keeps the
    // slot's earlier description. Returns the slot, which becomes cmk_pos.
    int place(int dataPoint, bool voltage, QPoint pixel, const QString &lab);
    void remove(int index) { slot(index).aktiv = false; }

    // Moves label melyikfog to the mouse (10 pixels up and left of it), kept
    // at least 5 pixels from the top and left edges, at most chart height -
    // 32 down, and so far right that its wider line ends 10 pixels before
    // the right edge.
    void dragTo(QPoint mouse, QSize chartSize, const QFontMetrics &metrics);
    void endDrag();

private:
    int textWidth(int index, const QFontMetrics &metrics) const;

    std::array<ccc, kLabelSlots> m_slots{};
};

// JChartAfterDraw's labels: each active label with its leader line to its
// point on `voltage` or `current`, its shadow, frame and two text lines; the
// label under the mouse in red.
void drawAnnotations(chart::ChartCanvas &canvas, const ReportAnnotations &labels,
                     const chart::ChartSeries &voltage, const chart::ChartSeries &current);

// The sample the read-outs show: the nearer of the two series' nearest
// points, the voltage point on a tie; -1 when neither has one.
int chooseSample(const chart::NearestPoint &voltage, const chart::NearestPoint &current);

// The time read-out of sample i for the time unit 0 s (i x Mint_ido), 1 min,
// 2 h, in "#0.00" without a unit; nothing for any other unit.
std::optional<QString> sampleTimeText(int i, int Mint_ido, int unit);

} // namespace vorn::report
