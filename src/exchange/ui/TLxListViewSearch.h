// The searchable list view: a coloured panel holding a report-style list and,
// under it, a search strip that opens when the user types into the list and
// selects the first row whose search-column text begins with what was typed.
// Rows are written by column caption; a header click can sort the rows.
#pragma once

#include "TNewListView.h"

#include <QList>
#include <QPixmap>
#include <QWidget>

class QKeyEvent;
class QLabel;
class QLineEdit;

class TLxListViewSearch : public QWidget {
    Q_OBJECT
public:
    explicit TLxListViewSearch(QWidget *parent = nullptr);

    // ---- Properties ------------------------------------------------------
    // The inner list: columns, options and signals are set on it directly.
    TNewListView *ListView_SET() const { return ListView_lista; }
    // Caption of the search column. A caption that no column has (the
    // empty one too) searches column 1, the first column a user sees when
    // column 0 is hidden.
    QString Column_Name() const;
    void setColumn_Name(const QString &caption);
    int Column_Arrow() const;
    void setColumn_Arrow(int value);
    // Setting it also puts the picture in front of the header images, so
    // every header image index moves up by one.
    QPixmap Nyilak_Pic_Fel() const { return Nyil_Fel; }
    void setNyilak_Pic_Fel(const QPixmap &picture);
    bool Use_Sort() const { return ListView_lista->Use_Sort(); }
    void setUse_Sort(bool on) { ListView_lista->setUse_Sort(on); }
    QString Column_resize() const { return ListView_lista->Column_resize(); }
    void setColumn_resize(const QString &text) { ListView_lista->setColumn_resize(text); }

    // ---- Rows --------------------------------------------------------------
    // Column 0 is the row caption, columns 1.. the further cells. A caption
    // that names no column, or a row that does not exist, changes nothing.
    void NewRow();
    void MaxRowEdit(const QString &Column_Caption, const QString &Szoveg);
    void RowEdit(int sor, const QString &Column_Caption, const QString &Szoveg);
    QString ReadRow(int sor, const QString &Column_Caption) const;
    // The cell index (column - 1) of the last column with that caption, -1
    // for column 0; for a caption no column has, 0 (column 1) when the list
    // has such a column, else -1.
    int Search_Oszlopindex(const QString &caption) const;

    bool isSearchOpen() const { return ListView_lista->Search_Is_Open; }
    // The panel's colour, RGB 31 6A C5 (12937777 as $00BBGGRR).
    static QColor panelColor();

    // ---- Parts -------------------------------------------------------------
    QPixmap Nyil_Fel;
    QPixmap Nyil_Le;
    QList<QPixmap> Nyilak; // header images: 0 down arrow, 1 up arrow
    TNewListView *ListView_lista = nullptr;
    QLabel *Label_Search = nullptr;
    QLineEdit *Edit_Search = nullptr;
    QLabel *Image_Search = nullptr;

public slots:
    void LsvColumnClick(int column);
    void Edit_Search_Change(const QString &text);
    void ImageClick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createSearchStrip();
    void Panel_Resize();
    bool ListKeypress(QKeyEvent *event);
    bool Edit_Search_KeyDown(QKeyEvent *event);
    void openSearch(const QString &typed);
    void showSearchHit(int row);
    void setEditColor(int bgr);
    int firstColumnOf(const QString &caption) const;
    int LsvCompare(const QTreeWidgetItem *a, const QTreeWidgetItem *b) const;
    void sortRows();
    void showHeaderImages();
};
