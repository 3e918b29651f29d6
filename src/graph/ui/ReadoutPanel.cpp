// The floating read-out panel of the two cursors and of the comparison.
#include "ReadoutPanel.h"

#include "app/ui/AppFonts.h"
#include "graph/SpanReadout.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace vorn::graphui {

namespace {

const QColor kHeadText(0x5B, 0x6E, 0x76);

} // namespace

ReadoutPanel::ReadoutPanel(QWidget *chart) : QFrame(chart)
{
    setObjectName(QStringLiteral("ReadoutPanel"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, QColor(0xF7, 0xFA, 0xFC, 235));
    look.setColor(QPalette::WindowText, Qt::black);
    setPalette(look);
    setFont(vorn::ui::tahomaPt(8));
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::SizeAllCursor);
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(6, 4, 6, 4);
    m_grid->setHorizontalSpacing(10);
    m_grid->setVerticalSpacing(1);
}

QLabel *ReadoutPanel::cell(int row, int column)
{
    if (QLayoutItem *item = m_grid->itemAtPosition(row, column))
        return static_cast<QLabel *>(item->widget());
    auto *label = new QLabel(this);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
    // Presses reach the panel, which moves.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_grid->addWidget(label, row, column);
    return label;
}

void ReadoutPanel::setRows(const QList<QStringList> &rows, const QList<QColor> &rowColors)
{
    for (int r = int(rows.size()); r < int(m_rows.size()); ++r) {
        for (int c = 0; c < int(m_rows[r].size()); ++c)
            cell(r, c)->hide();
    }
    m_rows = rows;
    for (int r = 0; r < int(rows.size()); ++r) {
        const bool head = !rows[r].isEmpty() && rows[r].front().isEmpty();
        for (int c = 0; c < int(rows[r].size()); ++c) {
            QLabel *label = cell(r, c);
            label->setText(rows[r][c]);
            QPalette look = label->palette();
            QColor color = head ? kHeadText : QColor(Qt::black);
            if (c == 0 && r < int(rowColors.size()) && rowColors[r].isValid())
                color = rowColors[r];
            look.setColor(QPalette::WindowText, color);
            label->setPalette(look);
            QFont font = label->font();
            font.setBold(c == 0 && !head);
            label->setFont(font);
            label->show();
        }
    }
    adjustSize();
}

QString ReadoutPanel::text() const
{
    return vorn::graph::spanReadoutText(m_rows);
}

void ReadoutPanel::place(const QRect &plot, const std::vector<QPoint> &keepClear)
{
    move(vorn::graph::readoutPanelPlace(plot, size(), m_wanted, keepClear));
}

void ReadoutPanel::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(text());
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}

void ReadoutPanel::mousePressEvent(QMouseEvent *event)
{
    // The press is the panel's own: it never reaches the chart beneath.
    if (event->button() == Qt::LeftButton)
        m_grab = event->position().toPoint();
    event->accept();
}

void ReadoutPanel::mouseMoveEvent(QMouseEvent *event)
{
    if (m_grab && (event->buttons() & Qt::LeftButton))
        move(mapToParent(event->position().toPoint()) - *m_grab);
    event->accept();
}

void ReadoutPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_grab && event->button() == Qt::LeftButton) {
        m_grab.reset();
        m_wanted = pos();
        emit moved();
    }
    event->accept();
}

} // namespace vorn::graphui
