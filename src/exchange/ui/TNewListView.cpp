// The list inside the searchable list view.
#include "TNewListView.h"

#include <QApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QPainter>

namespace {

TNewListView::ErrorBoxHook &errorBoxHook()
{
    static TNewListView::ErrorBoxHook hook;
    return hook;
}

// Light grey of the grid lines between rows and columns.
const QColor GridLineColor(0xE0, 0xE0, 0xE0);

} // namespace

TNewListView::TNewListView(QWidget *parent)
    : QTreeWidget(parent)
{
    C_R_A.fill(-1);
    // Report style: a flat list with a header, whole rows selected, the
    // selection kept visible without focus (Qt's default), and the typed
    // characters left to the search strip instead of Qt's own type-ahead.
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setSectionsClickable(true);
    header()->setHighlightSections(false);
    header()->setStretchLastSection(false);
    header()->setMinimumSectionSize(0);
    connect(header(), &QHeaderView::sectionCountChanged, this, [this] { applyProtection(); });
}

void TNewListView::setErrorBoxHook(ErrorBoxHook hook)
{
    errorBoxHook() = std::move(hook);
}

void TNewListView::setColumn_resize(const QString &text)
{
    C_R_Params = text;
    CheckMesg();
}

// Reads the protected-column text when it changed since the last reading.
void TNewListView::CheckMesg()
{
    if (C_R_Params == Old_C_R_Params)
        return;
    Old_C_R_Params = C_R_Params;
    const vorn::exchange::ColumnResizeParse parsed = vorn::exchange::parseColumnResize(C_R_Params);
    C_R_A = parsed.C_R_A;
    applyProtection();
    if (parsed.tooMany)
        showErrorBox(vorn::exchange::tooManyColumnsText());
}

bool TNewListView::isColumnProtected(int column) const
{
    return vorn::exchange::isProtectedColumn(C_R_A, column);
}

// A fixed section refuses the user's drag and double-click on its divider
// while the program can still size it.
void TNewListView::applyProtection()
{
    QHeaderView *head = header();
    for (int column = 0; column < head->count(); ++column) {
        const bool wanted = isColumnProtected(column);
        const bool fixed = m_fixedByUs.contains(column);
        if (wanted && !fixed) {
            head->setSectionResizeMode(column, QHeaderView::Fixed);
            m_fixedByUs.append(column);
        } else if (!wanted && fixed) {
            head->setSectionResizeMode(column, QHeaderView::Interactive);
            m_fixedByUs.removeAll(column);
        }
    }
    // Columns that no longer exist are forgotten.
    m_fixedByUs.removeIf([head](int column) { return column >= head->count(); });
}

void TNewListView::showErrorBox(const QString &text)
{
    if (errorBoxHook()) {
        errorBoxHook()(text);
        return;
    }
    QString shown = text;
    shown.replace(u'\r', u'\n');
    QMessageBox::critical(this, QApplication::applicationDisplayName(), shown, QMessageBox::Ok);
}

void TNewListView::setColumnTag(int column, int tag)
{
    headerItem()->setData(column, Qt::UserRole, tag);
}

int TNewListView::columnTag(int column) const
{
    return headerItem()->data(column, Qt::UserRole).toInt();
}

void TNewListView::setColumnAlignment(int column, Qt::Alignment alignment)
{
    headerItem()->setTextAlignment(column, alignment);
    for (int row = 0; row < topLevelItemCount(); ++row)
        topLevelItem(row)->setTextAlignment(column, alignment);
}

void TNewListView::drawRow(QPainter *painter, const QStyleOptionViewItem &option,
                           const QModelIndex &index) const
{
    QTreeWidget::drawRow(painter, option, index);
    painter->save();
    painter->setPen(GridLineColor);
    const QRect row = option.rect;
    painter->drawLine(row.left(), row.bottom(), row.right(), row.bottom());
    const QHeaderView *head = header();
    for (int column = 0; column < head->count(); ++column) {
        if (head->isSectionHidden(column) || head->sectionSize(column) == 0)
            continue;
        const int x = head->sectionViewportPosition(column) + head->sectionSize(column) - 1;
        painter->drawLine(x, row.top(), x, row.bottom());
    }
    painter->restore();
}
