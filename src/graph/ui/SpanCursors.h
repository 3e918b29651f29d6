// The graph window's two cursors A and B: a left click places A, a second
// click B, a drag moves the nearer one, the arrow keys step the one moved
// last; a floating panel reads out both and what lies between them. The
// cursors belong to the window only: drawn over the chart on screen, and
// into the chart's pictures (clipboard, BMP) only while they are shown.
#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

struct TFile_Datas;

namespace vorn {
class TextTables;
}

namespace vorn::chart {
class ChartCanvas;
class ChartSeries;
class ChartWidget;
}

namespace vorn::graphui {

class ReadoutPanel;

class SpanCursors : public QObject {
    Q_OBJECT
public:
    // What the cursors read: the window's chart with its voltage and current
    // series, its record, its texts and its time unit (0 s, 1 min, 2 h).
    struct Source {
        vorn::chart::ChartWidget *chart = nullptr;
        vorn::chart::ChartSeries *voltage = nullptr;
        vorn::chart::ChartSeries *current = nullptr;
        const TFile_Datas *record = nullptr;
        const vorn::TextTables *texts = nullptr;
        std::function<int()> timeUnit;
    };
    enum class Which { None, A, B };

    SpanCursors(const Source &source, QObject *parent);

    bool isShown() const { return m_shown; }
    void setShown(bool shown);
    // Sample indices, -1 while not placed.
    qint64 cursorA() const { return m_a; }
    qint64 cursorB() const { return m_b; }
    Which lastMoved() const { return m_last; }
    ReadoutPanel *panel() const { return m_panel; }

    // The chart's mouse and key events (chart pixels). A left press in the
    // plot places or moves a cursor unless the chart is in zoom mode.
    void mouseDown(QPoint pos, Qt::MouseButton button);
    void mouseMoved(QPoint pos, Qt::MouseButtons buttons);
    void mouseUp(Qt::MouseButton button);
    // Left and right step the cursor moved last by a sample (5 with Ctrl);
    // true when a cursor moved.
    bool keyDown(int key, Qt::KeyboardModifiers modifiers);

    // Draws the two lines with their letters (the chart's overlay).
    void drawCursors(vorn::chart::ChartCanvas &canvas) const;
    // After every drawing of the chart: on screen the panel is brought up to
    // date and placed; into a picture the cursors and the panel are drawn.
    void chartDrawn(vorn::chart::ChartCanvas &canvas);
    // The chart's pictures, with the cursors and the panel while shown.
    void copyChartToClipboard();
    bool saveChartBmp(const QString &path, QString *error);
    // The samples were replaced (a cut): both cursors are lifted.
    void samplesChanged();
    // The texts or the time unit changed: the panel reads again.
    void refresh();

private:
    qint64 sampleAtPixel(int x) const;
    qint64 &cursor(Which which) { return which == Which::A ? m_a : m_b; }
    void moveCursor(Which which, qint64 sample);
    void drawLine(vorn::chart::ChartCanvas &canvas, qint64 sample, const QString &letter,
                  const QColor &color) const;
    void updatePanel();
    void placePanel();

    Source m_source;
    ReadoutPanel *m_panel = nullptr;
    bool m_shown = false;
    qint64 m_a = -1;
    qint64 m_b = -1;
    Which m_last = Which::None;
    Which m_dragging = Which::None;
    bool m_drawingPicture = false;
};

} // namespace vorn::graphui
