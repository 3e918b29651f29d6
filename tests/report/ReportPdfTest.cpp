// The report as PDF, read back by poppler's tools: pages, texts, colours; and
// `vornctl report` as a lab scripts it.
#include "ReportTestSupport.h"

#include "measurement/MeasurementWriter.h"
#include "report/ReportBuild.h"
#include "report/ReportDataFiles.h"
#include "settings/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vorn::report;
using reporttest::pdfPage;
using reporttest::pdfPages;
using reporttest::pdfText;
using reporttest::periodRecord;
using reporttest::texts;

namespace {

// Template units (1/96 inch) of the results frame on page 1, from the paper's
// top-left corner: 10 mm margin, the band 5 mm below it.
const QRectF kResultsFrame(37.8 + 364, 37.8 + 18.9 + 708, 338, 288);

QRect onPage(const QRectF &units, int dpi)
{
    const double f = dpi / 96.0;
    return QRectF(units.x() * f, units.y() * f, units.width() * f, units.height() * f).toRect();
}

class ReportPdfTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString write(const TFile_Datas &record, const QString &name, bool blackWhite = false)
    {
        RecordReportOptions options;
        options.colors = {vorn::kDefaultColors._c2, vorn::kDefaultColors._c5, vorn::kDefaultColors._c6,
                          vorn::kDefaultColors._c8};
        options.blackWhite = blackWhite;
        const QString path = dir.filePath(name);
        const RecordReportResult result = writeRecordReport(record, texts(), data(), options, path);
        EXPECT_TRUE(result.ok()) << result.error.toStdString();
        return path;
    }
    ReportDataFiles data() const { return ReportDataFiles(dir.filePath(QStringLiteral("DATA"))); }

    QTemporaryDir dir;
};

TEST_F(ReportPdfTest, PeriodLinesDecideThePageCount)
{
    EXPECT_EQ(pdfPages(write(periodRecord(16), QStringLiteral("16.pdf"))), 1);
    EXPECT_EQ(pdfPages(write(periodRecord(17), QStringLiteral("17.pdf"))), 2);
    const QString long200 = write(periodRecord(200), QStringLiteral("200.pdf"));
    EXPECT_EQ(pdfPages(long200), 3);
    const QString text = pdfText(long200);
    // The headings of the extra pages are in the report's language.
    EXPECT_TRUE(text.contains(texts().Text_List(147) + QStringLiteral(" 2")));
    EXPECT_TRUE(text.contains(texts().Text_List(147) + QStringLiteral(" 3")));
}

TEST_F(ReportPdfTest, TextHoldsTheFilledFieldsAndNoDesignedPlaceholder)
{
    TFile_Datas record = periodRecord(4);
    record.MVN = QStringLiteral("Kovács Anna");
    record.MHM = QStringLiteral("VT-200 tester");
    record.Megj = QStringLiteral("Cell 3 warm\r\nsecond line");
    const QString text = pdfText(write(record, QStringLiteral("r.pdf")));
    for (const QString &expected :
         {QStringLiteral("Kovács Anna"), QStringLiteral("VT-200 tester"), QStringLiteral("second line"),
          texts().Text_List(111), texts().Text_List(139), texts().Text_List(101),
          texts().Text_List(164) + QStringLiteral(" (ver 5.0.0.9)"), texts().Text_List(31) + QStringLiteral(" 2,5 A"),
          QStringLiteral("VORN ")})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    for (const QString &placeholder :
         {QStringLiteral("-----------"), QStringLiteral("2099.99.99"), QStringLiteral("x.x.x.x"),
          QStringLiteral("Mérési"), QStringLiteral("Mérés")})
        EXPECT_FALSE(text.contains(placeholder)) << placeholder.toStdString();
}

TEST_F(ReportPdfTest, VerdictPrintsGreenOrRed)
{
    const int dpi = 60;
    const QRect frame = onPage(kResultsFrame, dpi);
    // Fifteen period lines and the summary: the verdict still prints inside the frame.
    const QImage passed = pdfPage(write(periodRecord(20, 95), QStringLiteral("pass.pdf")), 1, dpi).copy(frame);
    const QImage failed = pdfPage(write(periodRecord(4, 50), QStringLiteral("fail.pdf")), 1, dpi).copy(frame);
    EXPECT_GT(reporttest::pixelsNear(passed, QColor(0, 128, 0)), 10);
    EXPECT_EQ(reporttest::pixelsNear(passed, QColor(255, 0, 0)), 0);
    EXPECT_GT(reporttest::pixelsNear(failed, QColor(255, 0, 0)), 10);
    EXPECT_EQ(reporttest::pixelsNear(failed, QColor(0, 128, 0)), 0);
}

TEST_F(ReportPdfTest, BlackAndWhiteReportHasNoColouredPixel)
{
    QImage logo(120, 60, QImage::Format_RGB32);
    logo.fill(QColor(220, 40, 40));
    ASSERT_TRUE(data().writeLogo(logo));
    ASSERT_TRUE(data().writeCompany("{\\rtf1\\ansi{\\colortbl;\\red0\\green0\\blue255;}\\cf1 Blue Ltd.\\par}"));

    const QString colour = write(periodRecord(4), QStringLiteral("colour.pdf"));
    EXPECT_GT(reporttest::colouredPixels(pdfPage(colour, 1)), 1000);
    const QString grey = write(periodRecord(4), QStringLiteral("grey.pdf"), true);
    EXPECT_EQ(reporttest::colouredPixels(pdfPage(grey, 1)), 0);
    EXPECT_TRUE(pdfText(grey).contains(QStringLiteral("Blue Ltd.")));
}

// ---- vornctl report ---------------------------------------------------------------

// vornctl in a program folder of its own: the shipped language file and an
// empty DATA folder beside it.
class VornctlReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QFile::copy(QStringLiteral(VORN_BIN_DIR "/vornctl"), program()));
        ASSERT_TRUE(QFile::copy(QStringLiteral(VORN_BIN_DIR "/Language.ini"), dir.filePath(QStringLiteral("Language.ini"))));
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("DATA")));
    }
    QString program() const { return dir.filePath(QStringLiteral("vornctl")); }
    QString measurement(const TFile_Datas &record)
    {
        const QString path = dir.filePath(QStringLiteral("m.VRN"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(vorn::measurement::writeMeasurement(record));
        return path;
    }
    int report(const QStringList &args, QByteArray *errors = nullptr)
    {
        int code = -1;
        reporttest::run(program(), QStringList{QStringLiteral("report")} + args, &code, errors);
        return code;
    }

    QTemporaryDir dir;
};

TEST_F(VornctlReportTest, WritesTheReportAndLeavesDataAlone)
{
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    ASSERT_EQ(report({measurement(periodRecord(20)), pdf, QStringLiteral("--lang"), QStringLiteral("German"),
                      QStringLiteral("--legend")}),
              0);
    EXPECT_EQ(pdfPages(pdf), 2);
    const vorn::TextTables german =
        vorn::loadLanguageSection(QStringLiteral(VORN_BIN_DIR "/"), QStringLiteral("German"));
    EXPECT_TRUE(pdfText(pdf).contains(german.Text_List(111)));
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("DATA"))).isEmpty());
}

TEST_F(VornctlReportTest, RejectedMeasurementUnwritablePdfAndUsage)
{
    QByteArray errors;
    TFile_Datas one = periodRecord(1);
    one.Meres_Datas.resize(1);
    EXPECT_EQ(report({measurement(one), dir.filePath(QStringLiteral("x.pdf"))}, &errors), 1);
    EXPECT_TRUE(errors.contains("error 29: ")) << errors.toStdString();

    const QString blocked = dir.filePath(QStringLiteral("no/such/folder/x.pdf"));
    EXPECT_EQ(report({measurement(periodRecord(2)), blocked}, &errors), 1);
    EXPECT_TRUE(errors.contains("no/such/folder")) << errors.toStdString();

    EXPECT_EQ(report({measurement(periodRecord(2))}), 2);
    EXPECT_EQ(report({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("--colour")}), 2);
}

} // namespace
