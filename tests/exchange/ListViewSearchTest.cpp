// The list view's search strip and its rows written by column caption,
// driven with key and mouse events.
#include "ListViewTestSupport.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace lvtest;

namespace {

const QColor White(255, 255, 255);
const QColor NotFoundRed(0xFF, 0x59, 0x3F); // 4151807 as $00BBGGRR

QColor editColor(const TLxListViewSearch &list)
{
    return list.Edit_Search->palette().color(QPalette::Base);
}

QStringList greekNames()
{
    return {QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("beta2")};
}

} // namespace

TEST(ListSearchStrip, TypingOpensTheStripAndSelectsTheFirstMatch)
{
    auto list = makeList();
    addRows(*list, greekNames());
    ASSERT_FALSE(list->Edit_Search->isEnabled());
    EXPECT_EQ(list->ListView_SET()->height(), 200);

    typeText(list->ListView_SET(), QStringLiteral("b"));
    EXPECT_TRUE(list->isSearchOpen());
    EXPECT_EQ(list->ListView_SET()->geometry(), QRect(0, 0, 300, 186));
    EXPECT_EQ(list->Edit_Search->geometry(), QRect(40, 186, 87, 14));
    EXPECT_EQ(list->Image_Search->pos(), QPoint(275, 186));
    EXPECT_TRUE(list->Edit_Search->isEnabled());
    EXPECT_EQ(list->focusWidget(), list->Edit_Search);
    EXPECT_EQ(list->Edit_Search->text(), QStringLiteral("b"));
    EXPECT_EQ(list->Edit_Search->cursorPosition(), 1);
    EXPECT_EQ(selectedRow(*list), 1);
    EXPECT_EQ(list->ListView_SET()->currentItem(), list->ListView_SET()->topLevelItem(1));
    EXPECT_EQ(editColor(*list), White);

    typeText(list->Edit_Search, QStringLiteral("x"));
    EXPECT_EQ(list->Edit_Search->text(), QStringLiteral("bx"));
    EXPECT_EQ(editColor(*list), NotFoundRed);
    EXPECT_EQ(selectedRow(*list), 1);

    // Deleting back to "be" finds Beta again and the edit turns white.
    pressKey(list->Edit_Search, Qt::Key_Backspace);
    typeText(list->Edit_Search, QStringLiteral("eta2"));
    EXPECT_EQ(selectedRow(*list), 2);
    EXPECT_EQ(editColor(*list), White);
}

TEST(ListSearchStrip, EmptyTextMatchesTheFirstRow)
{
    auto list = makeList();
    addRows(*list, greekNames());
    typeText(list->ListView_SET(), QStringLiteral("b"));
    ASSERT_EQ(selectedRow(*list), 1);
    pressKey(list->Edit_Search, Qt::Key_Backspace);
    EXPECT_TRUE(list->Edit_Search->text().isEmpty());
    EXPECT_EQ(selectedRow(*list), 0);
    EXPECT_EQ(editColor(*list), White);
}

TEST(ListSearchStrip, AnEmptyListTurnsTheEditRed)
{
    auto list = makeList();
    typeText(list->ListView_SET(), QStringLiteral("a"));
    EXPECT_TRUE(list->isSearchOpen());
    EXPECT_EQ(editColor(*list), NotFoundRed);
}

TEST(ListSearchStrip, DoubleAcuteLettersFindTheirTildeLookAlikes)
{
    auto list = makeList();
    addRows(*list, {QStringLiteral("Kerék"), QStringLiteral("Kõrös"), QStringLiteral("Tavasz"),
                    QStringLiteral("Tũzoltó")});
    typeText(list->ListView_SET(), QStringLiteral("k"));
    typeText(list->Edit_Search, QStringLiteral("ő"));
    EXPECT_EQ(list->Edit_Search->text(), QStringLiteral("kő"));
    EXPECT_EQ(selectedRow(*list), 1);
    EXPECT_EQ(editColor(*list), White);

    // Typing the same character again runs the search anew.
    list->ImageClick();
    list->ListView_SET()->setCurrentItem(nullptr);
    typeText(list->ListView_SET(), QStringLiteral("ű"));
    EXPECT_EQ(editColor(*list), NotFoundRed);
    typeText(list->ListView_SET(), QStringLiteral("T"));
    ASSERT_EQ(selectedRow(*list), 2);
    typeText(list->Edit_Search, QStringLiteral("Ű"));
    EXPECT_EQ(selectedRow(*list), 3);
}

TEST(ListSearchStrip, EscAndEnterInTheListDoNothing)
{
    auto list = makeList();
    addRows(*list, greekNames());
    int activations = 0;
    QObject::connect(list->ListView_SET(), &QTreeWidget::itemActivated, [&activations] { ++activations; });
    list->ListView_SET()->setCurrentItem(list->ListView_SET()->topLevelItem(0));
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter})
        pressKey(list->ListView_SET(), key);
    EXPECT_FALSE(list->isSearchOpen());
    EXPECT_FALSE(list->Edit_Search->isEnabled());
    EXPECT_EQ(activations, 0);
    // Arrow keys still move through the list.
    pressKey(list->ListView_SET(), Qt::Key_Down);
    EXPECT_EQ(selectedRow(*list), 1);
    EXPECT_FALSE(list->isSearchOpen());
}

TEST(ListSearchStrip, EscEnterAndTheClosePictureCloseTheStrip)
{
    auto list = makeList();
    addRows(*list, greekNames());
    int returns = 0;
    QObject::connect(list->Edit_Search, &QLineEdit::returnPressed, [&returns] { ++returns; });
    for (int way = 0; way < 3; ++way) {
        typeText(list->ListView_SET(), QStringLiteral("a"));
        ASSERT_TRUE(list->isSearchOpen());
        if (way == 0)
            pressKey(list->Edit_Search, Qt::Key_Escape);
        else if (way == 1)
            pressKey(list->Edit_Search, Qt::Key_Return);
        else
            clickClosePicture(*list);
        EXPECT_FALSE(list->isSearchOpen()) << way;
        EXPECT_EQ(list->ListView_SET()->height(), 200) << way;
        EXPECT_FALSE(list->Edit_Search->isEnabled()) << way;
        EXPECT_EQ(list->focusWidget(), list->ListView_SET()) << way;
        EXPECT_EQ(list->Edit_Search->text(), QStringLiteral("a")) << way;
    }
    EXPECT_EQ(returns, 0);
}

TEST(ListSearchStrip, AHitLeavesTheRowAboveItAtTheTop)
{
    auto list = makeList();
    QStringList names;
    for (int i = 0; i < 100; ++i)
        names.append(QStringLiteral("row%1").arg(i, 3, 10, QChar(u'0')));
    addRows(*list, names);
    TNewListView *view = list->ListView_SET();
    typeIntoList(*list, QStringLiteral("row06"));
    EXPECT_EQ(list->Edit_Search->text(), QStringLiteral("row06"));
    ASSERT_EQ(selectedRow(*list), 60);
    EXPECT_EQ(view->itemAt(QPoint(5, 1)), view->topLevelItem(59));

    pressKey(list->Edit_Search, Qt::Key_Backspace);
    pressKey(list->Edit_Search, Qt::Key_Backspace);
    EXPECT_EQ(selectedRow(*list), 0);
    EXPECT_EQ(view->itemAt(QPoint(5, 1)), view->topLevelItem(0));
}

TEST(ListSearchStrip, ResizeMovesTheStripAndKeepsTheListAboveIt)
{
    auto list = makeList();
    list->resize(400, 250);
    EXPECT_EQ(list->ListView_SET()->geometry(), QRect(0, 0, 400, 250));
    EXPECT_EQ(list->Image_Search->pos(), QPoint(380, 236));
    EXPECT_EQ(list->Label_Search->pos(), QPoint(5, 238));
    typeText(list->ListView_SET(), QStringLiteral("a"));
    list->resize(500, 300);
    EXPECT_EQ(list->ListView_SET()->geometry(), QRect(0, 0, 500, 286));
    EXPECT_EQ(list->Edit_Search->y(), 286);
}

TEST(ListSearchColumn, WithoutAColumnNameColumnOneIsSearched)
{
    auto list = makeList();
    addRows(*list, greekNames());
    // Captions that would match if column 0 were searched.
    for (int row = 0; row < 3; ++row)
        list->ListView_SET()->topLevelItem(row)->setText(0, QStringLiteral("beta"));
    ASSERT_TRUE(list->Column_Name().isEmpty());
    typeText(list->ListView_SET(), QStringLiteral("b"));
    EXPECT_EQ(selectedRow(*list), 1);

    list->ImageClick();
    list->setColumn_Name(QStringLiteral("Szám"));
    typeText(list->ListView_SET(), QStringLiteral("2"));
    EXPECT_EQ(selectedRow(*list), 2);
    list->ImageClick();
    list->setColumn_Name(QStringLiteral("Caption"));
    typeText(list->ListView_SET(), QStringLiteral("beta"));
    EXPECT_EQ(selectedRow(*list), 0);
}

TEST(ListRows, CellsAreWrittenAndReadByColumnCaption)
{
    auto list = makeList();
    list->ListView_SET()->setColumnAlignment(1, Qt::AlignCenter);
    list->NewRow();
    QTreeWidgetItem *row = list->ListView_SET()->topLevelItem(0);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->columnCount(), 3);
    EXPECT_EQ(Qt::Alignment(row->textAlignment(1)), Qt::AlignCenter);
    EXPECT_EQ(Qt::Alignment(list->ListView_SET()->headerItem()->textAlignment(1)), Qt::AlignCenter);

    list->MaxRowEdit(QStringLiteral("Szám"), QStringLiteral("12"));
    list->MaxRowEdit(QStringLiteral("Nincs ilyen"), QStringLiteral("x"));
    EXPECT_EQ(columnTexts(*list, 0), QStringList{QString()});
    EXPECT_EQ(columnTexts(*list, 1), QStringList{QString()});
    EXPECT_EQ(columnTexts(*list, 2), QStringList{QStringLiteral("12")});

    list->NewRow();
    list->MaxRowEdit(QStringLiteral("Név"), QStringLiteral("second"));
    list->RowEdit(0, QStringLiteral("Név"), QStringLiteral("first"));
    list->RowEdit(5, QStringLiteral("Név"), QStringLiteral("nowhere"));
    EXPECT_EQ(list->ReadRow(0, QStringLiteral("Név")), QStringLiteral("first"));
    EXPECT_EQ(list->ReadRow(1, QStringLiteral("Név")), QStringLiteral("second"));
    EXPECT_EQ(list->ReadRow(1, QStringLiteral("Szám")), QString());
    EXPECT_EQ(list->ReadRow(0, QStringLiteral("Nincs ilyen")), QString());
    EXPECT_EQ(list->ReadRow(-1, QStringLiteral("Név")), QString());
    EXPECT_EQ(list->ListView_SET()->topLevelItemCount(), 2);
}

TEST(ListRows, MaxRowEditOnAnEmptyListDoesNothing)
{
    auto list = makeList();
    list->MaxRowEdit(QStringLiteral("Név"), QStringLiteral("x"));
    EXPECT_EQ(list->ListView_SET()->topLevelItemCount(), 0);
}

TEST(ListRows, SearchColumnIndexCountsFromTheFirstCell)
{
    auto list = makeList();
    EXPECT_EQ(list->Search_Oszlopindex(QStringLiteral("Caption")), -1);
    EXPECT_EQ(list->Search_Oszlopindex(QStringLiteral("Név")), 0);
    EXPECT_EQ(list->Search_Oszlopindex(QStringLiteral("Szám")), 1);
    EXPECT_EQ(list->Search_Oszlopindex(QString()), 0);
    // The last of two columns with one caption.
    list->ListView_SET()->headerItem()->setText(1, QStringLiteral("Szám"));
    EXPECT_EQ(list->Search_Oszlopindex(QStringLiteral("Szám")), 1);

    TLxListViewSearch single;
    single.ListView_SET()->setHeaderLabels({QStringLiteral("Caption")});
    EXPECT_EQ(single.Search_Oszlopindex(QStringLiteral("Név")), -1);
}
