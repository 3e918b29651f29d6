// The integrity warnings of a measurement, from the reader's notes and the
// record, and their sentences.
#include "IntegrityWarnings.h"

#include "IntegrityTexts.h"
#include "MeasurementParams.h"
#include "measurement/MeasurementRecord.h"
#include "measurement/ReadWarnings.h"
#include "settings/LanguageTables.h"

#include <QStringList>

namespace vorn::graph {

namespace {

using measurement::IndexJump;
using measurement::ReadWarnings;

IntegrityWarning warningOf(WarningKind kind)
{
    IntegrityWarning w;
    w.kind = kind;
    return w;
}

void addSkippedLines(std::vector<IntegrityWarning> &out, const ReadWarnings &notes)
{
    if (notes.skippedLines == 0)
        return;
    IntegrityWarning w = warningOf(WarningKind::SkippedLines);
    w.line = notes.firstSkippedLines.front();
    w.count = notes.skippedLines;
    w.lines = QList<int>(notes.firstSkippedLines.begin(), notes.firstSkippedLines.end());
    out.push_back(w);
}

void addGaps(std::vector<IntegrityWarning> &out, const ReadWarnings &notes)
{
    for (const IndexJump &jump : notes.firstGaps) {
        IntegrityWarning w = warningOf(WarningKind::IndexGap);
        w.line = jump.line;
        w.index = jump.previous;
        w.count = static_cast<long long>(jump.index) - jump.previous - 1;
        out.push_back(w);
    }
    const long long rest = notes.gaps - static_cast<long long>(notes.firstGaps.size());
    if (rest > 0) {
        IntegrityWarning w = warningOf(WarningKind::MoreIndexGaps);
        w.count = rest;
        w.amount = notes.missingSamples;
        out.push_back(w);
    }
}

void addDisorders(std::vector<IntegrityWarning> &out, const ReadWarnings &notes)
{
    for (const IndexJump &jump : notes.firstDisorders) {
        const bool repeat = jump.index == jump.previous;
        IntegrityWarning w = warningOf(repeat ? WarningKind::IndexRepeat : WarningKind::IndexBackward);
        w.line = jump.line;
        w.index = jump.index;
        w.previousIndex = jump.previous;
        out.push_back(w);
    }
    const long long rest = notes.disorders - static_cast<long long>(notes.firstDisorders.size());
    if (rest > 0) {
        IntegrityWarning w = warningOf(WarningKind::MoreIndexDisorders);
        w.count = rest;
        out.push_back(w);
    }
}

// The end as the device writes it is the line "<EOF>". Anything after the
// last one is counted in bytes when it lies within the file's last bytes,
// else named by that "<EOF>" line.
void addFileEnd(std::vector<IntegrityWarning> &out, const ReadWarnings &notes)
{
    if (notes.endsWithEof)
        return;
    if (notes.bytesAfterEof >= 0 || notes.eofLine > 0) {
        IntegrityWarning w = warningOf(WarningKind::AfterEof);
        w.count = notes.bytesAfterEof;
        w.line = notes.firstLineAfterEof > 0 ? notes.firstLineAfterEof : notes.eofLine;
        out.push_back(w);
        return;
    }
    IntegrityWarning w = warningOf(WarningKind::NoEof);
    w.line = notes.lines;
    w.index = notes.lastSampleIndex;
    out.push_back(w);
}

// The tester's verdict counts when it says PASS or FAIL; "-1" (no verdict)
// and anything else is not compared.
void addVerdictMismatch(std::vector<IntegrityWarning> &out, const ReadWarnings &notes,
                        const TFile_Datas &record)
{
    const Verdict evaluated = qualificationVerdict(record);
    if (!notes.testerVerdict || evaluated == Verdict::None)
        return;
    const QString said = notes.testerVerdict->trimmed().toUpper();
    const bool saysPass = said == QLatin1StringView("PASS");
    if (!saysPass && said != QLatin1StringView("FAIL"))
        return;
    if (saysPass == (evaluated == Verdict::Pass))
        return;
    IntegrityWarning w = warningOf(WarningKind::VerdictMismatch);
    w.line = notes.testerVerdictLine;
    w.count = record.Mert_kap;
    w.amount = record.Minosit_szaz;
    w.testerVerdict = *notes.testerVerdict;
    out.push_back(w);
}

QString lineList(const IntegrityWarning &w)
{
    QStringList numbers;
    for (int line : w.lines)
        numbers.append(QString::number(line));
    if (w.count > w.lines.size())
        numbers.append(QStringLiteral("…"));
    return numbers.join(QStringLiteral(", "));
}

} // namespace

std::vector<IntegrityWarning> integrityWarnings(const measurement::ReadWarnings &notes,
                                                const TFile_Datas &record)
{
    std::vector<IntegrityWarning> out;
    addSkippedLines(out, notes);
    addGaps(out, notes);
    addDisorders(out, notes);
    addFileEnd(out, notes);
    const std::vector<TMeres_Datas> &samples = record.Meres_Datas;
    const std::size_t n = samples.size();
    if (n >= 2 && samples[n - 1].Is_Toltes != samples[n - 2].Is_Toltes) {
        IntegrityWarning w = warningOf(WarningKind::LastSampleState);
        w.index = notes.lastSampleIndex;
        out.push_back(w);
    }
    if (record.Mint_ido == 0)
        out.push_back(warningOf(WarningKind::NoInterval));
    addVerdictMismatch(out, notes, record);
    return out;
}

QLatin1StringView warningKindName(WarningKind kind)
{
    switch (kind) {
    case WarningKind::SkippedLines: return QLatin1StringView("skipped-lines");
    case WarningKind::IndexGap: return QLatin1StringView("index-gap");
    case WarningKind::MoreIndexGaps: return QLatin1StringView("more-index-gaps");
    case WarningKind::IndexRepeat: return QLatin1StringView("index-repeat");
    case WarningKind::IndexBackward: return QLatin1StringView("index-backward");
    case WarningKind::MoreIndexDisorders: return QLatin1StringView("more-index-disorders");
    case WarningKind::NoEof: return QLatin1StringView("no-eof");
    case WarningKind::AfterEof: return QLatin1StringView("after-eof");
    case WarningKind::LastSampleState: return QLatin1StringView("last-sample-state-change");
    case WarningKind::NoInterval: return QLatin1StringView("no-interval");
    case WarningKind::VerdictMismatch: return QLatin1StringView("verdict-mismatch");
    }
    return QLatin1StringView("unknown");
}

QString warningText(const IntegrityWarning &w, const TextTables &texts)
{
    const auto text = [&texts](int index) { return texts.Text_List(index); };
    switch (w.kind) {
    case WarningKind::SkippedLines:
        return text(kTextWarnSkippedLines).arg(w.count).arg(lineList(w));
    case WarningKind::IndexGap:
        return text(kTextWarnGap).arg(w.index).arg(w.count).arg(w.line);
    case WarningKind::MoreIndexGaps:
        return text(kTextWarnMoreGaps).arg(w.count).arg(w.amount);
    case WarningKind::IndexRepeat:
        return text(kTextWarnRepeat).arg(w.index).arg(w.line);
    case WarningKind::IndexBackward:
        return text(kTextWarnBackward).arg(w.index).arg(w.previousIndex).arg(w.line);
    case WarningKind::MoreIndexDisorders:
        return text(kTextWarnMoreDisorders).arg(w.count);
    case WarningKind::NoEof:
        return text(kTextWarnNoEof).arg(w.line);
    case WarningKind::AfterEof:
        return w.count >= 0 ? text(kTextWarnBytesAfterEof).arg(w.count)
                            : text(kTextWarnLinesAfterEof).arg(w.line);
    case WarningKind::LastSampleState:
        return text(kTextWarnLastSampleState).arg(w.index);
    case WarningKind::NoInterval:
        return text(kTextWarnNoInterval);
    case WarningKind::VerdictMismatch:
        return text(kTextWarnVerdictMismatch)
            .arg(w.testerVerdict.trimmed(),
                 w.count > w.amount ? QStringLiteral("PASS") : QStringLiteral("FAIL"),
                 QString::number(w.count), QString::number(w.amount));
    }
    return {};
}

} // namespace vorn::graph
