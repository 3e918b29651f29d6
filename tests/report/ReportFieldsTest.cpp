// The report's fields from the measurement and the DATA files: results with
// and without a verdict, the 15-line rule, identification lines, the logo and
// the company block.
#include "ReportTestSupport.h"

#include "report/ReportDataFiles.h"
#include "report/ReportFields.h"
#include "report/RichText.h"
#include "settings/AnsiCodePage.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace vorn::report;
using reporttest::periodRecord;
using reporttest::texts;

namespace {

class ReportFieldsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    ReportDataFiles files() const { return ReportDataFiles(dir.path()); }
    ReportFields fill(TFile_Datas &record) const { return fillReportFields(record, texts(), files(), 0); }
    void writeData(const QString &name, const QByteArray &bytes) const
    {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir;
};

TEST_F(ReportFieldsTest, VerdictPassesOnlyAboveTheThreshold)
{
    TFile_Datas pass = periodRecord(2, 81);
    const ReportFields passed = fill(pass);
    EXPECT_TRUE(passed.Is_Accepted);
    EXPECT_EQ(passed.REdt_results.last(), texts().Text_List(139));
    EXPECT_EQ(passed.REdt_results.at(passed.REdt_results.size() - 2), texts().Text_List(138));

    TFile_Datas equal = periodRecord(2, 80);
    const ReportFields failed = fill(equal);
    EXPECT_FALSE(failed.Is_Accepted);
    EXPECT_EQ(failed.verdict, vorn::graph::Verdict::Fail);
    EXPECT_EQ(failed.REdt_results.last(), texts().Text_List(140));
}

TEST_F(ReportFieldsTest, WithoutThresholdThereIsNoVerdict)
{
    TFile_Datas record = periodRecord(2);
    record.Minosit_szaz = -1;
    const ReportFields fields = fill(record);
    EXPECT_FALSE(fields.Is_Accepted);
    EXPECT_EQ(fields.verdict, vorn::graph::Verdict::None);
    EXPECT_FALSE(fields.REdt_results.contains(texts().Text_List(138)));
    EXPECT_TRUE(fields.REdt_results.last().startsWith(texts().Text_List(137)));
    // The threshold's parameter line goes with it.
    EXPECT_EQ(fields.Mem_params.filter(texts().Text_List(151)).size(), 0);
}

TEST_F(ReportFieldsTest, ResultsKeepTheLastFifteenPeriodsTheFullListKeepsAll)
{
    TFile_Datas record = periodRecord(20);
    const ReportFields fields = fill(record);
    ASSERT_EQ(fields.RichEdit1.size(), 20);
    // Periods 6 to 20, then a blank line and the summary.
    EXPECT_EQ(fields.REdt_results.first(), fields.RichEdit1.at(5));
    EXPECT_EQ(fields.REdt_results.at(14), fields.RichEdit1.at(19));
    EXPECT_EQ(fields.REdt_results.at(15), QStringLiteral(" "));
}

TEST_F(ReportFieldsTest, NumbersUseTheDecimalComma)
{
    TFile_Datas record = periodRecord(2);
    const ReportFields fields = fill(record);
    EXPECT_TRUE(fields.Mem_params.contains(texts().Text_List(31) + QStringLiteral(" 2,5 A")));
    EXPECT_TRUE(fields.REdt_results.contains(texts().Text_List(146) + QStringLiteral(" 12,75 V")));
}

TEST_F(ReportFieldsTest, BlankIdentificationTakesTheDefaultLines)
{
    writeData(QStringLiteral("vorn2.rtf"), vorn::codepage::encodeAnsi(u"Kovács Anna\r\nLab 2\r\n"));
    TFile_Datas blank = periodRecord(2);
    blank.MVN = QStringLiteral("  ");
    blank.MH = QStringLiteral(" ");
    blank.MDT.clear();
    const ReportFields fields = fill(blank);
    EXPECT_EQ(fields.Edt_Name, QStringLiteral("Kovács Anna"));
    EXPECT_EQ(fields.Edt_Locate, QStringLiteral("Lab 2"));
    // The file's missing lines fill with empty text.
    EXPECT_EQ(fields.Edt_Hardvare, QString());
    EXPECT_EQ(fields.Edt_DateTime, QString());

    TFile_Datas dated = periodRecord(2);  // only MDT set
    const ReportFields own = fill(dated);
    EXPECT_EQ(own.Edt_Name, QString());
    EXPECT_EQ(own.Edt_DateTime, dated.MDT);
}

TEST_F(ReportFieldsTest, IdentificationLinesSurviveWritingAndReading)
{
    // A Central European system, whose ANSI code page holds "ő".
    const QByteArray system = vorn::codepage::ansiCodePage();
    vorn::codepage::setAnsiCodePage("windows-1250");
    const QStringList lines{QStringLiteral(" Kovács "), QStringLiteral("Győr"), QString(),
                            QStringLiteral("2024.05.14")};
    ASSERT_TRUE(files().writeIdentification(lines));
    QFile written(files().identificationPath());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), vorn::codepage::encodeAnsi(u" Kovács \r\nGyőr\r\n\r\n2024.05.14\r\n"));
    EXPECT_EQ(files().readIdentification(), lines);
    vorn::codepage::setAnsiCodePage(system);
}

TEST_F(ReportFieldsTest, DataFilesAreWrittenIntoAFolderCreatedOnDemand)
{
    const ReportDataFiles nested(dir.filePath(QStringLiteral("new/DATA")));
    QString error;
    EXPECT_TRUE(nested.writeCompany("{\\rtf1 x}", &error)) << error.toStdString();
    EXPECT_EQ(nested.readCompany(), QByteArray("{\\rtf1 x}"));

    // A file standing where the folder should be: the path and the reason.
    writeData(QStringLiteral("blocked"), "x");
    const ReportDataFiles blocked(dir.filePath(QStringLiteral("blocked")));
    EXPECT_FALSE(blocked.writeIdentification({}, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("blocked"))) << error.toStdString();
}

TEST_F(ReportFieldsTest, LogoFromTheDataFolderGoesIntoTheMeasurement)
{
    QImage logo(100, 40, QImage::Format_RGB32);
    logo.fill(QColor(200, 30, 30));
    ASSERT_TRUE(files().writeLogo(logo));
    TFile_Datas record = periodRecord(2);
    const ReportFields fields = fill(record);
    EXPECT_TRUE(fields.logoTakenFromFile);
    EXPECT_EQ(fields.logo.size(), QSize(100, 40));
    EXPECT_TRUE(record.Use_Kep);
    ASSERT_EQ(record.Kep.image().size(), kLogoSize);
    EXPECT_EQ(record.Kep.image().pixelColor(0, 0), QColor(200, 30, 30));
    EXPECT_EQ(record.Kep.image().pixelColor(150, 80), QColor(Qt::white));

    // A measurement with its own logo keeps it.
    TFile_Datas own = periodRecord(2);
    QImage mine(30, 30, QImage::Format_RGB32);
    mine.fill(Qt::blue);
    own.Kep.setImage(mine);
    own.Use_Kep = true;
    EXPECT_EQ(fill(own).logo.size(), QSize(30, 30));

    ASSERT_TRUE(files().removeLogo());
    TFile_Datas none = periodRecord(2);
    EXPECT_TRUE(fill(none).logo.isNull());
    EXPECT_FALSE(none.Use_Kep);
}

TEST_F(ReportFieldsTest, EmptyCompanyBlockGetsTheGreyCentredPlaceholder)
{
    QTextDocument document;
    loadCompanyBlock(document, QByteArray(), texts());
    EXPECT_EQ(document.toPlainText(), u'\n' + texts().Text_List(100));
    const QTextBlock last = document.lastBlock();
    EXPECT_EQ(last.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextCharFormat format = last.begin().fragment().charFormat();
    EXPECT_EQ(format.foreground().color(), QColor(128, 128, 128));
    EXPECT_EQ(format.fontWeight(), QFont::Bold);
    EXPECT_EQ(format.fontPointSize(), 11);

    loadCompanyBlock(document, writeRtf(document), texts());
    EXPECT_EQ(document.toPlainText(), u'\n' + texts().Text_List(100)) << "the placeholder is not doubled";
}

} // namespace
