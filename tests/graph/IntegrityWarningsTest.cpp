// The integrity warnings of files built for each kind, and none for a sound one.
#include "graph/IntegrityWarnings.h"
#include "measurement/MeasurementReader.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace vorn::graph;

namespace {

// Lines joined by CR LF, each followed by one.
QByteArray file(std::initializer_list<const char *> lines)
{
    QByteArray bytes;
    for (const char *line : lines)
        bytes += QByteArray(line) + "\r\n";
    return bytes;
}

// A sound file of four samples around the lines given, "<EOF>" at the end.
QByteArray soundWith(std::initializer_list<const char *> middle)
{
    QByteArray bytes = file({"<MEAS>", "0\t12,50\t-1,00", "1\t12,60\t-1,00", "2\t12,40\t2,00",
                             "3\t12,30\t2,00"});
    for (const char *line : middle)
        bytes += QByteArray(line) + "\r\n";
    return bytes + file({"<MI>\t60", "<MSZ>\t80", "<MK>\t85", "<MIN>\tPASS", "<EOF>"});
}

struct Read {
    vorn::measurement::ReadResult result;
    std::vector<IntegrityWarning> warnings;
};

Read read(const QByteArray &bytes)
{
    Read r{vorn::measurement::readMeasurement(bytes), {}};
    EXPECT_TRUE(r.result.ok());
    r.warnings = integrityWarnings(r.result.warnings, r.result.record);
    return r;
}

QList<WarningKind> kinds(const std::vector<IntegrityWarning> &warnings)
{
    QList<WarningKind> list;
    for (const IntegrityWarning &w : warnings)
        list.append(w.kind);
    return list;
}

TEST(IntegrityWarnings, SoundFileHasNone)
{
    EXPECT_TRUE(read(soundWith({})).warnings.empty());
    // Blank lines after "<EOF>" are still a proper end.
    EXPECT_TRUE(read(soundWith({}) + "\r\n\r\n").warnings.empty());
}

TEST(IntegrityWarnings, SkippedSampleLinesCountAllAndNameTheFirstFive)
{
    const Read r = read(file({"<MEAS>", "0\t1,00\t1,00", "1\t2,00", "2\t1\t2\t3", "3\t1,00", "4\t1,00",
                              "5\t1,00", "6\t1,00", "1\t1,00\t1,00", "<MI>\t1", "<EOF>"}));
    ASSERT_EQ(kinds(r.warnings), QList<WarningKind>{WarningKind::SkippedLines});
    const IntegrityWarning &w = r.warnings[0];
    EXPECT_EQ(w.count, 6);
    EXPECT_EQ(w.lines, (QList<int>{3, 4, 5, 6, 7}));
    EXPECT_EQ(w.line, 3);
}

TEST(IntegrityWarnings, GapsAndDisorderGiveTheirLinesAndIndices)
{
    // Lines 2 and 3 go the usual way, line 4 repeats index 1, line 5 jumps,
    // line 6 steps back; the comment block's sample line (9) is read the slow way.
    const Read r = read(file({"<MEAS>", "0\t1,00\t1,00", "1\t1,00\t1,00", "1\t1,00\t1,00",
                              "13\t1,00\t1,00", "4\t1,00\t1,00", "14\t1,00\t1,00", "<MEGJ>",
                              "20\t1,00\t1,00", "<\\MEGJ>", "<MI>\t1", "<EOF>"}));
    ASSERT_EQ(kinds(r.warnings), (QList<WarningKind>{WarningKind::IndexGap, WarningKind::IndexGap,
                                                     WarningKind::IndexRepeat,
                                                     WarningKind::IndexBackward}));
    EXPECT_EQ(r.warnings[0].line, 5);
    EXPECT_EQ(r.warnings[0].index, 1);
    EXPECT_EQ(r.warnings[0].count, 11);
    EXPECT_EQ(r.warnings[1].line, 9);
    EXPECT_EQ(r.warnings[1].index, 14);
    EXPECT_EQ(r.warnings[1].count, 5);
    EXPECT_EQ(r.warnings[2].line, 4);
    EXPECT_EQ(r.warnings[2].index, 1);
    EXPECT_EQ(r.warnings[3].line, 6);
    EXPECT_EQ(r.warnings[3].index, 4);
    EXPECT_EQ(r.warnings[3].previousIndex, 13);
    // The record is what it always was: the ignored lines added nothing.
    EXPECT_EQ(r.result.record.Meres_Datas.size(), 5u);
}

TEST(IntegrityWarnings, ManyGapsAreListedUpToALimitAndSummedUp)
{
    QByteArray bytes("<MEAS>\r\n");
    for (int i = 0; i < 30; ++i)
        bytes += QByteArray::number(i * 3) + "\t1,00\t1,00\r\n";
    const Read r = read(bytes + file({"<MI>\t1", "<EOF>"}));
    const auto limit = std::size_t(vorn::measurement::ReadWarnings::kKeptJumps);
    ASSERT_EQ(r.warnings.size(), limit + 1);
    const IntegrityWarning &rest = r.warnings.back();
    EXPECT_EQ(rest.kind, WarningKind::MoreIndexGaps);
    EXPECT_EQ(rest.count, 29 - int(limit));
    EXPECT_EQ(rest.amount, 29 * 2);
}

TEST(IntegrityWarnings, EndOfFileMissingOrFollowedByMore)
{
    QByteArray sound = soundWith({});
    const Read cut = read(sound.left(sound.indexOf("<MIN>")));
    ASSERT_EQ(kinds(cut.warnings), QList<WarningKind>{WarningKind::NoEof});
    EXPECT_EQ(cut.warnings[0].line, 8);
    EXPECT_EQ(cut.warnings[0].index, 3);

    const Read text = read(sound + file({"<MEAS>", "4\t1,00\t1,00"}));
    ASSERT_EQ(kinds(text.warnings), QList<WarningKind>{WarningKind::AfterEof});
    EXPECT_EQ(text.warnings[0].count, 21);
    EXPECT_EQ(text.warnings[0].line, 11);

    // A stick pulled out mid-write leaves zeros; the text stops at them.
    const Read zeros = read(sound + QByteArray(512, '\0'));
    ASSERT_EQ(kinds(zeros.warnings), QList<WarningKind>{WarningKind::AfterEof});
    EXPECT_EQ(zeros.warnings[0].count, 512);
}

TEST(IntegrityWarnings, EndOfAUtf16FileIsReadInItsEncoding)
{
    const QString text = QString::fromLatin1(soundWith({}));
    QByteArray bytes("\xFF\xFE");
    bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    EXPECT_TRUE(read(bytes).warnings.empty());
    // Half a unit at the end does not shift the others.
    EXPECT_TRUE(read(bytes.chopped(1)).warnings.empty());
    bytes.chop(14); // "<EOF>" and its line end
    EXPECT_EQ(kinds(read(bytes).warnings), QList<WarningKind>{WarningKind::NoEof});
}

TEST(IntegrityWarnings, EvaluationGapsAndADisagreeingVerdict)
{
    // The state changes at the last sample, there is no "<MI>", and the
    // tester says PASS where 70 % against 80 % fails.
    const Read r = read(file({"<MEAS>", "0\t12,50\t-1,00", "1\t12,60\t-1,00", "2\t12,40\t2,00",
                              "<MSZ>\t80", "<MK>\t70", "<MIN>\tPASS", "<EOF>"}));
    ASSERT_EQ(kinds(r.warnings), (QList<WarningKind>{WarningKind::LastSampleState,
                                                     WarningKind::NoInterval,
                                                     WarningKind::VerdictMismatch}));
    EXPECT_EQ(r.warnings[0].index, 2);
    EXPECT_EQ(r.warnings[2].line, 7);
    EXPECT_EQ(r.warnings[2].testerVerdict, QStringLiteral("PASS"));

    // "-1" is no verdict, and FAIL where the evaluation fails agrees.
    for (const char *said : {"<MIN>\t-1", "<MIN>\tFAIL "}) {
        const Read other = read(file({"<MEAS>", "0\t12,50\t2,00", "1\t12,40\t2,00", "<MI>\t1",
                                      "<MSZ>\t80", "<MK>\t70", said, "<EOF>"}));
        EXPECT_TRUE(other.warnings.empty()) << said;
    }
}

} // namespace
