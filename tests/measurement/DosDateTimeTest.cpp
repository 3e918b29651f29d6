// Packed DOS date-time of files.
#include "measurement/DosDateTime.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vorn::measurement {
namespace {

TEST(DosDateTime, PacksDateAndTimeInTheirBitFields)
{
    const QDateTime when(QDate(2024, 3, 11), QTime(9, 20, 31));
    const int32_t expected = (44 << 25) | (3 << 21) | (11 << 16) | (9 << 11) | (20 << 5) | 15;
    EXPECT_EQ(packDosDateTime(when), expected);
    EXPECT_EQ(packDosDateTime(QDateTime(QDate(1980, 1, 1), QTime(0, 0))), (1 << 21) | (1 << 16));
    EXPECT_LT(packDosDateTime(QDateTime(QDate(2107, 12, 31), QTime(23, 59, 58))), 0); // bit 31
    EXPECT_EQ(packDosDateTime(QDateTime(QDate(1979, 12, 31), QTime(23, 0))), -1);
    EXPECT_EQ(packDosDateTime(QDateTime(QDate(2108, 1, 1), QTime(0, 0))), -1);
}

TEST(DosDateTime, FileTimeIsItsLocalModificationTime)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("run.VRN"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QDateTime when(QDate(2023, 11, 5), QTime(17, 45, 10));
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(dosFileDateTime(path), packDosDateTime(when));
    EXPECT_EQ(dosFileDateTime(dir.filePath(QStringLiteral("missing.VRN"))), -1);
    EXPECT_EQ(dosFileDateTime(dir.path()), -1);
}

} // namespace
} // namespace vorn::measurement
