// The writer's layout, formats and encoding.
#include "MeasurementTestSupport.h"

#include "measurement/FixedFormat.h"
#include "measurement/MeasurementWriter.h"

#include <random>

namespace vorn::measurement::test {
namespace {

using Writer = MeasurementTest;

TFile_Datas sampleRecord()
{
    TFile_Datas r;
    r.Meres_Datas = {{2.5, 12.84, true}, {5.0, 12.7, false}, {-2.5, 12.41, true}};
    r.MDT = QStringLiteral("2024.05.14 09:30");
    r.MH = QStringLiteral(" Győr ");
    r.MVN = QStringLiteral("Operator");
    r.Megj = QStringLiteral("first\r\nsecond");
    r.Cellaszam = 6;
    r.Kis_Aram = 2.5;
    r.DeltaM = 10;
    r.Kis_vegfesz = 10.5;
    r.Mint_ido = 60;
    r.Minosites = true;
    r.Mert_kap = 93;
    r.Meres_No = -1;
    r.Minosit_szaz = 80;
    r.N_Kapac = 60;
    r.Pass_100 = 43200;
    r.Tolt_ido = 10;
    r.U0 = 0.000001;
    r.ULekapcs = 1e20;
    r.tipus = 1;
    r.sorszam = QStringLiteral("SN-1");
    return r;
}

TEST_F(Writer, WritesTheFullLayoutInOrder)
{
    const QByteArray expected = vrn({
        u"<MEAS>", u"0\t12,84\t-2,50", u"1\t12,70\t5,00", u"2\t12,41\t--2,50",
        u"<MDT>\t2024.05.14 09:30", u"<MH>\t Győr ", u"<MVN>\tOperator",
        u"<MEGJ>", u"first", u"second", u"<\\MEGJ>", u"<RN>", u"", u"<\\RN>",
        u"<CSZ>\t6", u"<DK>\t2,5", u"<DM>\t10", u"<IKORR>\t1", u"<IOFFS>\t0", u"<KV>\t10,5",
        u"<LTM>\t1", u"<MI>\t60", u"<MIN>\tPASS", u"<MK>\t93", u"<MN>\t-1", u"<MSZ>\t80",
        u"<NK>\t60", u"<P1>\t43200", u"<TI>\t10", u"<UKORR>\t1", u"<UL>\t1E20",
        u"<UOFFS>\t0", u"<U0>\t1E-6", u"<SN>\tSN-1", u"<EOF>"});
    EXPECT_EQ(writeMeasurement(sampleRecord()), expected);
}

TEST_F(Writer, TextIsInTheAnsiCodePageWithoutMark)
{
    const QByteArray bytes = writeMeasurement(sampleRecord());
    EXPECT_TRUE(bytes.startsWith("<MEAS>\r\n"));
    EXPECT_TRUE(bytes.contains("<MH>\t Gy\xF5r \r\n")); // windows-1250
}

TEST_F(Writer, BlankValuesAreLeftOutAndFailIsWrittenForNoVerdict)
{
    TFile_Datas r = sampleRecord();
    r.MDT = QStringLiteral(" \t ");
    r.MHM = QString();
    r.Minosites = false;
    const QByteArray bytes = writeMeasurement(r);
    EXPECT_FALSE(bytes.contains("<MDT>"));
    EXPECT_FALSE(bytes.contains("<MHM>"));
    EXPECT_FALSE(bytes.contains("<LRBZ>"));
    EXPECT_FALSE(bytes.contains("<PV>"));
    EXPECT_TRUE(bytes.contains("<MIN>\tFAIL\r\n"));
}

TEST_F(Writer, PictureBlockFollowsTheParametersAndEndsWithEof)
{
    TFile_Datas r = sampleRecord();
    EXPECT_TRUE(writeMeasurement(r).endsWith("<SN>\tSN-1\r\n<EOF>\r\n"));

    QImage image(5, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    r.Kep.setImage(image);
    r.Use_Kep = true;
    const QByteArray bmp = r.Kep.bmpFile();
    ASSERT_TRUE(bmp.startsWith("BM"));
    EXPECT_TRUE(writeMeasurement(r).endsWith("<SN>\tSN-1\r\n<Kep>\r\n" + bmp + "<EOF>\r\n"));

    // Asked to show a picture it does not have, it writes none.
    r.Kep.clear();
    EXPECT_TRUE(writeMeasurement(r).endsWith("<SN>\tSN-1\r\n<EOF>\r\n"));
}

TEST_F(Writer, KepTextWithoutPictureIsGuardedAndReopens)
{
    TFile_Datas r = sampleRecord();
    r.Megj = QStringLiteral("logo: <Kep> later");
    const QByteArray bytes = writeMeasurement(r);
    EXPECT_TRUE(bytes.endsWith("<SN>\tSN-1\r\n<Result>\r\n<EOF>\r\n"));
    const TFile_Datas back = loaded(bytes);
    EXPECT_EQ(back.Megj, r.Megj);
    EXPECT_FALSE(back.Use_Kep);
}

TEST_F(Writer, CommentWithTabsIsNotReadBackAsSamplesWhenNoDescriptiveLineEndsTheSection)
{
    TFile_Datas r = sampleRecord();
    r.MDT = QStringLiteral(" ");
    r.MH.clear();
    r.MVN.clear();
    r.Megj = QStringLiteral("7\t1,00\t1,00\r\nnote\twith\ttabs");
    const QByteArray bytes = writeMeasurement(r);
    EXPECT_TRUE(bytes.contains("\r\n<MDT>\t \r\n<MEGJ>\r\n"));
    const TFile_Datas back = loaded(bytes);
    EXPECT_EQ(back.Meres_Datas.size(), r.Meres_Datas.size());
    EXPECT_EQ(back.Megj, r.Megj);
    EXPECT_EQ(back.MDT, r.MDT);

    r.Megj = QStringLiteral("no tabs");
    EXPECT_FALSE(writeMeasurement(r).contains("<MDT>")); // blank, and not needed
}

TEST_F(Writer, ManySamplesWithUnusualValuesAreEachFormattedAsTheProgramFormats)
{
    TFile_Datas r;
    QByteArray expected = "<MEAS>\r\n";
    for (int k = 0; k < 3000; ++k) {
        double volts = 12.0 + k * 0.001;
        if (k % 1023 == 0 || k == 1024)
            volts = k % 2 ? 2.675 : 1e12 + 0.5; // a tie, a huge value
        const TMeres_Datas s{k * 0.01, volts, k % 3 == 0};
        r.Meres_Datas.push_back(s);
        expected += QByteArray::number(k) + '\t'
                    + vorn::numfmt::formatFixed2(s.Meres_fesz).toLatin1() + '\t'
                    + (s.Is_Toltes ? "-" : "") + vorn::numfmt::formatFixed2(s.Meres_Aram).toLatin1()
                    + "\r\n";
    }
    EXPECT_TRUE(writeMeasurement(r).startsWith(expected + "<MEGJ>"));
}

TEST(FixedFormat, BytesEqualTheProgramsFormatting)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> wide(-2e9, 2e9), narrow(-30, 30);
    std::vector<double> values = {0.0, -0.0, 0.004, -0.004, 0.005, -0.005, 2.675, 1.005, 0.125,
                                  999999999.995, 1e9, 1e15, 1e300, -1e300, 0.5, 12.345,
                                  std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN()};
    for (int i = 0; i < 100000; ++i) {
        values.push_back(narrow(random));
        values.push_back(wide(random));
        values.push_back(std::round(narrow(random) * 1000) / 1000); // near ties
    }
    for (double v : values) {
        QByteArray out;
        detail::appendFixed2(out, v, ',');
        ASSERT_EQ(out, vorn::numfmt::formatFixed2(v, QChar(u',')).toLatin1()) << v;
    }
}

TEST(SavePath, DropsFromTheFirstDotOfTheNameAndAppendsVrn)
{
    EXPECT_EQ(measurementSavePath(QStringLiteral("/data/run.VRN")), u"/data/run.VRN");
    EXPECT_EQ(measurementSavePath(QStringLiteral("/data/report.final.txt")), u"/data/report.VRN");
    EXPECT_EQ(measurementSavePath(QStringLiteral("/data/v1.2/run")), u"/data/v1.2/run.VRN");
    EXPECT_EQ(measurementSavePath(QStringLiteral("/data/v1.2/run.x")), u"/data/v1.2/run.VRN");
    EXPECT_EQ(measurementSavePath(QStringLiteral("run")), u"run.VRN");
}

} // namespace
} // namespace vorn::measurement::test
