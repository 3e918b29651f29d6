// Helpers of the exchange widget tests: a filled list, typing and mouse
// gestures on the list, its strip and its header; text tables whose entries
// name themselves.
#pragma once

#include "exchange/ui/TLxListViewSearch.h"
#include "settings/LanguageTables.h"

#include <QStringList>

#include <memory>

namespace lvtest {

// Tables whose entries name themselves: Menu_List(i) == "M<i>",
// Err_List(i) == "E<i>", Text_List(i) == "T<i>" (i < 200).
vorn::TextTables namedTexts();

// A shown 300 x 200 panel with the columns "Caption" (0 wide, protected),
// "Név" and "Szám", like the two windows that use the list.
std::unique_ptr<TLxListViewSearch> makeList();

// Appends one row per name: "Név" gets the name, "Szám" the row number.
void addRows(TLxListViewSearch &list, const QStringList &names);

// The texts of a column from the top row down.
QStringList columnTexts(const TLxListViewSearch &list, int column);

// Key press and release for each character, as typed on a keyboard.
void typeText(QWidget *widget, const QString &text);
void pressKey(QWidget *widget, Qt::Key key);
// Types each character into the panel's focus widget, the list at first.
void typeIntoList(TLxListViewSearch &list, const QString &text);

// A left click in the middle of a header section.
void clickHeader(TLxListViewSearch &list, int column);

// Drags the divider at the right edge of `column` by dx pixels.
void dragDivider(TLxListViewSearch &list, int column, int dx);

// A left click on the strip's close picture.
void clickClosePicture(TLxListViewSearch &list);

// The row index of the selected row, -1 when none.
int selectedRow(const TLxListViewSearch &list);

} // namespace lvtest
