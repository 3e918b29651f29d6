// Saving to a path: complete files only, never a damaged old one.
#include "MeasurementTestSupport.h"

#include "measurement/MeasurementWriter.h"
#include "SmallDisk.h"

#include <QDir>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace vorn::measurement::test {
namespace {

using SaveFile = MeasurementTest;

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void putFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST_F(SaveFile, WritesTheWriterBytesAndReplacesAnOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("run.VRN"));
    putFile(path, "old contents");
    const TFile_Datas record = loaded(dataFile("logo_picture.VRN"));
    const SaveResult saved = saveMeasurementFile(path, record);
    ASSERT_TRUE(saved.ok) << saved.errorText.toStdString();
    EXPECT_EQ(contents(path), writeMeasurement(record));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("run.VRN")});
}

TEST_F(SaveFile, ParentThatIsAFileFailsWithPathAndReason)
{
    QTemporaryDir dir;
    putFile(dir.filePath(QStringLiteral("plain")), "x");
    const QString path = dir.filePath(QStringLiteral("plain/run.VRN"));
    const SaveResult saved = saveMeasurementFile(path, loaded(dataFile("worked_example.VRN")));
    EXPECT_FALSE(saved.ok);
    EXPECT_TRUE(saved.errorText.startsWith(QDir::toNativeSeparators(path) + QLatin1StringView(": ")));
    EXPECT_GT(saved.errorText.size(), path.size() + 2);
}

TEST_F(SaveFile, WriteFailingHalfwayLeavesTheOldFileUntouched)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("run.VRN"));
    putFile(path, "old contents");
    const TFile_Datas record = loaded(dataFile("logo_picture.VRN")); // about 100 KB
    // A disk that fills up: files may not grow beyond 4 KB for a moment.
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const SaveResult saved = saveMeasurementFile(path, record);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved.ok);
    EXPECT_TRUE(saved.errorText.contains(QDir::toNativeSeparators(path)));
    EXPECT_EQ(contents(path), "old contents");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("run.VRN")});
}

TEST_F(SaveFile, FullDiskNamesTheReasonAndKeepsTheOldFile)
{
    const vorn::test::SmallDisk disk("1m");
    if (!disk.mounted())
        GTEST_SKIP() << "no right to mount a small tmpfs here";
    const QString path = disk.filePath(QStringLiteral("run.VRN"));
    const TFile_Datas small = loaded(dataFile("worked_example.VRN"));
    ASSERT_TRUE(saveMeasurementFile(path, small).ok);
    TFile_Datas big = small;
    big.Meres_Datas.assign(150000, small.Meres_Datas.front()); // about 2 MB

    const SaveResult saved = saveMeasurementFile(path, big);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.errorText.toStdString(), (path + QStringLiteral(": No space left on device")).toStdString());
    EXPECT_EQ(contents(path), writeMeasurement(small));
    EXPECT_EQ(QDir(disk.filePath({})).entryList(QDir::Files), QStringList{QStringLiteral("run.VRN")});
}

TEST_F(SaveFile, ReadOnlyFolderFailsAndKeepsTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into read-only folders";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("run.VRN"));
    putFile(path, "old contents");
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const SaveResult saved = saveMeasurementFile(path, loaded(dataFile("worked_example.VRN")));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                          | QFileDevice::ExeOwner);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(contents(path), "old contents");
}

} // namespace
} // namespace vorn::measurement::test
