// The reader's sample section and failure rules, and the worked example.
#include "MeasurementTestSupport.h"

#include "measurement/ByteSource.h"

#include <QTemporaryDir>

#include <random>

namespace vorn::measurement::test {
namespace {

using ReaderFormat = MeasurementTest;

void expectSample(const TMeres_Datas &s, double volts, double amps, bool charging)
{
    EXPECT_DOUBLE_EQ(s.Meres_fesz, volts);
    EXPECT_DOUBLE_EQ(s.Meres_Aram, amps);
    EXPECT_EQ(s.Is_Toltes, charging);
}

TEST_F(ReaderFormat, WorkedExampleGivesEveryFieldAsDocumented)
{
    const TFile_Datas r = loaded(dataFile("worked_example.VRN"));
    ASSERT_EQ(r.Meres_Datas.size(), 4u); // line 4 repeats index 1
    expectSample(r.Meres_Datas[0], 12.84, 2.50, true);
    expectSample(r.Meres_Datas[1], 13.10, 2.50, true);
    expectSample(r.Meres_Datas[2], 12.70, 5.00, false);
    expectSample(r.Meres_Datas[3], 12.41, 5.00, false);
    EXPECT_EQ(r.MDT, u"14.05. 09:30");
    EXPECT_EQ(r.MVN, u"Operator");
    EXPECT_EQ(r.Megj, u"first line of the comment\r\nsecond line");
    EXPECT_EQ(r.Mint_ido, 60);
    EXPECT_DOUBLE_EQ(r.N_Kapac, 60);
    EXPECT_EQ(r.Minosit_szaz, 80);
    EXPECT_EQ(r.Pass_100, 43200);
    EXPECT_EQ(r.Mert_kap, 93);
    EXPECT_TRUE(r.Minosites);
    EXPECT_EQ(r.tipus, 0);
    EXPECT_DOUBLE_EQ(r.Ukorr, 1.0);
    EXPECT_DOUBLE_EQ(r.Ikorr, 1.0);
    EXPECT_DOUBLE_EQ(r.UOffs, 0.0);
    EXPECT_DOUBLE_EQ(r.IOffs, 0.0);
    EXPECT_EQ(r.DeltaM, 0); // not Def_File_Datas.DeltaM
    EXPECT_EQ(r.Last_Time_Me, 1);
    EXPECT_FALSE(r.Use_Kep);
    EXPECT_TRUE(r.Kep.isEmpty());
    EXPECT_TRUE(r.MH.isEmpty());
    EXPECT_TRUE(r.RName.isEmpty());
}

TEST_F(ReaderFormat, IndicesOnlyDropRepeatedOrBackwardLines)
{
    const TFile_Datas gaps = loaded(vrn({u"<MEAS>", u"1\t1,00\t1,00", u"2\t2,00\t1,00",
                                         u"5\t5,00\t1,00"}));
    ASSERT_EQ(gaps.Meres_Datas.size(), 3u); // no holes for the missing numbers
    EXPECT_DOUBLE_EQ(gaps.Meres_Datas[2].Meres_fesz, 5.0);

    EXPECT_EQ(loaded(vrn({u"<MEAS>", u"5\t1,00\t1,00", u"6\t1,00\t1,00", u"7\t1,00\t1,00"}))
                  .Meres_Datas.size(),
              3u);
    const ReadResult zeros = load(vrn({u"<MEAS>", u"0\t1,00\t1,00", u"0\t2,00\t1,00",
                                       u"0\t3,00\t1,00"}));
    EXPECT_EQ(zeros.error, kErrTooFewSamples);

    // A dropped line is not converted: its junk does not fail the load.
    const TFile_Datas backward = loaded(vrn({u"<MEAS>", u"3\t1,00\t1,00", u"2\tjunk\t?",
                                             u"4\t2,00\t1,00"}));
    EXPECT_EQ(backward.Meres_Datas.size(), 2u);
}

TEST_F(ReaderFormat, TwoSamplesAreEnoughOneIsNot)
{
    EXPECT_TRUE(load(vrn({u"<MEAS>", u"0\t1,00\t1,00", u"1\t1,00\t1,00"})).ok());
    const ReadResult one = load(vrn({u"<MEAS>", u"0\t1,00\t1,00", u"<EOF>"}));
    EXPECT_EQ(one.error, kErrTooFewSamples);
    EXPECT_EQ(one.failure, ReadFailure::TooFewSamples);
    EXPECT_EQ(load(vrn({u"<MK>\t5"})).error, kErrTooFewSamples); // no "<MEAS>" at all
}

TEST_F(ReaderFormat, CurrentSignGivesDirectionAndEveryMinusIsDropped)
{
    const TFile_Datas r = loaded(vrn({u"<MEAS>", u"0\t12,00\t--2,50", u"1\t-0,50\t2,50",
                                      u"2\t12,00\t 2-,50"}));
    expectSample(r.Meres_Datas[0], 12.0, 2.5, true);   // negative when written, charging
    expectSample(r.Meres_Datas[1], -0.5, 2.5, false);  // the voltage keeps its sign
    expectSample(r.Meres_Datas[2], 12.0, 2.5, false);  // "-" is not the first character
}

TEST_F(ReaderFormat, LinesWithTwoOrFourFieldsAddNothingAndTheLoadGoesOn)
{
    const ReadResult r = load(vrn({u"<MEAS>", u"0\t1,00\t1,00", u"1\t2,50", u"x\t1\t2\t3",
                                   u"1\t3,00\t1,00", u"no tab here", u"2\t4,00\t1,00"}));
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r.record.Meres_Datas.size(), 3u);
    // The skipped line with index 1 did not use up that index.
    EXPECT_DOUBLE_EQ(r.record.Meres_Datas[1].Meres_fesz, 3.0);
    EXPECT_EQ(r.skippedSampleLines, 2);
    EXPECT_EQ(r.firstSkippedLine, 3);
}

TEST_F(ReaderFormat, SampleSectionEndsAtTheFirstNonMarkerLineStartingWithAngle)
{
    const TFile_Datas r = loaded(vrn({u"<MEAS>", u"0\t1,00\t1,00", u"<RN>", u"<\\RN>",
                                      u"1\t2,00\t1,00", u"<MVN>\tx", u"2\t3,00\t1,00"}));
    EXPECT_EQ(r.Meres_Datas.size(), 2u); // markers kept it open, "<MVN>" closed it
}

TEST_F(ReaderFormat, CommentLineWithTwoTabsInsideOpenSampleSectionIsAlsoASample)
{
    const TFile_Datas r = loaded(vrn({u"<MEAS>", u"0\t1,00\t1,00", u"<MEGJ>",
                                      u"5\t12,50\t-1,00", u"<\\MEGJ>"}));
    ASSERT_EQ(r.Meres_Datas.size(), 2u);
    expectSample(r.Meres_Datas[1], 12.5, 1.0, true);
    EXPECT_EQ(r.Megj, u"5\t12,50\t-1,00");
}

TEST_F(ReaderFormat, CommentTextWithTabsInOpenSampleSectionFailsTheLoad)
{
    const ReadResult r = load(vrn({u"<MEAS>", u"0\t1,00\t1,00", u"1\t1,00\t1,00", u"<MEGJ>",
                                   u"note\twith\ttabs", u"<\\MEGJ>"}));
    EXPECT_EQ(r.error, kErrCannotRead);
    EXPECT_EQ(r.failure, ReadFailure::BadValue);
    EXPECT_EQ(r.failedLine, 5);
}

TEST_F(ReaderFormat, UnconvertibleNumbersFailWithCannotRead)
{
    const ReadResult dot = load(dataFile("dot_decimal.VRN"));
    EXPECT_EQ(dot.error, kErrCannotRead);
    EXPECT_EQ(dot.failedLine, 5);
    for (const char16_t *line : {u"x\t1,00\t1,00", u"0\t1,0,0\t1,00", u"0\t1 000,00\t1,00",
                                 u"0\t\t1,00", u"0\t1,00\t", u"0\t1,00\t1,00x"}) {
        EXPECT_EQ(load(vrn({u"<MEAS>", line, u"1\t1,00\t1,00"})).error, kErrCannotRead)
            << QString::fromUtf16(line).toStdString();
    }
}

TEST_F(ReaderFormat, EmptyMissingAndFolderPathsCannotBeRead)
{
    const ReadResult empty = readMeasurementFile(dataPath("empty.VRN"));
    EXPECT_EQ(empty.error, kErrCannotRead);
    EXPECT_EQ(empty.failure, ReadFailure::EmptyFile);
    EXPECT_EQ(readMeasurementFile(dataPath("no_such_file.VRN")).failure,
              ReadFailure::FileUnreadable);
    EXPECT_EQ(readMeasurementFile(QStringLiteral(VORN_TEST_DATA_DIR)).error, kErrCannotRead);
    EXPECT_TRUE(readMeasurementFile(dataPath("full_run_fail.VRN")).ok());
}

TEST_F(ReaderFormat, DeviceFilesLoad)
{
    for (const char *name : {"cycles.VRN", "demo_short.VRN", "full_run_fail.VRN",
                             "logo_picture.VRN"}) {
        const ReadResult r = readMeasurementFile(dataPath(name));
        EXPECT_TRUE(r.ok()) << name;
        EXPECT_GT(r.record.Meres_Datas.size(), 100u) << name;
        EXPECT_EQ(r.skippedSampleLines, 0) << name;
    }
}

// Sample fields of every length, the digits of each line at every distance
// from the end of the file's bytes: the values are the general parser's.
TEST_F(ReaderFormat, SampleNumbersOfEveryLengthReadAsTheGeneralParserReadsThem)
{
    std::mt19937 random(5);
    const auto digits = [&](int n) {
        QByteArray text;
        for (int i = 0; i < n; ++i)
            text += char('0' + (i == 0 && n > 1 ? 1 + random() % 9 : random() % 10));
        return text;
    };
    QByteArray bytes("<MEAS>\r\n");
    std::vector<std::pair<QByteArray, QByteArray>> fields; // voltage, current
    constexpr qint64 kPow10Test[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000,
                                     1000000000};
    for (int whole = 1; whole <= 15; ++whole) {
        for (int decimals = 0; whole + decimals <= 15; ++decimals) {
            QByteArray volts = digits(whole);
            if (decimals > 0)
                volts += ',' + digits(decimals);
            const QByteArray amps = digits(1 + int(random() % 8)) + ',' + digits(1 + int(random() % 6));
            // Rising indices of 1 to 10 digits: ten are left to the general path.
            const int length = 1 + int(fields.size()) / 12;
            const qint64 index = qint64(kPow10Test[length - 1]) + qint64(fields.size());
            bytes += QByteArray::number(index) + '\t' + volts + "\t-" + amps + "\r\n";
            fields.emplace_back(volts, amps);
        }
    }
    const TFile_Datas r = loaded(bytes.chopped(2)); // the last line without its end
    ASSERT_EQ(r.Meres_Datas.size(), fields.size());
    for (size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(r.Meres_Datas[i].Meres_fesz, *vorn::numfmt::parseFloat(fields[i].first, ','))
            << fields[i].first.constData();
        EXPECT_EQ(r.Meres_Datas[i].Meres_Aram, *vorn::numfmt::parseFloat(fields[i].second, ','))
            << fields[i].second.constData();
        EXPECT_TRUE(r.Meres_Datas[i].Is_Toltes);
    }
}

void expectSameRead(const ReadResult &pieces, const ReadResult &whole, const char *what)
{
    SCOPED_TRACE(what);
    EXPECT_EQ(pieces.error, whole.error);
    EXPECT_EQ(pieces.failure, whole.failure);
    EXPECT_EQ(pieces.failedLine, whole.failedLine);
    EXPECT_EQ(pieces.skippedSampleLines, whole.skippedSampleLines);
    EXPECT_EQ(pieces.record.Megj, whole.record.Megj);
    EXPECT_EQ(pieces.record.RName, whole.record.RName);
    EXPECT_EQ(pieces.record.MVN, whole.record.MVN);
    EXPECT_EQ(pieces.record.Mint_ido, whole.record.Mint_ido);
    EXPECT_EQ(pieces.record.Use_Kep, whole.record.Use_Kep);
    EXPECT_EQ(pieces.record.Kep.bmpFile(), whole.record.Kep.bmpFile());
    expectSameSamples(pieces.record, whole.record);
}

// Lines, CR LF pairs, markers and the picture cut anywhere by the pieces
// read the same as the whole file.
TEST_F(ReaderFormat, AFileReadInPiecesGivesTheSameRecord)
{
    for (const char *name : {"worked_example.VRN", "mixed_line_ends.VRN", "nul_stops_text.VRN",
                             "utf8_bom.VRN", "logo_picture.VRN", "picture_with_stray_eof.VRN",
                             "picture_without_eof.VRN", "result_after_picture.VRN",
                             "truncated_bmp.VRN", "dot_decimal.VRN", "utf16_bom.VRN"}) {
        const QByteArray bytes = dataFile(name);
        const ReadResult whole = readMeasurement(bytes);
        for (const qsizetype piece : {1, 2, 3, 7, 8, 61, 4096}) {
            detail::MemorySource source(bytes, piece);
            std::vector<double> percents;
            const ReadResult r = detail::readMeasurementFrom(source, [&](double p) { percents.push_back(p); });
            expectSameRead(r, whole, name);
            EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end())) << name;
        }
    }
    // A file larger than the reader's buffer, its lines ending in lone CRs.
    QByteArray large = vrn({u"<MEAS>"});
    for (int i = 0; i < 120000; ++i)
        large += QByteArray::number(i) + "\t12,5" + QByteArray::number(i % 10) + "\t-1,25\r";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.VRN"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(large) == large.size());
    file.close();
    expectSameRead(readMeasurementFile(path), readMeasurement(large), "large.VRN");
    EXPECT_EQ(readMeasurementFile(path).record.Meres_Datas.size(), 120000u);
}

} // namespace
} // namespace vorn::measurement::test
