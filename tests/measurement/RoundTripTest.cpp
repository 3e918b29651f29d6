// Reader -> writer -> reader keeps everything the writer stores.
#include "MeasurementTestSupport.h"

#include "measurement/MeasurementWriter.h"

namespace vorn::measurement::test {
namespace {

using RoundTrip = MeasurementTest;

void expectSameRecord(const TFile_Datas &a, const TFile_Datas &b)
{
    expectSameSamples(a, b);
    if (::testing::Test::HasFatalFailure())
        return;
    EXPECT_EQ(a.Cellaszam, b.Cellaszam);
    EXPECT_EQ(a.Kis_vegfesz, b.Kis_vegfesz);
    EXPECT_EQ(a.Kis_Aram, b.Kis_Aram);
    EXPECT_EQ(a.Mint_ido, b.Mint_ido);
    EXPECT_EQ(a.Minosites, b.Minosites);
    EXPECT_EQ(a.Mert_kap, b.Mert_kap);
    EXPECT_EQ(a.Meres_No, b.Meres_No);
    EXPECT_EQ(a.Minosit_szaz, b.Minosit_szaz);
    EXPECT_EQ(a.N_Kapac, b.N_Kapac);
    EXPECT_EQ(a.Pass_100, b.Pass_100);
    EXPECT_EQ(a.Tolt_ido, b.Tolt_ido);
    EXPECT_EQ(a.U0, b.U0);
    EXPECT_EQ(a.MDT, b.MDT);
    EXPECT_EQ(a.MH, b.MH);
    EXPECT_EQ(a.MHM, b.MHM);
    EXPECT_EQ(a.MVN, b.MVN);
    EXPECT_EQ(a.RName, b.RName);
    EXPECT_EQ(a.Megj, b.Megj);
    EXPECT_EQ(a.Use_Kep, b.Use_Kep);
    EXPECT_EQ(a.Kep.bmpFile(), b.Kep.bmpFile());
    EXPECT_EQ(a.DeltaM, b.DeltaM);
    EXPECT_EQ(a.Ukorr, b.Ukorr);
    EXPECT_EQ(a.Ikorr, b.Ikorr);
    EXPECT_EQ(a.UOffs, b.UOffs);
    EXPECT_EQ(a.IOffs, b.IOffs);
    EXPECT_EQ(a.Last_Time_Me, b.Last_Time_Me);
    EXPECT_EQ(a.LRBZ, b.LRBZ);
    EXPECT_EQ(a.ULekapcs, b.ULekapcs);
    EXPECT_EQ(a.sorszam, b.sorszam);
    EXPECT_EQ(a.prog_verzio, b.prog_verzio);
}

TEST_F(RoundTrip, DeviceAndProgramFilesSurviveUnchanged)
{
    for (const char *name : {"logo_picture.VRN", "full_run_fail.VRN", "cycles.VRN",
                             "picture_with_stray_eof.VRN", "utf8_bom.VRN"}) {
        SCOPED_TRACE(name);
        const TFile_Datas first = loaded(dataFile(name));
        const QByteArray written = writeMeasurement(first);
        expectSameRecord(first, loaded(written));
        EXPECT_EQ(writeMeasurement(loaded(written)), written); // stable from then on
    }
}

TEST_F(RoundTrip, EditedValuesSurviveWithTheirWrittenPrecision)
{
    TFile_Datas r = loaded(dataFile("worked_example.VRN"));
    r.Meres_Datas[0].Meres_fesz = 12.846; // samples keep two decimals
    r.Ukorr = 1.0123456789012345;        // decimals keep 15 digits
    r.IOffs = -0.25;
    r.DeltaM = 65535;
    r.Last_Time_Me = 2;
    r.LRBZ = QStringLiteral("0,00;15,00;0,00;4,00;0,00;181,20");
    r.Megj = QStringLiteral("line one\r\nline two with Ő");
    const TFile_Datas back = loaded(writeMeasurement(r));
    EXPECT_DOUBLE_EQ(back.Meres_Datas[0].Meres_fesz, 12.85);
    EXPECT_DOUBLE_EQ(back.Ukorr, 1.01234567890123);
    EXPECT_EQ(back.IOffs, -0.25);
    EXPECT_EQ(back.DeltaM, 65535);
    EXPECT_EQ(back.Last_Time_Me, 2);
    EXPECT_EQ(back.LRBZ, r.LRBZ);
    EXPECT_EQ(back.Megj, r.Megj);
}

TEST_F(RoundTrip, DeviceOnlyFormsAreNormalised)
{
    const TFile_Datas device = loaded(vrn({u"<MEAS>", u"3\t1,00\t1,00", u"9\t1,00\t-1,00",
                                           u"<SI>\t60s", u"<MSZ>\t80%", u"<MIN>\t-1"}));
    ASSERT_EQ(device.tipus, 1);
    const QByteArray written = writeMeasurement(device);
    EXPECT_TRUE(written.contains("\r\n0\t1,00\t1,00\r\n1\t1,00\t-1,00\r\n"));
    EXPECT_TRUE(written.contains("\r\n<MI>\t60\r\n<MIN>\tFAIL\r\n"));
    EXPECT_TRUE(written.contains("\r\n<MSZ>\t80\r\n"));
    EXPECT_EQ(loaded(written).tipus, 0);
}

} // namespace
} // namespace vorn::measurement::test
