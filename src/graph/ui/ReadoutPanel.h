// A small read-out panel that floats over a chart: rows of cells in a grid,
// moved by dragging it, copied as text with Ctrl+C, and kept clear of the
// points the chart names (the curves' last samples).
#pragma once

#include <QColor>
#include <QFrame>
#include <QList>
#include <QPoint>
#include <QStringList>

#include <optional>
#include <vector>

class QGridLayout;
class QLabel;

namespace vorn::graphui {

class ReadoutPanel : public QFrame {
    Q_OBJECT
public:
    explicit ReadoutPanel(QWidget *chart);

    // The rows; a row whose first cell is empty is a head row (drawn grey).
    // A colour given for a row draws its first cell in it.
    void setRows(const QList<QStringList> &rows, const QList<QColor> &rowColors = {});
    const QList<QStringList> &rows() const { return m_rows; }
    // The rows as the clipboard gets them: tab-separated cells, one line each.
    QString text() const;

    // Stands where the user put it, inside `plot`, unless that covers one of
    // `keepClear`; then in the first free corner of the plot.
    void place(const QRect &plot, const std::vector<QPoint> &keepClear);

signals:
    // The user dropped the panel somewhere: place it again.
    void moved();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QLabel *cell(int row, int column);

    QGridLayout *m_grid = nullptr;
    QList<QStringList> m_rows;
    std::optional<QPoint> m_wanted; // where the user put it
    std::optional<QPoint> m_grab;   // the press point while dragging
};

} // namespace vorn::graphui
