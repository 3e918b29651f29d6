// The spreadsheet export as a spreadsheet program sees it (read back with
// openpyxl), the layer under it, and its failures.
#include "ExportTestSupport.h"
#include "exchange/CellAddress.h"
#include "exchange/SampleExport.h"
#include "exchange/SpreadsheetAutomation.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cmath>

#include <gtest/gtest.h>

using namespace vorn::exchange;

namespace {

QJsonObject cellOf(const QJsonObject &sheet, const char *row, int column)
{
    return sheet[QLatin1String(row)].toArray()[column].toObject();
}

QStringList sheetNames(const QJsonArray &sheets)
{
    QStringList names;
    for (const QJsonValue &sheet : sheets)
        names << sheet[QLatin1String("name")].toString();
    return names;
}

class ExportTest : public ::testing::Test {
protected:
    QString target(const QString &name = QStringLiteral("out.xlsx")) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

} // namespace

TEST(CellNames, ReadAndBuiltLikeTheSpreadsheetProgram)
{
    EXPECT_EQ(parseCellName(u"A1"), (CellPosition{0, 0}));
    EXPECT_EQ(parseCellName(u"d60001"), (CellPosition{60000, 3}));
    EXPECT_EQ(parseCellName(u"XFD1048576"), (CellPosition{1048575, 16383}));
    for (const char16_t *bad : {u"", u"A", u"1", u"A0", u"A01", u"1A", u"AAAA1", u"XFE1", u"A1048577", u"A1 "})
        EXPECT_FALSE(parseCellName(bad).has_value()) << QString::fromUtf16(bad).toStdString();
    EXPECT_EQ(CellName(u'D', 60001).view(), u"D60001");
    EXPECT_EQ(CellName(27, 1).view(), u"AB1");
    EXPECT_EQ(CellName(16383, 1048576).view(), u"XFD1048576");
}

TEST(ExportNames, FileAndSheetNames)
{
    EXPECT_EQ(defaultExportName(QDateTime(QDate(2024, 5, 14), QTime(9, 30, 59))),
              QStringLiteral("merexp 240514_0930"));
    EXPECT_EQ(exportTargetPath(QStringLiteral("/data/result.csv")), QStringLiteral("/data/result.xlsx"));
    EXPECT_EQ(exportTargetPath(QStringLiteral("/a.b/run.final.txt")), QStringLiteral("/a.b/run.xlsx"));
    EXPECT_EQ(exportTargetPath(QStringLiteral("/a.b/run")), QStringLiteral("/a.b/run.xlsx"));
    EXPECT_EQ(fullSheetName(10, 0, 60000), QStringLiteral("0s - 600000 s"));
    EXPECT_EQ(lastSheetName(10, 60000, 70000), QStringLiteral("600000 s - 700000 s"));
    // The time is computed in 64 bits: 3600 s x 1,000,000 samples does not wrap.
    EXPECT_EQ(lastSheetName(3600, 0, 1000000), QStringLiteral("0 s - 3600000000 s"));
}

TEST_F(ExportTest, SeventyThousandSamplesAsTheSpreadsheetProgramReadsThem)
{
    const ExportResult result = exportSamples(exporttest::sampleRun(70000, 10), target());
    ASSERT_TRUE(result.ok()) << result.reason.toStdString();
    const QJsonArray sheets = exporttest::readWorkbook(target());
    ASSERT_EQ(sheetNames(sheets), (QStringList{QStringLiteral("0s - 600000 s"), QStringLiteral("600000 s - 700000 s")}));

    const char *titles[] = {"Time (sec)", "Voltage", "Current", "Status"};
    for (const QJsonValue &value : sheets) {
        const QJsonObject sheet = value.toObject();
        for (int column = 0; column < 4; ++column) {
            const QJsonObject title = cellOf(sheet, "title", column);
            EXPECT_EQ(title[QLatin1String("v")].toString(), QLatin1String(titles[column]));
            EXPECT_TRUE(title[QLatin1String("bold")].toBool());
            EXPECT_EQ(title[QLatin1String("fill")].toString(), QStringLiteral("FF99CCFF"));
            EXPECT_FALSE(cellOf(sheet, "first", column)[QLatin1String("bold")].toBool());
            EXPECT_TRUE(cellOf(sheet, "first", column)[QLatin1String("fill")].isNull());
        }
    }
    const QJsonObject first = sheets[0].toObject();
    EXPECT_EQ(first[QLatin1String("rows")].toInt(), 60001);
    const QJsonArray types{QStringLiteral("int"), QStringLiteral("float"), QStringLiteral("float"), QStringLiteral("str")};
    const QJsonArray firstRow{0, 10.25, 2.5, QStringLiteral("Charge")};
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(cellOf(first, "first", column)[QLatin1String("v")], firstRow[column]);
        EXPECT_EQ(cellOf(first, "first", column)[QLatin1String("t")], types[column]);
    }
    // Sample 59999 closes the first sheet; sample 69999 is the last.
    EXPECT_EQ(cellOf(first, "last", 0)[QLatin1String("v")].toInt(), 599990);
    EXPECT_EQ(cellOf(first, "last", 3)[QLatin1String("v")].toString(), QStringLiteral("Discharge"));
    const QJsonObject second = sheets[1].toObject();
    EXPECT_EQ(second[QLatin1String("rows")].toInt(), 10001);
    EXPECT_EQ(cellOf(second, "first", 0)[QLatin1String("v")].toInt(), 600000);
    EXPECT_EQ(cellOf(second, "last", 0)[QLatin1String("v")].toInt(), 699990);
    EXPECT_DOUBLE_EQ(cellOf(second, "last", 1)[QLatin1String("v")].toDouble(), 10.25 + 99 * 0.01);
    EXPECT_DOUBLE_EQ(cellOf(second, "last", 2)[QLatin1String("v")].toDouble(), 2.5 + 6 * 0.125);
}

TEST_F(ExportTest, SheetBoundaries)
{
    // Exactly one full sheet: a second sheet with titles only, its name
    // starting and ending at the same time.
    ASSERT_TRUE(exportSamples(exporttest::sampleRun(60000, 1), target()).ok());
    QJsonArray sheets = exporttest::readWorkbook(target());
    EXPECT_EQ(sheetNames(sheets), (QStringList{QStringLiteral("0s - 60000 s"), QStringLiteral("60000 s - 60000 s")}));
    EXPECT_EQ(sheets[1][QLatin1String("rows")].toInt(), 1);
    EXPECT_EQ(cellOf(sheets[1].toObject(), "title", 3)[QLatin1String("v")].toString(), QStringLiteral("Status"));

    ASSERT_TRUE(exportSamples(exporttest::sampleRun(60001, 1), target()).ok());
    sheets = exporttest::readWorkbook(target());
    EXPECT_EQ(sheetNames(sheets), (QStringList{QStringLiteral("0s - 60000 s"), QStringLiteral("60000 s - 60001 s")}));
    EXPECT_EQ(sheets[1][QLatin1String("rows")].toInt(), 2);
    EXPECT_EQ(cellOf(sheets[1].toObject(), "first", 0)[QLatin1String("v")].toInt(), 60000);
}

TEST_F(ExportTest, ProgressIsReportedOnlyWhenWhatIsShownChangesAndWidthsAreSet)
{
    QList<QPair<qint64, qint64>> eleven;
    ExportSteps steps;
    steps.progress = [&](qint64 done, qint64 total) { eleven.append({done, total}); };
    ASSERT_TRUE(exportSamples(exporttest::sampleRun(11, 1), target(), steps).ok());
    ASSERT_EQ(eleven.size(), 11);
    EXPECT_EQ(eleven.first(), (QPair<qint64, qint64>{0, 10}));
    EXPECT_EQ(eleven.last(), (QPair<qint64, qint64>{10, 10}));
    // Widths 20, 20, 20 and 30 characters, as the file stores them (with the
    // padding of the default font).
    const QJsonArray sheets = exporttest::readWorkbook(target(), true);
    EXPECT_EQ(sheets[0][QLatin1String("widths")].toArray(), (QJsonArray{20.7109375, 20.7109375, 20.7109375, 30.7109375}));

    int calls = 0;
    qint64 last = -1;
    steps.progress = [&](qint64 done, qint64) { ++calls, last = done; };
    ASSERT_TRUE(exportSamples(exporttest::sampleRun(20001, 1), target(), steps).ok());
    // At most one report per pixel of the bar and per whole percent.
    EXPECT_LE(calls, 385 + 101);
    EXPECT_GE(calls, 385);
    // The last report shows the full bar.
    EXPECT_EQ(std::lround(385.0 * double(last) / 20000), 385);
}

TEST_F(ExportTest, TheLayerKeepsSheetOrderAndRefusesWhatTheProgramWouldRefuse)
{
    {
        SpreadsheetApplication excel(dir.path());
        Workbook &book = excel.WorkBooks().Add();
        EXPECT_EQ(book.WorkSheets().Count(), 0);
        Worksheet &unnamed = book.WorkSheets().Add();
        unnamed.Range(u"B3").setValue(1.5);
        Worksheet &named = book.WorkSheets().Add();
        named.setName(QStringLiteral("Run"));
        EXPECT_THROW(unnamed.setName(QStringLiteral("run")), SpreadsheetError);
        EXPECT_THROW(named.setName(QStringLiteral("a:b")), SpreadsheetError);
        EXPECT_THROW(named.Range(u"A0"), SpreadsheetError);
        EXPECT_THROW(named.Range(u"A1").setValue(std::nan("")), SpreadsheetError);
        named.Range(u"A1", u"B2").setValue(u"x");
        book.SaveAs(target(), 1);
        EXPECT_THROW(named.Range(u"A1").setValue(1), SpreadsheetError);
    }
    const QJsonArray sheets = exporttest::readWorkbook(target());
    EXPECT_EQ(sheetNames(sheets), (QStringList{QStringLiteral("Sheet1"), QStringLiteral("Run")}));
    EXPECT_EQ(sheets[1][QLatin1String("last")].toArray()[1].toObject()[QLatin1String("v")].toString(), QStringLiteral("x"));
    // Nothing is left behind in the folder but the workbook.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("out.xlsx")});
}

TEST_F(ExportTest, FailuresSayWhichKindAndLeaveTheTargetAlone)
{
    const TFile_Datas record = exporttest::sampleRun(10, 1);
    // No folder to start the workbook in.
    ExportResult result = exportSamples(record, dir.filePath(QStringLiteral("missing/out.xlsx")));
    EXPECT_EQ(result.outcome, ExportOutcome::CannotStart);
    EXPECT_TRUE(result.reason.contains(QStringLiteral("missing"))) << result.reason.toStdString();

    // A folder in the target's place cannot be replaced.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("taken.xlsx/inside")));
    EXPECT_FALSE(canReplaceExisting(target(QStringLiteral("taken.xlsx"))));
    result = exportSamples(record, target(QStringLiteral("taken.xlsx")));
    EXPECT_EQ(result.outcome, ExportOutcome::CannotReplaceTarget);
    EXPECT_TRUE(QFileInfo(target(QStringLiteral("taken.xlsx/inside"))).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});

    // More sheets than distinct names (no sampling interval): the second
    // full sheet would repeat the first one's name.
    result = exportSamples(exporttest::sampleRun(120001, 0), target());
    EXPECT_EQ(result.outcome, ExportOutcome::Failed);
    EXPECT_FALSE(QFileInfo::exists(target()));
}
