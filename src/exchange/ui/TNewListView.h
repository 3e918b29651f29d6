// The list inside the searchable list view: a report-style list with grid
// lines whose chosen columns the user cannot resize, and the state the search
// strip and the header-click sort keep on it.
#pragma once

#include "exchange/ListViewLogic.h"

#include <QString>
#include <QTreeWidget>

#include <functional>

class TNewListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit TNewListView(QWidget *parent = nullptr);

    // The columns the user may not resize, as "0;3;12;" (at most 20 numbers).
    // A protected column keeps its width, a width of 0 too; the program can
    // still set it. Each change of the text is read once; more than 20
    // numbers show an error box and protect the first 20. An empty text
    // protects no column.
    QString Column_resize() const { return C_R_Params; }
    void setColumn_resize(const QString &text);
    bool isColumnProtected(int column) const;

    // Column clicks sort the rows only while this is on (off at start).
    bool Use_Sort() const { return C_Use_Sort; }
    void setUse_Sort(bool on) { C_Use_Sort = on; }

    // How a column's texts compare when it is sorted (vorn::exchange::ColumnTag;
    // 0, the default, compares text).
    void setColumnTag(int column, int tag);
    int columnTag(int column) const;

    // Alignment of a column's header and cells, rows added later included.
    void setColumnAlignment(int column, Qt::Alignment alignment);

    // The error box of the protected-column list. Tests answer it here; an
    // empty hook restores the real box.
    using ErrorBoxHook = std::function<void(const QString &text)>;
    static void setErrorBoxHook(ErrorBoxHook hook);

    // Sort state of the header clicks: ColumnToSort, LastSorted, SortDir and
    // the header image of each column.
    vorn::exchange::SortState sortState;
    bool Search_Is_Open = false;
    QString C_N;   // caption of the search column
    int C_A = 0;   // kept for the Column_Arrow property, no other effect

protected:
    void drawRow(QPainter *painter, const QStyleOptionViewItem &option,
                 const QModelIndex &index) const override;

private:
    void CheckMesg();
    void applyProtection();
    void showErrorBox(const QString &text);

    vorn::exchange::ProtectedColumns C_R_A;
    QString C_R_Params;
    QString Old_C_R_Params;
    // Columns this list set to fixed width, so that dropping a column from the
    // text gives it back to the user.
    QList<int> m_fixedByUs;
    bool C_Use_Sort = false;
};
