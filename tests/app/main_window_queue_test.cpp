// The file-open queue: what gets queued, the order and pace of opening, the
// windows that must be active, the re-entry guard, and dropped files.
#include "app/SingleInstance.h"
#include "app/ui/TFrm_Main.h"
#include "exchange/ui/TFrm_Pendrive.h"
#include "exchange/ui/TLxListViewSearch.h"
#include "measurement/DosDateTime.h"
#include "shell_test_support.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QPushButton>
#include <QFile>
#include <QMimeData>
#include <QTimer>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <stdexcept>

namespace {

class QueueTest : public ::testing::Test {
protected:
    QueueTest()
    {
        TFrm_MainTestAccess::setLoader(main, [this](TFrm_Main &, const QString &path) {
            loaded << path;
            if (duringLoad)
                duringLoad(path);
        });
        TFrm_MainTestAccess::setActiveForm(main, [this] { return active; });
    }

    QString file(const QString &name, const QByteArray &bytes = "x")
    {
        folder.writeFile(name, bytes);
        return folder.path() + name;
    }

    shelltest::ProgramFolder folder;
    TFrm_Main main;
    QWidget *active = &main;
    QStringList loaded;
    std::function<void(const QString &)> duringLoad;
};

TEST_F(QueueTest, TheNewestPathOpensFirstOnePerTick)
{
    main.Add_File_List(QStringLiteral("/a.VRN"));
    main.Add_File_List(QStringLiteral("/b.VRN"));
    main.Add_File_List(QStringLiteral("/c.VRN"));
    main.Time_LFFTimer();
    EXPECT_EQ(loaded, QStringList{QStringLiteral("/c.VRN")});
    main.Time_LFFTimer();
    main.Time_LFFTimer();
    main.Time_LFFTimer();
    EXPECT_EQ(loaded, (QStringList{QStringLiteral("/c.VRN"), QStringLiteral("/b.VRN"),
                                   QStringLiteral("/a.VRN")}));
    EXPECT_TRUE(main.Load_File_List.isEmpty());
    EXPECT_TRUE(main.Time_LFF->isActive());
    EXPECT_FALSE(main.Is_LFL_Used);
}

TEST_F(QueueTest, NothingOpensWhileAnotherWindowIsActive)
{
    main.Add_File_List(QStringLiteral("/a.VRN"));
    QWidget settingsDialog;
    active = &settingsDialog;
    main.Time_LFFTimer();
    active = nullptr;
    main.Time_LFFTimer();
    EXPECT_TRUE(loaded.isEmpty());

    active = &main;
    main.Time_LFFTimer();
    EXPECT_EQ(loaded, QStringList{QStringLiteral("/a.VRN")});
}

TEST(QueueActiveFormTest, QueueRunsWhileTheProgramIsInTheBackgroundButNotUnderAModalDialog)
{
    shelltest::ProgramFolder folder;
    TFrm_Main main;
    QStringList loaded;
    TFrm_MainTestAccess::setLoader(main, [&](TFrm_Main &, const QString &p) { loaded << p; });
    main.show();
    main.Add_File_List(QStringLiteral("/a.VRN"));

    QDialog modal(&main);
    QTimer::singleShot(0, [&] {
        main.Time_LFFTimer();
        modal.reject();
    });
    modal.exec();
    EXPECT_TRUE(loaded.isEmpty());

    // No window of the program is active (nothing activates them here, as when
    // the user works in another program): the main window counts.
    main.Time_LFFTimer();
    EXPECT_EQ(loaded, QStringList{QStringLiteral("/a.VRN")});
}

TEST_F(QueueTest, ATickDuringALoadDoesNothing)
{
    main.Add_File_List(QStringLiteral("/a.VRN"));
    main.Add_File_List(QStringLiteral("/b.VRN"));
    duringLoad = [this](const QString &) {
        EXPECT_TRUE(main.Is_LFL_Used);
        EXPECT_FALSE(main.Time_LFF->isActive());
        main.Time_LFFTimer(); // as if nested event processing delivered a tick
    };
    main.Time_LFFTimer();
    EXPECT_EQ(loaded, QStringList{QStringLiteral("/b.VRN")});
    EXPECT_EQ(main.Load_File_List, QStringList{QStringLiteral("/a.VRN")});
}

TEST_F(QueueTest, APathQueuedDuringALoadIsKept)
{
    main.Add_File_List(QStringLiteral("/a.VRN"));
    duringLoad = [this](const QString &path) {
        if (path == QStringLiteral("/a.VRN"))
            main.Add_File_List(QStringLiteral("/handed-over.VRN"));
    };
    main.Time_LFFTimer();
    main.Time_LFFTimer();
    main.Time_LFFTimer();
    EXPECT_EQ(loaded, (QStringList{QStringLiteral("/a.VRN"), QStringLiteral("/handed-over.VRN")}));
}

TEST_F(QueueTest, AFailedLoadStillLeavesTheQueueRunning)
{
    main.Add_File_List(QStringLiteral("/a.VRN"));
    main.Add_File_List(QStringLiteral("/b.VRN"));
    TFrm_MainTestAccess::setLoader(main, [this](TFrm_Main &, const QString &path) {
        loaded << path;
        throw std::runtime_error("broken");
    });
    TFrm_Dialog::setTestHook([](TFrm_Dialog &dialog) { dialog.Btn_OK->click(); });
    main.Time_LFFTimer();
    TFrm_Dialog::setTestHook({});
    EXPECT_FALSE(main.Is_LFL_Used);
    EXPECT_TRUE(main.Time_LFF->isActive());
    EXPECT_EQ(main.Load_File_List, QStringList{QStringLiteral("/a.VRN")});
}

TEST_F(QueueTest, TheTimerOpensQueuedFilesOnceStarted)
{
    main.Time_LFF->setInterval(5);
    main.Add_File_List(QStringLiteral("/a.VRN"));
    main.Add_File_List(QStringLiteral("/b.VRN"));
    main.Time_LFF->start();
    shelltest::waitUntil([this] { return loaded.size() >= 2; });
    EXPECT_EQ(loaded, (QStringList{QStringLiteral("/b.VRN"), QStringLiteral("/a.VRN")}));
}

TEST_F(QueueTest, AddingAPathRecordsTheFilesDateOrMinusOne)
{
    const QString existing = file(QStringLiteral("dated.VRN"));
    QFile handle(existing);
    ASSERT_TRUE(handle.open(QIODevice::ReadWrite));
    ASSERT_TRUE(handle.setFileTime(QDateTime(QDate(2021, 6, 15), QTime(10, 30, 42)),
                                   QFileDevice::FileModificationTime));
    handle.close();

    main.Add_File_List(existing);
    EXPECT_EQ(main.fileDate_report, vorn::measurement::dosFileDateTime(existing));
    EXPECT_EQ(main.fileDate_report, (((2021 - 1980) << 25) | (6 << 21) | (15 << 16)
                                     | (10 << 11) | (30 << 5) | (42 / 2)));

    // Nothing is checked here: a missing path is queued, its date is -1.
    main.Add_File_List(folder.path() + QStringLiteral("missing.VRN"));
    EXPECT_EQ(main.fileDate_report, -1);
    EXPECT_EQ(main.Load_File_List.size(), 2);
}

TEST_F(QueueTest, OnlyAnExistingFileEndingInUpperCaseVrnIsTakenFromTheCommandLine)
{
    const QString good = file(QStringLiteral("run.VRN"));
    const QString lower = file(QStringLiteral("run.vrn"));
    const QString other = file(QStringLiteral("run.VRN.txt"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder.VRN")));

    for (const QString &rejected : {QString(), lower, other, folder.path() + QStringLiteral("folder.VRN"),
                                    folder.path() + QStringLiteral("missing.VRN")})
        main.Load_From_Params(rejected);
    EXPECT_TRUE(main.Load_File_List.isEmpty());

    main.Load_From_Params(good);
    EXPECT_EQ(main.Load_File_List, QStringList{good});
}

TEST_F(QueueTest, DroppedMeasurementFilesAreQueued)
{
    const QString a = file(QStringLiteral("a.VRN"));
    const QString b = file(QStringLiteral("b.vrn"));
    const QString text = file(QStringLiteral("notes.txt"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(text), QUrl::fromLocalFile(b)});

    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&main, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&main, &drop);
    EXPECT_EQ(main.Load_File_List, (QStringList{a, b}));

    QMimeData textOnly;
    textOnly.setUrls({QUrl::fromLocalFile(text)});
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &textOnly, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&main, &refused);
    EXPECT_FALSE(refused.isAccepted());
}

// A later copy's hand-over, sent from another thread while this one serves
// the main window's end.
SingleInstance::SendResult handOver(const QString &folder, const QString &path)
{
    auto sent = std::async(std::launch::async, [&] {
        return SingleInstance::SendData(SingleInstance::socketPath(folder), path);
    });
    shelltest::waitUntil([&] {
        return sent.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    });
    return sent.get();
}

TEST_F(QueueTest, AHandedOverPathIsQueuedOnlyByACopyShowingTheMarker)
{
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv(SingleInstance::kRuntimeFolderVariable, runtime.path().toLocal8Bit());
    ASSERT_TRUE(main.startHandOver());

    // Before the start-up has set the caption, nothing is taken.
    EXPECT_EQ(handOver(runtime.path(), QStringLiteral("/early.VRN")),
              SingleInstance::SendResult::NoMarker);
    EXPECT_TRUE(main.Load_File_List.isEmpty());

    main.setBaseCaption(SingleInstance::kInstanceMarker.toString());
    const QString path = folder.path() + QStringLiteral("handed.VRN");
    EXPECT_EQ(handOver(runtime.path(), path), SingleInstance::SendResult::Delivered);
    EXPECT_EQ(main.Load_File_List, QStringList{path});
    EXPECT_EQ(main.fileDate_report, -1);
    qunsetenv(SingleInstance::kRuntimeFolderVariable);
}

struct FakeDrives : vorn::exchange::DriveSource {
    QList<vorn::exchange::RemovableDrive> drives;
    QList<vorn::exchange::RemovableDrive> removableDrives() const override { return drives; }
};

TEST_F(QueueTest, ThePendriveButtonShowsTheListOnlyWithFilesAndQueuesTheChoice)
{
    auto drives = std::make_shared<FakeDrives>();
    TFrm_Pendrive pendrive(main.exchangeHost(), &main);
    pendrive.setDriveSource(drives);
    main.setPendrive(&pendrive);

    // No stick: no window, no message.
    main.Btn_PenDriveClick();
    EXPECT_FALSE(main.Talalat);
    EXPECT_FALSE(pendrive.isVisible());

    QTemporaryDir stick;
    const QString path = QDir(stick.path()).filePath(QStringLiteral("run.VRN"));
    QFile(path).open(QIODevice::WriteOnly);
    drives->drives = {{stick.path(), false}};
    main.Add_File_List(QStringLiteral("/queued.VRN"));
    QTimer::singleShot(0, [&] {
        // The modal pendrive window counts as a window the queue serves.
        active = QApplication::activeModalWidget();
        EXPECT_EQ(active, &pendrive);
        main.Time_LFFTimer();
        TNewListView *list = pendrive.Lsv_Lista->ListView_SET();
        list->setCurrentItem(list->topLevelItem(0));
        pendrive.Btn_Load->click();
        if (pendrive.isVisible())
            pendrive.reject();
    });
    main.Btn_PenDriveClick();
    EXPECT_TRUE(main.Talalat);
    EXPECT_EQ(loaded, QStringList{QStringLiteral("/queued.VRN")});
    EXPECT_EQ(main.Load_File_List, QStringList{path});
    EXPECT_FALSE(main.Time_Pendrive->isActive());
}

} // namespace
