// The whole road of a double-clicked file while the program runs: a second
// real process hands its file to the running main window, which queues it
// and opens it in a new graph window.
#include "app/SingleInstance.h"
#include "app/ui/TFrm_Main.h"
#include "graph/ui/TFrm_Graph.h"
#include "shell_test_support.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(HandOverToWindow, ASecondProcessOpensItsFileInTheRunningProgram)
{
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv(SingleInstance::kRuntimeFolderVariable, runtime.path().toLocal8Bit());

    // This process is the running copy: it holds the lock and listens.
    SingleInstance::InstanceLock lock;
    ASSERT_EQ(lock.tryAcquire(SingleInstance::lockFilePath(runtime.path())),
              SingleInstance::InstanceLock::State::Acquired);
    shelltest::ProgramFolder folder;
    TFrm_Main main;
    main.Set_Language();
    main.setBaseCaption(SingleInstance::kInstanceMarker.toString());
    TFrm_MainTestAccess::setActiveForm(main, [&main] { return &main; });
    ASSERT_TRUE(main.startHandOver());

    const QString measurement = folder.path() + QStringLiteral("handed over.VRN");
    ASSERT_TRUE(QFile::copy(QStringLiteral(VORN_SOURCE_DIR "/tests/measurement/data/demo_short.VRN"),
                            measurement));

    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(SingleInstance::kRuntimeFolderVariable), runtime.path());
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(HANDOVER_CLIENT),
                 {QStringLiteral("--pause-ms"), QStringLiteral("0"), QStringLiteral("decide"), measurement});

    // The hand-over reaches the queue while the second copy waits for its answer.
    ASSERT_TRUE(shelltest::waitUntil([&] { return !main.Load_File_List.isEmpty(); }, 15000));
    EXPECT_EQ(main.Load_File_List, QStringList{measurement});
    ASSERT_TRUE(shelltest::waitUntil([&] { return second.state() == QProcess::NotRunning; }, 15000));
    EXPECT_EQ(second.exitCode(), 11) << "the second copy handed over and ended";

    main.Time_LFFTimer();
    ASSERT_TRUE(shelltest::waitUntil([&] { return main.graphWindows().size() == 1; }));
    EXPECT_EQ(main.graphWindows().front()->windowTitle(), QStringLiteral("handed over.VRN"));
    EXPECT_TRUE(main.Load_File_List.isEmpty());
    EXPECT_GT(main.graphWindows().front()->File_Datas.Meres_Datas.size(), 2u);
    qunsetenv(SingleInstance::kRuntimeFolderVariable);
}
