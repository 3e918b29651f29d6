// The list view's header: sorting by column click with the arrow images, and
// the columns the user cannot resize. Also a picture of a filled list.
#include "ListViewTestSupport.h"

#include "exchange/RowCompare.h"

#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

#include <gtest/gtest.h>

using namespace lvtest;

namespace {

QStringList numberTexts()
{
    return {QStringLiteral("10"), QStringLiteral("2"), QStringLiteral("33"), QStringLiteral("1")};
}

// Rows whose "Szám" holds the given texts and "Név" the texts reversed.
std::unique_ptr<TLxListViewSearch> numberList()
{
    auto list = makeList();
    for (const QString &number : numberTexts()) {
        list->NewRow();
        list->MaxRowEdit(QStringLiteral("Szám"), number);
        list->MaxRowEdit(QStringLiteral("Név"), QStringLiteral("n") + number);
    }
    list->ListView_SET()->setColumnTag(2, vorn::exchange::TagInteger);
    return list;
}

// Records the protected-column error boxes instead of showing them.
class ErrorBoxes : public ::testing::Test {
protected:
    void SetUp() override
    {
        TNewListView::setErrorBoxHook([this](const QString &text) { shown.append(text); });
    }
    void TearDown() override { TNewListView::setErrorBoxHook({}); }

    QStringList shown;
};

QString numbersText(int first, int count)
{
    QString text;
    for (int column = first; column < first + count; ++column)
        text += QString::number(column) + u';';
    return text;
}

} // namespace

TEST(ListHeaderSort, ThreeClicksSortAscendingDescendingAscending)
{
    auto list = numberList();
    list->setUse_Sort(true);
    TNewListView *view = list->ListView_SET();
    const QStringList ascending{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("10"), QStringLiteral("33")};
    const QStringList descending{QStringLiteral("33"), QStringLiteral("10"), QStringLiteral("2"), QStringLiteral("1")};
    const QList<QStringList> orders{ascending, descending, ascending};
    const int images[] = {0, 1, 0};
    for (int click = 0; click < 3; ++click) {
        clickHeader(*list, 2);
        EXPECT_EQ(columnTexts(*list, 2), orders[click]) << click;
        EXPECT_EQ(view->sortState.headerImage(2), images[click]) << click;
        EXPECT_FALSE(view->headerItem()->icon(2).isNull()) << click;
        EXPECT_TRUE(view->headerItem()->icon(1).isNull()) << click;
    }
    // The rows move whole: the name stays with its number.
    EXPECT_EQ(columnTexts(*list, 1).first(), QStringLiteral("n1"));
    // The search follows the sorted column.
    EXPECT_EQ(list->Column_Name(), QStringLiteral("Szám"));
}

TEST(ListHeaderSort, AnotherColumnTakesTheArrowAndSortsAsText)
{
    auto list = numberList();
    list->setUse_Sort(true);
    clickHeader(*list, 2);
    clickHeader(*list, 1);
    TNewListView *view = list->ListView_SET();
    EXPECT_EQ(view->sortState.headerImage(1), 0);
    EXPECT_EQ(view->sortState.headerImage(2), vorn::exchange::NoHeaderImage);
    EXPECT_TRUE(view->headerItem()->icon(2).isNull());
    EXPECT_EQ(columnTexts(*list, 1),
              (QStringList{QStringLiteral("n1"), QStringLiteral("n10"), QStringLiteral("n2"), QStringLiteral("n33")}));
}

TEST(ListHeaderSort, TheSelectedRowStaysSelectedAfterTheSort)
{
    auto list = numberList();
    list->setUse_Sort(true);
    TNewListView *view = list->ListView_SET();
    QTreeWidgetItem *three = view->topLevelItem(2); // "33"
    view->setCurrentItem(three);
    clickHeader(*list, 2);
    EXPECT_EQ(view->indexOfTopLevelItem(three), 3);
    EXPECT_EQ(selectedRow(*list), 3);
    EXPECT_EQ(view->currentItem(), three);
}

TEST(ListHeaderSort, ClicksChangeNothingWhileSortingIsOff)
{
    auto list = numberList();
    ASSERT_FALSE(list->Use_Sort());
    clickHeader(*list, 2);
    EXPECT_EQ(columnTexts(*list, 2), numberTexts());
    EXPECT_TRUE(list->ListView_SET()->headerItem()->icon(2).isNull());
    EXPECT_TRUE(list->Column_Name().isEmpty());
}

TEST(ListHeaderSort, AnUpPictureGoesInFrontOfTheHeaderImages)
{
    auto list = numberList();
    ASSERT_EQ(list->Nyilak.size(), 2);
    QPixmap picture(16, 16);
    picture.fill(Qt::green);
    list->setNyilak_Pic_Fel(picture);
    EXPECT_EQ(list->Nyilak.size(), 3);
    EXPECT_EQ(list->Nyilak.first().cacheKey(), picture.cacheKey());
    EXPECT_EQ(list->Nyilak_Pic_Fel().cacheKey(), picture.cacheKey());
    list->setUse_Sort(true);
    clickHeader(*list, 2);
    const QImage shown = list->ListView_SET()->headerItem()->icon(2).pixmap(16, 16).toImage();
    EXPECT_EQ(shown.pixelColor(8, 8), QColor(Qt::green));
}

TEST_F(ErrorBoxes, AProtectedZeroWidthColumnStaysZeroWhenDragged)
{
    auto list = makeList();
    QHeaderView *header = list->ListView_SET()->header();
    ASSERT_EQ(header->sectionSize(0), 0);
    dragDivider(*list, 0, 60);
    EXPECT_EQ(header->sectionSize(0), 0);
    EXPECT_EQ(header->sectionSize(1), 150);

    // The same gesture on an unprotected column resizes it.
    dragDivider(*list, 1, 40);
    EXPECT_EQ(header->sectionSize(1), 190);
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(ErrorBoxes, DroppingAColumnFromTheTextGivesItBackToTheUser)
{
    auto list = makeList();
    list->setColumn_resize(QStringLiteral("0;2;"));
    QHeaderView *header = list->ListView_SET()->header();
    dragDivider(*list, 2, 30);
    EXPECT_EQ(header->sectionSize(2), 80);
    EXPECT_EQ(header->sectionSize(1), 150);
    list->setColumn_resize(QStringLiteral("0;"));
    dragDivider(*list, 2, 30);
    EXPECT_EQ(header->sectionSize(2), 110);
    list->setColumn_resize(QString());
    dragDivider(*list, 0, 25);
    EXPECT_EQ(header->sectionSize(0), 25);
}

TEST_F(ErrorBoxes, TwentyOneNumbersWarnOncePerChangeAndProtectTheFirstTwenty)
{
    auto list = makeList();
    TNewListView *view = list->ListView_SET();
    QStringList captions;
    for (int column = 0; column < 22; ++column)
        captions.append(QStringLiteral("c%1").arg(column));
    view->setHeaderLabels(captions);

    const QString twentyOne = numbersText(0, 21);
    list->setColumn_resize(twentyOne);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown.first(),
              QStringLiteral("Csak 20 elem vihető fel!\rKérlek váloztasd meg 20-ra, vagy bőviteni kell a komponenst"));
    for (int column = 0; column < 20; ++column)
        EXPECT_EQ(view->header()->sectionResizeMode(column), QHeaderView::Fixed) << column;
    EXPECT_EQ(view->header()->sectionResizeMode(20), QHeaderView::Interactive);

    list->setColumn_resize(twentyOne);
    EXPECT_EQ(shown.size(), 1);
    list->setColumn_resize(numbersText(1, 21));
    EXPECT_EQ(shown.size(), 2);
    list->setColumn_resize(numbersText(0, 20));
    EXPECT_EQ(shown.size(), 2);
    EXPECT_TRUE(view->isColumnProtected(19));
}

TEST_F(ErrorBoxes, ColumnsAddedLaterAreProtectedToo)
{
    auto list = makeList();
    list->setColumn_resize(QStringLiteral("0;3;"));
    TNewListView *view = list->ListView_SET();
    view->setColumnCount(5);
    EXPECT_EQ(view->header()->sectionResizeMode(3), QHeaderView::Fixed);
    EXPECT_EQ(view->header()->sectionResizeMode(4), QHeaderView::Interactive);
}

TEST(ListPicture, FilledListWithTheSearchStripOpen)
{
    auto list = makeList();
    list->resize(360, 220);
    TNewListView *view = list->ListView_SET();
    view->setHeaderLabels({QStringLiteral("Caption"), QStringLiteral("Fájl"), QStringLiteral("Méret")});
    view->setColumnAlignment(2, Qt::AlignCenter);
    view->setColumnWidth(1, 220);
    const QStringList files{QStringLiteral("E:\\MERES001.VRN"), QStringLiteral("E:\\MERES002.VRN"),
                            QStringLiteral("E:\\TÕLTÉS_A.VRN"), QStringLiteral("F:\\KAPACITÁS.VRN"),
                            QStringLiteral("F:\\ÜZEM_12.VRN")};
    for (const QString &file : files) {
        list->NewRow();
        list->MaxRowEdit(QStringLiteral("Fájl"), file);
        list->MaxRowEdit(QStringLiteral("Méret"), QStringLiteral("%1 kB").arg(file.size() * 7));
    }
    typeIntoList(*list, QStringLiteral("e:\\tő"));
    ASSERT_EQ(selectedRow(*list), 2);

    const QImage image = list->grab().toImage();
    const QString path = QStringLiteral("/tmp/lxlistview_search.png");
    EXPECT_TRUE(image.save(path));
    const int stripMiddle = list->height() - 7;
    // Panel colour 12937777 between the edit and the close picture, the
    // white edit, and the red of the close picture.
    EXPECT_EQ(image.pixelColor(200, stripMiddle), QColor(0x31, 0x6A, 0xC5));
    EXPECT_EQ(image.pixelColor(list->Edit_Search->geometry().right() - 2, stripMiddle), QColor(Qt::white));
    const QColor close = image.pixelColor(list->Image_Search->geometry().center().x() - 3,
                                          list->Image_Search->geometry().center().y() - 3);
    EXPECT_GT(close.red(), 200);
    EXPECT_LT(close.blue(), 120);
    // Grid lines: under the first row, and at the right edge of "Fájl".
    const QRect firstRow = view->visualItemRect(view->topLevelItem(0));
    const QPoint under = view->viewport()->mapTo(list.get(), QPoint(100, firstRow.bottom()));
    EXPECT_LT(image.pixelColor(under).lightness(), 245);
    const QPoint divider = view->viewport()->mapTo(list.get(), QPoint(219, firstRow.center().y()));
    EXPECT_LT(image.pixelColor(divider).lightness(), 245);
    EXPECT_EQ(image.pixelColor(divider - QPoint(4, 0)), QColor(Qt::white));
}
