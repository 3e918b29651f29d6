// The searchable list view: rows written by column caption, the properties,
// and the sort by header click.
#include "TLxListViewSearch.h"

#include "exchange/RowCompare.h"

#include <QHeaderView>

#include <algorithm>

QString TLxListViewSearch::Column_Name() const
{
    return ListView_lista->C_N;
}

void TLxListViewSearch::setColumn_Name(const QString &caption)
{
    ListView_lista->C_N = caption;
}

int TLxListViewSearch::Column_Arrow() const
{
    return ListView_lista->C_A;
}

void TLxListViewSearch::setColumn_Arrow(int value)
{
    ListView_lista->C_A = value;
}

void TLxListViewSearch::setNyilak_Pic_Fel(const QPixmap &picture)
{
    Nyil_Fel = picture;
    Nyilak.prepend(picture);
    showHeaderImages();
}

// ---- Rows ------------------------------------------------------------------

void TLxListViewSearch::NewRow()
{
    const QTreeWidgetItem *head = ListView_lista->headerItem();
    auto *row = new QTreeWidgetItem;
    for (int column = 0; column < ListView_lista->columnCount(); ++column) {
        row->setText(column, QString());
        row->setTextAlignment(column, Qt::Alignment(head->textAlignment(column)));
    }
    ListView_lista->addTopLevelItem(row);
}

int TLxListViewSearch::firstColumnOf(const QString &caption) const
{
    const QTreeWidgetItem *head = ListView_lista->headerItem();
    for (int column = 0; column < ListView_lista->columnCount(); ++column) {
        if (head->text(column) == caption)
            return column;
    }
    return -1;
}

void TLxListViewSearch::MaxRowEdit(const QString &Column_Caption, const QString &Szoveg)
{
    RowEdit(ListView_lista->topLevelItemCount() - 1, Column_Caption, Szoveg);
}

void TLxListViewSearch::RowEdit(int sor, const QString &Column_Caption, const QString &Szoveg)
{
    QTreeWidgetItem *row = ListView_lista->topLevelItem(sor);
    const int column = firstColumnOf(Column_Caption);
    if (row && column >= 0)
        row->setText(column, Szoveg);
}

QString TLxListViewSearch::ReadRow(int sor, const QString &Column_Caption) const
{
    const QTreeWidgetItem *row = ListView_lista->topLevelItem(sor);
    const int column = firstColumnOf(Column_Caption);
    return row && column >= 0 ? row->text(column) : QString();
}

int TLxListViewSearch::Search_Oszlopindex(const QString &caption) const
{
    const QTreeWidgetItem *head = ListView_lista->headerItem();
    for (int column = ListView_lista->columnCount() - 1; column >= 0; --column) {
        if (head->text(column) == caption)
            return column - 1;
    }
    return ListView_lista->columnCount() > 1 ? 0 : -1;
}

// ---- Sorting -----------------------------------------------------------------

void TLxListViewSearch::LsvColumnClick(int column)
{
    if (!ListView_lista->Use_Sort())
        return;
    // The search follows the sorted column.
    ListView_lista->C_N = ListView_lista->headerItem()->text(column);
    ListView_lista->sortState.click(column);
    showHeaderImages();
    sortRows();
}

void TLxListViewSearch::showHeaderImages()
{
    QTreeWidgetItem *head = ListView_lista->headerItem();
    for (int column = 0; column < ListView_lista->columnCount(); ++column) {
        const int image = ListView_lista->sortState.headerImage(column);
        const bool shown = image >= 0 && image < Nyilak.size();
        head->setIcon(column, shown ? QIcon(Nyilak.at(image)) : QIcon());
    }
}

int TLxListViewSearch::LsvCompare(const QTreeWidgetItem *a, const QTreeWidgetItem *b) const
{
    const vorn::exchange::SortState &state = ListView_lista->sortState;
    const int column = state.ColumnToSort;
    return vorn::exchange::compareForSort(a->text(column), b->text(column),
                                          ListView_lista->columnTag(column), state.SortDir);
}

// Rows that compare equal keep their order. The current and the selected rows
// stay current and selected wherever they end up.
void TLxListViewSearch::sortRows()
{
    QTreeWidgetItem *current = ListView_lista->currentItem();
    const QList<QTreeWidgetItem *> selected = ListView_lista->selectedItems();
    QList<QTreeWidgetItem *> rows = ListView_lista->invisibleRootItem()->takeChildren();
    std::stable_sort(rows.begin(), rows.end(), [this](const QTreeWidgetItem *a, const QTreeWidgetItem *b) {
        return LsvCompare(a, b) < 0;
    });
    ListView_lista->addTopLevelItems(rows);
    if (current)
        ListView_lista->setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    for (QTreeWidgetItem *row : selected)
        row->setSelected(true);
}
