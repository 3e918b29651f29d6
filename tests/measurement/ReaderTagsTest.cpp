// Value tags, block markers and the reset before a load.
#include "MeasurementTestSupport.h"

#include "measurement/RecordReset.h"

#include <QDateTime>

namespace vorn::measurement::test {
namespace {

class ReaderTags : public MeasurementTest {
protected:
    // A valid file with extra lines after the samples.
    static QByteArray withLines(std::initializer_list<const char16_t *> lines)
    {
        QByteArray bytes = vrn({u"<MEAS>", u"0\t1,00\t1,00", u"1\t1,00\t1,00"});
        for (const char16_t *line : lines)
            bytes += vrn({line});
        return bytes;
    }
};

TEST_F(ReaderTags, EveryTagSetsItsFieldWithItsConversion)
{
    const TFile_Datas r = loaded(withLines(
        {u"<MH>\tGyőr,\tlabor ", u"<MHM>\tVT-100", u"<CSZ>\t6", u"<DM>\t12", u"<DK>\t3,6",
         u"<IKORR>\t1,02", u"<IOFFS>\t-0,1", u"<KV>\t10,5", u"<LTM>\t2",
         u"<LRBZ>\t0,00;15,00;0,00;4,00;0,00;181,20", u"<SI>\t30S", u"<MK>\t 92", u"<MN>\t57",
         u"<MSZ>\t85%", u"<NK>\t6", u"<P1>\t6000", u"<TI>\t2", u"<UKORR>\t0,98", u"<UL>\t10,6",
         u"<UOFFS>\t0,05", u"<SN>\tVT120-00917", u"<PV>\t3.4.1", u"<U0>\t1,5E-3"}));
    EXPECT_EQ(r.MH, u"Győr,labor "); // TABs go, blanks stay
    EXPECT_EQ(r.MHM, u"VT-100");
    EXPECT_EQ(r.Cellaszam, 6);
    EXPECT_EQ(r.DeltaM, 12);
    EXPECT_DOUBLE_EQ(r.Kis_Aram, 3.6);
    EXPECT_DOUBLE_EQ(r.Ikorr, 1.02);
    EXPECT_DOUBLE_EQ(r.IOffs, -0.1);
    EXPECT_DOUBLE_EQ(r.Kis_vegfesz, 10.5);
    EXPECT_EQ(r.Last_Time_Me, 2);
    EXPECT_EQ(r.LRBZ, u"0,00;15,00;0,00;4,00;0,00;181,20");
    EXPECT_EQ(r.Mint_ido, 30);
    EXPECT_EQ(r.Mert_kap, 92);
    EXPECT_EQ(r.Meres_No, 57);
    EXPECT_EQ(r.Minosit_szaz, 85);
    EXPECT_DOUBLE_EQ(r.N_Kapac, 6);
    EXPECT_EQ(r.Pass_100, 6000);
    EXPECT_EQ(r.Tolt_ido, 2);
    EXPECT_DOUBLE_EQ(r.Ukorr, 0.98);
    EXPECT_DOUBLE_EQ(r.ULekapcs, 10.6);
    EXPECT_DOUBLE_EQ(r.UOffs, 0.05);
    EXPECT_EQ(r.sorszam, u"VT120-00917");
    EXPECT_EQ(r.prog_verzio, u"3.4.1");
    EXPECT_DOUBLE_EQ(r.U0, 0.0015);
}

TEST_F(ReaderTags, DeltaMKeepsSixteenBitsAndLaterLinesOverwrite)
{
    EXPECT_EQ(loaded(withLines({u"<DM>\t70000"})).DeltaM, 70000 - 65536);
    EXPECT_EQ(loaded(withLines({u"<DM>\t-1"})).DeltaM, 65535);
    EXPECT_EQ(loaded(withLines({u"<MK>\t1", u"<MK>\t2"})).Mert_kap, 2);
}

TEST_F(ReaderTags, VerdictIsTakenFromTheSeventhCharacterUnchanged)
{
    const auto verdict = [](const char16_t *line) {
        const TFile_Datas r = loaded(withLines({line}));
        return std::pair(r.Minosites, r.tipus);
    };
    EXPECT_EQ(verdict(u"<MIN>\tPASS"), std::pair(true, 0));
    EXPECT_EQ(verdict(u"<MIN>\tPASS "), std::pair(false, 0));
    EXPECT_EQ(verdict(u"<MIN>PASS"), std::pair(false, 0)); // "ASS"
    EXPECT_EQ(verdict(u"<MIN> PASS"), std::pair(true, 0)); // any one separator
    EXPECT_EQ(verdict(u"<MIN>\t-1"), std::pair(false, 1));
    EXPECT_EQ(verdict(u"<MIN>\tFAIL"), std::pair(false, 0));
}

TEST_F(ReaderTags, TagsAreCaseSensitiveMarkersAreNot)
{
    const TFile_Datas r = loaded(vrn({u"<meas>", u"0\t1,00\t1,00", u"1\t1,00\t1,00", u"<mi>\t60",
                                      u"<Megj>", u"hello", u"<\\megj>"}));
    EXPECT_EQ(r.Meres_Datas.size(), 2u);
    EXPECT_EQ(r.Mint_ido, 0);
    EXPECT_EQ(r.Megj, u"hello");
}

TEST_F(ReaderTags, TagInsideACommentLineIsApplied)
{
    const TFile_Datas r = loaded(withLines({u"<MEGJ>", u"<MK>\t77", u"<\\MEGJ>"}));
    EXPECT_EQ(r.Mert_kap, 77);
    EXPECT_EQ(r.Megj, u"<MK>\t77");
}

TEST_F(ReaderTags, TagInsideACommentLineWhoseSliceDoesNotConvertFailsTheLoad)
{
    // The value is taken by position: "city <MK> 93" from the fifth character.
    const ReadResult r = load(withLines({u"<MEGJ>", u"Capacity <MK> 93", u"<\\MEGJ>"}));
    EXPECT_EQ(r.error, kErrCannotRead);
    EXPECT_EQ(r.failedLine, 5);
    EXPECT_EQ(load(withLines({u"<MK>"})).error, kErrCannotRead); // empty value
}

TEST_F(ReaderTags, OneLineCanSetTwoFieldsBothByPosition)
{
    const TFile_Datas r = loaded(withLines({u"<MDT>\tX <MVN> Y"}));
    EXPECT_EQ(r.MDT, u"X <MVN> Y");
    EXPECT_EQ(r.MVN, u"X <MVN> Y");
}

TEST_F(ReaderTags, MarkerLineIsOnlyAMarkerAndTheFirstMarkerInOrderWins)
{
    // "<MEGJ>" counts before "<MEAS>" on the same line; the tag is not applied.
    const ReadResult r = load(vrn({u"<MEAS><MEGJ><MK>\t5", u"0\t1,00\t1,00", u"1\t1,00\t1,00"}));
    EXPECT_EQ(r.error, kErrTooFewSamples);
    const TFile_Datas open = loaded(vrn({u"<MEAS>", u"0\t1,00\t1,00", u"1\t1,00\t1,00",
                                         u"<MEGJ><MK>\t5", u"a", u"", u"b", u"<\\MEGJ>"}));
    EXPECT_EQ(open.Mert_kap, 0);
    EXPECT_EQ(open.Megj, u"a\r\nb"); // empty lines inside a block are lost
}

TEST_F(ReaderTags, RnBlockIsKeptJoinedWithCrLf)
{
    const TFile_Datas r = loaded(withLines({u"<RN>", u"one", u"two\tcols", u"<\\RN>"}));
    EXPECT_EQ(r.RName, u"one\r\ntwo\tcols");
}

TEST_F(ReaderTags, ResetGivesDefaultCorrectionsAndTheCurrentTime)
{
    const QDateTime before = QDateTime::currentDateTime();
    const TFile_Datas r = loaded(withLines({}));
    const QDateTime after = QDateTime::currentDateTime();
    EXPECT_TRUE(r.MDT == localDateTimeText(before) || r.MDT == localDateTimeText(after))
        << r.MDT.toStdString();
    EXPECT_DOUBLE_EQ(r.Ukorr, Def_File_Datas.Ukorr);
    EXPECT_DOUBLE_EQ(r.Ikorr, Def_File_Datas.Ikorr);
    EXPECT_EQ(r.DeltaM, 0);
    EXPECT_EQ(r.Last_Time_Me, 1);
    EXPECT_EQ(r.Mint_ido, 0); // no "<MI>": every sample at time 0
}

TEST(RecordResetText, LongTimeLeavesOutTheTimeZone)
{
    const QDateTime when(QDate(2024, 5, 14), QTime(9, 30, 5));
    EXPECT_EQ(localDateTimeText(when, QLocale(QLocale::Hungarian, QLocale::Hungary)),
              u"2024. 05. 14. 9:30:05");
    EXPECT_EQ(localDateTimeText(when, QLocale(QLocale::German, QLocale::Germany)),
              u"14.05.24 09:30:05");
}

} // namespace
} // namespace vorn::measurement::test
