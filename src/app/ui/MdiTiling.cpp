// Tiling arithmetic of the Window menu.
#include "MdiTiling.h"

#include <cmath>

namespace vorn::ui {

namespace {

// Edge k of n equal parts of [start, start + length).
int edge(int start, int length, int k, int n)
{
    return start + int(qint64(length) * k / n);
}

} // namespace

QList<QRect> tileRects(const QRect &area, int count, Qt::Orientation orientation)
{
    QList<QRect> rects;
    if (count <= 0 || area.isEmpty())
        return rects;
    const int lines = count <= 3 ? 1 : int(std::sqrt(double(count)));
    const bool columns = orientation == Qt::Horizontal;
    // Across the lines: x for columns of wide windows, y for rows of tall ones.
    const int acrossStart = columns ? area.left() : area.top();
    const int acrossLength = columns ? area.width() : area.height();
    const int alongStart = columns ? area.top() : area.left();
    const int alongLength = columns ? area.height() : area.width();

    for (int line = 0; line < lines; ++line) {
        const int inLine = count / lines + (line >= lines - count % lines ? 1 : 0);
        const int a0 = edge(acrossStart, acrossLength, line, lines);
        const int a1 = edge(acrossStart, acrossLength, line + 1, lines);
        for (int k = 0; k < inLine; ++k) {
            const int b0 = edge(alongStart, alongLength, k, inLine);
            const int b1 = edge(alongStart, alongLength, k + 1, inLine);
            rects.append(columns ? QRect(QPoint(a0, b0), QPoint(a1 - 1, b1 - 1))
                                 : QRect(QPoint(b0, a0), QPoint(b1 - 1, a1 - 1)));
        }
    }
    return rects;
}

} // namespace vorn::ui
