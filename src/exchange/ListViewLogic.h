// The searchable list view's logic without a window: the incremental search,
// the list of columns protected against resizing, and the header-click sort
// state with its arrow images.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <vector>

namespace vorn::exchange {

// ---- Incremental search -------------------------------------------------

// The three texts a cell is compared with, all lower case by the locale's
// rules: the search text itself, the text with every "ő" (either case) written
// as "õ", and the text with every "ű" (either case) written as "ũ". The
// device's keyboard and older files mix these look-alike letters.
QStringList searchCandidates(const QString &searchText);

// Index of the first cell whose first searchText.length() characters, lower
// case, equal one of the candidates; -1 when none does (also for no cells).
// An empty search text matches the first cell.
int findSearchHit(const QStringList &cells, const QString &searchText);

// ---- Columns protected against resizing ---------------------------------

inline constexpr int ProtectedSlotCount = 20;
// One column index per slot; -1 marks an empty slot.
using ProtectedColumns = std::array<int, ProtectedSlotCount>;

struct ColumnResizeParse {
    ProtectedColumns C_R_A;
    bool tooMany = false; // a 21st number was found; parsing stopped there
};

// Reads the "Column_resize" text: column numbers of 1 to 3 decimal digits,
// each followed by ";" ("0;3;12;"). Blanks around a number are allowed; a
// piece that is not such a number is skipped, and so is a trailing number
// without its ";". The first 20 numbers fill the slots in order.
ColumnResizeParse parseColumnResize(QStringView text);

// True when column is one of the slots' indices (never for -1).
bool isProtectedColumn(const ProtectedColumns &protectedColumns, int column);

// The box text shown once when the text holds more than 20 numbers; the two
// lines are separated by a carriage return.
QString tooManyColumnsText();

// ---- Sorting by header click --------------------------------------------

// Header image indices: 0 is shown for the first click on a column, 1 for the
// second, and so on alternating; -1 means no image.
inline constexpr int NoHeaderImage = -1;

class SortState {
public:
    // A click on the header of column `clicked`: every other column loses its
    // image, the clicked one toggles between 0 and 1 (none counts as 1), and
    // the direction turns round when the same column is clicked again, else
    // it starts ascending.
    void click(int clicked);

    int headerImage(int column) const;

    int ColumnToSort = 0;
    // -1 before the first click, so that the first click on any column, the
    // row caption column too, sorts ascending like the image it shows.
    int LastSorted = -1;
    int SortDir = 0; // 0 ascending, 1 descending

private:
    std::vector<int> m_images;
};

} // namespace vorn::exchange
