// The pendrive window: the list from the drives, its texts and layout, and
// the choice of a file.
#include "ListViewTestSupport.h"
#include "exchange/ui/TFrm_Pendrive.h"
#include "exchange/ui/TLxListViewSearch.h"
#include "settings/LanguageTables.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace vorn::exchange;

namespace {

struct FakeDrives : DriveSource {
    QList<RemovableDrive> drives;
    QList<RemovableDrive> removableDrives() const override { return drives; }
};

QString touch(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    return path;
}

class PendriveWindowTest : public ::testing::Test {
protected:
    PendriveWindowTest() : window(host())
    {
        window.setDriveSource(drives);
        drives->drives = {{stick.path(), false}};
        file = touch(stick.filePath(QStringLiteral("run.VRN")));
    }

    ExchangeHost host()
    {
        ExchangeHost h;
        h.texts = &texts;
        h.Sajat_Dlg = [this](const QString &text, TDialog_Type) {
            messages << text;
            return drOk;
        };
        h.Add_File_List = [this](const QString &path) { queued << path; };
        return h;
    }

    TNewListView *list() const { return window.Lsv_Lista->ListView_SET(); }
    QStringList paths() const
    {
        QStringList found;
        for (int row = 0; row < list()->topLevelItemCount(); ++row)
            found << list()->topLevelItem(row)->text(1);
        std::sort(found.begin(), found.end());
        return found;
    }
    void selectRow(int row) { list()->setCurrentItem(list()->topLevelItem(row)); }

    vorn::TextTables texts = lvtest::namedTexts();
    std::shared_ptr<FakeDrives> drives = std::make_shared<FakeDrives>();
    QStringList messages;
    QStringList queued;
    QTemporaryDir stick;
    QString file;
    TFrm_Pendrive window;
};

} // namespace

TEST_F(PendriveWindowTest, ListsTheFilesOfEveryDriveWithTheWindowsTexts)
{
    QTemporaryDir second, floppy;
    QDir(stick.path()).mkpath(QStringLiteral("sub"));
    touch(stick.filePath(QStringLiteral("sub/deep.VRN")));
    QDir(stick.path()).mkpath(QStringLiteral("folder.VRN"));
    touch(second.filePath(QStringLiteral("other.vrn")));
    touch(floppy.filePath(QStringLiteral("old.VRN")));
    drives->drives = {{stick.path(), false}, {floppy.path(), true}, {second.path(), false}};

    ASSERT_TRUE(window.Scan());
    QStringList expected{file, second.filePath(QStringLiteral("other.vrn"))};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(paths(), expected);
    EXPECT_TRUE(list()->topLevelItem(0)->text(0).isEmpty());
    EXPECT_FALSE(window.Btn_Load->isEnabled());

    window.show();
    window.resize(600, 400);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("T174"));
    EXPECT_EQ(list()->headerItem()->text(1), QStringLiteral("T175"));
    EXPECT_EQ(window.Btn_Load->text(), QStringLiteral("M4"));
    EXPECT_EQ(window.Btn_Cancel->text(), QStringLiteral("T41"));
    EXPECT_EQ(list()->columnWidth(0), 0);
    EXPECT_TRUE(list()->isColumnProtected(0));
    // The buttons 14 pixels below the list, centred.
    EXPECT_EQ(window.Pan_Button->y(), window.Lsv_Lista->geometry().bottom() + 1 + 14);
    EXPECT_EQ(window.Pan_Button->x(), qRound(300 - window.Pan_Button->width() / 2.0));

    drives->drives.clear();
    EXPECT_FALSE(window.Scan());
    EXPECT_EQ(list()->topLevelItemCount(), 0);
}

TEST_F(PendriveWindowTest, LoadNeedsARowAndAFileThatStillExists)
{
    ASSERT_TRUE(window.Scan());
    window.show();
    window.Btn_LoadClick();
    EXPECT_EQ(messages, QStringList{QStringLiteral("E30")});

    selectRow(0);
    EXPECT_TRUE(window.Btn_Load->isEnabled());
    QFile::remove(file);
    window.Btn_Load->click();
    EXPECT_EQ(messages, (QStringList{QStringLiteral("E30"), QStringLiteral("E31")}));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(queued.isEmpty());

    touch(file);
    window.Btn_Load->click();
    EXPECT_EQ(queued, QStringList{file});
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(PendriveWindowTest, DoubleClickOnARowLoadsIt)
{
    ASSERT_TRUE(window.Scan());
    window.show();
    QWidget *viewport = list()->viewport();
    const QPoint at = list()->visualItemRect(list()->topLevelItem(0)).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
    EXPECT_EQ(queued, QStringList{file});
    EXPECT_FALSE(window.isVisible());
}
