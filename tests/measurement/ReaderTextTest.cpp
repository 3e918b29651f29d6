// Text decoding: byte-order marks, the ANSI code page, line ends and NUL.
#include "MeasurementTestSupport.h"

#include <QStringEncoder>

namespace vorn::measurement::test {
namespace {

using ReaderText = MeasurementTest;

QByteArray utf16le(const QString &text)
{
    return QByteArray("\xFF\xFE") + QStringEncoder(QStringEncoder::Utf16LE).encode(text);
}

// Field by field, the parts of two records that a load fills.
void expectSameLoad(const TFile_Datas &a, const TFile_Datas &b)
{
    expectSameSamples(a, b);
    if (::testing::Test::HasFatalFailure())
        return;
    EXPECT_EQ(a.Megj, b.Megj);
    EXPECT_EQ(a.RName, b.RName);
    EXPECT_EQ(a.MVN, b.MVN);
    EXPECT_EQ(a.MH, b.MH);
    EXPECT_EQ(a.Mert_kap, b.Mert_kap);
}

TEST_F(ReaderText, ByteOrderMarksSelectTheirEncodingElseTheCodePage)
{
    for (const char *name : {"ansi_cp1250.VRN", "utf8_bom.VRN", "utf16_bom.VRN",
                             "utf16be_bom.VRN"}) {
        const TFile_Datas r = loaded(dataFile(name));
        EXPECT_EQ(r.MVN, u"Kovács Ödön") << name;
        EXPECT_EQ(r.Megj, u"Árvíztűrő tükörfúrógép") << name;
        EXPECT_EQ(r.MH, u"Győr") << name;
        EXPECT_EQ(r.Meres_Datas.size(), 2u) << name;
    }
}

TEST_F(ReaderText, LoneCrAndLoneLfEndLinesToo)
{
    const TFile_Datas r = loaded(dataFile("mixed_line_ends.VRN"));
    EXPECT_EQ(r.Meres_Datas.size(), 3u);
    EXPECT_EQ(r.Mert_kap, 77);
    EXPECT_EQ(r.Mint_ido, 30); // the last line needs no terminator
}

TEST_F(ReaderText, DecodingStopsAtTheFirstNul)
{
    const TFile_Datas r = loaded(dataFile("nul_stops_text.VRN"));
    EXPECT_EQ(r.Meres_Datas.size(), 2u);
    EXPECT_EQ(r.Mert_kap, 0);
    // The same in a UTF-16 file, whose text is decoded first.
    const QString text = QStringLiteral("<MEAS>\r\n0\t1,00\t1,00\r\n1\t1,00\t1,00\r\n");
    const TFile_Datas wide = loaded(
        utf16le(text + QChar(0) + QStringLiteral("2\t3,00\t3,00\r\n<MK>\t5\r\n")));
    EXPECT_EQ(wide.Meres_Datas.size(), 2u);
    EXPECT_EQ(wide.Mert_kap, 0);
}

// The byte-level reading of sample lines must give what decoding the whole
// file first gives, also around bytes that do not decode.
TEST_F(ReaderText, ReadingBytesEqualsDecodingTheWholeFileFirst)
{
    QByteArray body("<MEAS>\r\n0\t1,00\t-2,00\r\n1\t1,50\t2,00\r\n2\t1,75\t2,00\n<MEGJ>\r\n"
                    "broken \xE2\x82\r\nlone \x80 byte\r\xC3\r\n<\\MEGJ>\r\n<MVN>\t\xF0\x9F\x94"
                    "\r\n<RN>\r\n\xE9t\xE9\r\n<\\RN>\r\n3\t2,00\t1,00\r\n");
    const TFile_Datas fromUtf8 = loaded(QByteArray("\xEF\xBB\xBF") + body);
    expectSameLoad(fromUtf8, loaded(utf16le(QString::fromUtf8(body))));
    EXPECT_TRUE(fromUtf8.Megj.contains(QChar::ReplacementCharacter));

    const TFile_Datas fromAnsi = loaded(body);
    expectSameLoad(fromAnsi, loaded(utf16le(vorn::codepage::decodeAnsi(body))));
    EXPECT_EQ(fromAnsi.RName, u"été");
}

std::vector<int> jumpLines(const std::vector<IndexJump> &jumps)
{
    std::vector<int> lines;
    for (const IndexJump &jump : jumps)
        lines.push_back(jump.line);
    return lines;
}

// Sample lines of every shape read the same from bytes as from decoded text,
// the usual ones through the one-pass reading included.
TEST_F(ReaderText, SampleLinesOfEveryShapeReadAlikeFromBytesAndText)
{
    const char *const shapes[] = {
        "7\t12,84\t-2,50", "7\t12,84\t--2,50", "7\t12\t3", "007\t1,5\t2,5\n",
        "7\t,5\t1,00", "7\t1,\t1,00", "7\t1,00\t2,5-", "7\t-1,00\t1,00", "7\t+1,00\t 1,00",
        "7\t1,5E2\t1,00", "7\t1234567890123456\t1,00", "7\t123456789012345\t0,5",
        "999999999\t1,00\t1,00", "2147483648\t1,00\t1,00", "1234567890\t1,00\t1,00",
        "-7\t1,00\t1,00", " 7\t1,00\t1,00", "7\t1,00\t1,00 ", "7\t1,00\t", "7\t1.00\t1,00",
        "7\t1,00\t-", "7\t1,00", "7\t1,00\t1,00\t", "x\t1,00\t1,00", "0\t9,99\t9,99"};
    for (const char *shape : shapes) {
        const QByteArray body = QByteArray("<MEAS>\r\n3\t1,00\t1,00\r\n") + shape
                                + "\r\n8\t2,00\t-2,00\r";
        const ReadResult bytes = load(body);
        const ReadResult text = load(utf16le(QString::fromLatin1(body)));
        SCOPED_TRACE(shape);
        ASSERT_EQ(bytes.error, text.error);
        EXPECT_EQ(bytes.failedLine, text.failedLine);
        EXPECT_EQ(bytes.skippedSampleLines, text.skippedSampleLines);
        // The integrity notes count lines the same both ways.
        EXPECT_EQ(bytes.warnings.firstSkippedLines, text.warnings.firstSkippedLines);
        EXPECT_EQ(bytes.warnings.lines, text.warnings.lines);
        EXPECT_EQ(jumpLines(bytes.warnings.firstGaps), jumpLines(text.warnings.firstGaps));
        EXPECT_EQ(jumpLines(bytes.warnings.firstDisorders), jumpLines(text.warnings.firstDisorders));
        if (bytes.ok())
            expectSameLoad(bytes.record, text.record);
    }
}

TEST_F(ReaderText, MultiByteCodePageIsDecodedWholeFirst)
{
    vorn::codepage::setAnsiCodePage("Shift_JIS");
    const QByteArray bytes = vorn::codepage::encodeAnsi(
        u"<MEAS>\r\n0\t1,00\t1,00\r\n1\t2,00\t1,00\r\n<MVN>\t山田 表\r\n");
    const TFile_Datas r = loaded(bytes);
    EXPECT_EQ(r.MVN, u"山田 表");
    EXPECT_EQ(r.Meres_Datas.size(), 2u);
}

TEST_F(ReaderText, NumbersFollowTheProgramsCurrentSeparator)
{
    vorn::numfmt::setDecimalSeparator(QChar(u'.'));
    const TFile_Datas r = loaded(vrn({u"<MEAS>", u"0\t12.50\t-1.25", u"1\t12.60\t1.00",
                                      u"<NK>\t7.5"}));
    EXPECT_DOUBLE_EQ(r.Meres_Datas[0].Meres_fesz, 12.5);
    EXPECT_DOUBLE_EQ(r.Meres_Datas[0].Meres_Aram, 1.25);
    EXPECT_DOUBLE_EQ(r.N_Kapac, 7.5);
    EXPECT_EQ(load(vrn({u"<MEAS>", u"0\t12,50\t1,00", u"1\t12,60\t1,00"})).error,
              kErrCannotRead);
}

} // namespace
} // namespace vorn::measurement::test
