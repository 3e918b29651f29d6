// The load of a measurement file (Betoltes): picture search, reset, lines.
//
// The file is read twice in pieces through a small buffer, never held whole:
// first for the picture block, the end of the text and the line count (the
// progress runs over the lines), then for the lines. Sample lines are parsed
// straight from the file's bytes: for the encodings that allow it
// (single-byte code pages and UTF-8) every line that holds no "<" and lies
// outside the comment and RN blocks can only be a sample line, and its ASCII
// bytes are its characters, so only the few other lines are decoded. Other
// encodings are read and decoded whole; both ways give the same record.
#include "MeasurementReader.h"

#include "BmpHeader.h"
#include "ByteSource.h"
#include "LineParser.h"
#include "MemoryHints.h"
#include "PictureBlock.h"
#include "ProgressMath.h"
#include "RecordReset.h"
#include "TextLines.h"
#include "settings/AnsiCodePage.h"
#include "settings/NumberFormat.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <optional>

namespace vorn::measurement {

using namespace detail;
namespace codepage = vorn::codepage;

namespace {

// Passes a percentage on only when its whole-number value grows.
class ProgressSink {
public:
    explicit ProgressSink(const ProgressFn &fn) : m_fn(fn) {}
    bool active() const { return bool(m_fn); }
    void report(double percent)
    {
        const int shown = roundHalfEven(percent);
        if (!m_fn || shown <= m_shown)
            return;
        m_shown = shown;
        m_fn(percent);
    }

private:
    const ProgressFn &m_fn;
    int m_shown = std::numeric_limits<int>::min();
};

// 30 to 60 % over the lines. The percentage is computed only at the lines
// where its whole-number value can change, so a line costs one comparison.
class LineProgress {
public:
    LineProgress(ProgressSink &sink, qsizetype count)
        : m_sink(sink), m_count(count),
          m_next(sink.active() ? 0 : std::numeric_limits<qsizetype>::max())
    {
    }
    void afterLine(qsizetype index)
    {
        if (index >= m_next)
            update(index);
    }

private:
    void update(qsizetype index)
    {
        const double percent = *progressPercent(30, 60, 0, m_count, index, true);
        m_sink.report(percent);
        // The next whole percentage is shown from about this line on; start
        // looking one line early in case of rounding.
        const double nextAt = (roundHalfEven(percent) + 0.5 - 30.0) * double(m_count) / 30.0;
        m_next = std::max(index + 1, qsizetype(nextAt) - 1);
    }

    ProgressSink &m_sink;
    qsizetype m_count;
    qsizetype m_next;
};

// Runs step(p, e, outcome) over the lines in [p, e), each of which handles the
// line at p and returns the start of the next, with the bookkeeping every
// line shares: the outcome noted, the progress advanced. Lines are numbered
// on across the pieces of a text.
class LineWalk {
public:
    LineWalk(ReadResult &result, ProgressSink &sink, qsizetype lines)
        : m_result(result), m_progress(sink, lines)
    {
    }

    template<typename Ch, typename Step>
    bool run(const Ch *p, const Ch *e, Step &&step)
    {
        while (p != e) {
            LineOutcome outcome = LineOutcome::Done;
            p = step(p, e, outcome);
            const qsizetype index = m_index++;
            if (outcome == LineOutcome::SkippedSample && m_result.skippedSampleLines++ == 0)
                m_result.firstSkippedLine = int(index + 1);
            if (outcome == LineOutcome::BadValue) {
                m_result.failedLine = int(index + 1);
                return false;
            }
            m_progress.afterLine(index);
        }
        return true;
    }

private:
    ReadResult &m_result;
    LineProgress m_progress;
    qsizetype m_index = 0;
};

ReadResult failed(ReadResult &result, ReadFailure failure)
{
    result.failure = failure;
    result.error = failure == ReadFailure::TooFewSamples ? kErrTooFewSamples : kErrCannotRead;
    return std::move(result);
}

// What the first reading of the file finds.
struct FileScan {
    qint64 size = 0; // bytes read
    codepage::TextEncoding encoding = codepage::TextEncoding::Ansi; // from the byte-order mark
    qint64 textBegin = 0;   // after a UTF-8 mark
    qint64 textEnd = 0;     // at the first NUL, or the end
    qsizetype lines = 0;    // in between, as bytes
    PicturePlace picture;
};

// The text part of a file handed over in pieces: the byte-order mark at its
// start, its end at the first NUL and its lines in between.
class TextScan {
public:
    explicit TextScan(FileScan &scan) : m_scan(scan) {}

    // The piece of the file that starts at byte `at`.
    void add(QByteArrayView piece, qint64 at)
    {
        const qint64 toHead = std::clamp<qint64>(kMarkLength - at, 0, piece.size());
        if (toHead > 0) {
            m_head.append(piece.first(toHead));
            if (m_head.size() == kMarkLength)
                markKnown();
        }
        addText(piece.sliced(toHead), at + toHead);
    }

    // After the last piece.
    void finish()
    {
        if (m_head.size() < kMarkLength)
            markKnown();
        if (!m_ended)
            m_scan.textEnd = std::max(m_scan.size, m_scan.textBegin);
        m_scan.lines = m_lines.lines();
    }

private:
    static constexpr qint64 kMarkLength = 3; // the longest byte-order mark (UTF-8)

    void markKnown()
    {
        m_scan.encoding = codepage::detectBom(m_head);
        m_scan.textBegin = m_scan.encoding == codepage::TextEncoding::Utf8Bom ? kMarkLength : 0;
        addText(QByteArrayView(m_head).sliced(std::min<qint64>(m_scan.textBegin, m_head.size())),
                m_scan.textBegin);
    }

    // Text bytes from file offset `at` on: lines up to the first NUL.
    void addText(QByteArrayView text, qint64 at)
    {
        if (m_ended)
            return;
        if (const void *nul = std::memchr(text.data(), 0, size_t(text.size()))) {
            text.truncate(static_cast<const char *>(nul) - text.data());
            m_scan.textEnd = at + text.size();
            m_ended = true;
        }
        m_lines.add(text);
    }

    FileScan &m_scan;
    QByteArray m_head; // the first bytes, until the mark is known
    LineCounter m_lines;
    bool m_ended = false;
};

// The picture search and the text's extent and lines, in one reading. The
// progress shows the two phases of Read_Kep's search: 0 % at the start, 15 %
// halfway through the bytes, 30 % at the end. (Finer steps would cost more
// in redrawing the progress window than this reading itself.)
bool scanFile(ByteSource &source, ProgressSink &sink, FileScan &scan)
{
    PictureScan picture;
    TextScan text(scan);
    const qint64 halfway = source.size() / 2;
    const bool read = source.readFrom(0, [&](QByteArrayView piece) {
        if (scan.size == 0)
            sink.report(0);
        picture.add(piece);
        text.add(piece, scan.size);
        scan.size += piece.size();
        if (scan.size >= halfway && scan.size < source.size())
            sink.report(15);
        return true;
    });
    text.finish();
    scan.picture = picture.place();
    sink.report(15);
    sink.report(30);
    return read;
}

// `length` bytes from `offset` on; fewer when the file ends before.
QByteArray bytesAt(ByteSource &source, qint64 offset, qint64 length)
{
    if (const std::optional<QByteArrayView> all = source.whole())
        return all->sliced(offset, std::min(length, all->size() - offset)).toByteArray();
    QByteArray bytes;
    source.readFrom(offset, [&](QByteArrayView piece) {
        bytes.append(piece.first(std::min<qint64>(piece.size(), length - bytes.size())));
        return bytes.size() < length;
    });
    return bytes;
}

// Read_Kep: decodes the picture block found by the scan. False when a block
// is there but its bytes are not a BMP that decodes.
bool readPicture(ByteSource &source, const PicturePlace &place, TFile_Datas &record)
{
    record.Use_Kep = false;
    if (!place.found())
        return true;
    if (place.end <= place.begin())
        return false;
    const qint64 length = place.end - place.begin();
    const QByteArray bmp = bytesAt(source, place.begin(), length);
    if (bmp.size() != length)
        return false;
    const std::optional<QImage> image = decodeBmp(bmp);
    if (!image)
        return false;
    record.Kep.setFromBmp(*image, bmp);
    record.Use_Kep = true;
    return true;
}

// Code pages in which every ASCII byte is that character on its own.
bool asciiTransparent(QByteArray name)
{
    name = name.toLower();
    return name.startsWith("windows-125") || name == "windows-874" || name.startsWith("iso-8859-")
           || name.startsWith("koi8-") || name == "utf-8";
}

// Decodes single lines exactly as decoding the whole text would have.
class LineDecoder {
public:
    explicit LineDecoder(codepage::TextEncoding encoding)
        : m_utf8(encoding != codepage::TextEncoding::Ansi),
          m_ansi(codepage::ansiCodePage().constData(),
                 QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom)
    {
    }
    QString operator()(QByteArrayView line)
    {
        if (m_utf8)
            return QString::fromUtf8(line);
        return m_ansi.isValid() ? QString(m_ansi.decode(line)) : QString::fromLatin1(line);
    }

private:
    bool m_utf8;
    QStringDecoder m_ansi;
};

// The sample array is reserved once: one sample per line at most, and a
// sample line has at least 6 characters with its terminator.
void reserveSamples(TFile_Datas &record, qsizetype lines, qint64 characters)
{
    std::vector<TMeres_Datas> &samples = record.Meres_Datas;
    samples.reserve(size_t(std::min<qint64>(lines, characters / 6 + 1)));
    preferHugePages(samples.data(), samples.capacity() * sizeof(TMeres_Datas));
}

// One line of the text as bytes: the usual sample line read in one pass,
// other lines without "<" outside the text blocks at byte level, the rest
// decoded.
class ByteLine {
public:
    ByteLine(LineParser &parser, codepage::TextEncoding encoding) : m_parser(parser), m_decode(encoding) {}

    const char *operator()(const char *p, const char *e, LineOutcome &outcome)
    {
        if (const char *next = m_parser.parseUsualSample(p, e))
            return next;
        const ScannedLine<char> line = scanLine(p, e);
        if (!line.hasAngle && !m_parser.inTextBlock())
            outcome = m_parser.parsePlainLine(line.begin, line.end, line.tab1, line.tab2, line.tabs);
        else
            outcome = m_parser.parseLine(m_decode(QByteArrayView(line.begin, line.end)));
        return line.next;
    }

private:
    LineParser &m_parser;
    LineDecoder m_decode;
};

// Walks the lines of consecutive pieces of a text; a line cut by the end of
// a piece waits for its rest.
class PieceLines {
public:
    PieceLines(LineWalk &walk, ByteLine &line) : m_walk(walk), m_line(line) {}

    // False when a line failed.
    bool add(QByteArrayView piece, bool last)
    {
        const char *p = piece.data();
        const char *const e = p + piece.size();
        if (!m_carry.empty()) {
            // The carried line ends in this piece's first line.
            const void *lf = std::memchr(p, '\n', size_t(e - p));
            const char *headEnd = lf ? static_cast<const char *>(lf) + 1 : e;
            m_carry.insert(m_carry.end(), p, headEnd);
            p = headEnd;
            const char *cut = walkLines(m_carry.data(), m_carry.data() + m_carry.size(), last && p == e);
            if (!cut)
                return false;
            m_carry.erase(m_carry.begin(), m_carry.begin() + (cut - m_carry.data()));
        }
        if (p == e)
            return true;
        const char *cut = walkLines(p, e, last);
        if (!cut)
            return false;
        m_carry.assign(cut, e);
        return true;
    }

private:
    // The complete lines of [b, e), all of them at the end of the text;
    // where the rest begins, or nullptr when a line failed.
    const char *walkLines(const char *b, const char *e, bool last)
    {
        const char *cut = last ? e : completeLinesEnd(b, e);
        return m_walk.run(b, cut, m_line) ? cut : nullptr;
    }

    LineWalk &m_walk;
    ByteLine &m_line;
    std::vector<char> m_carry;
};

// The lines of [textBegin, textEnd), read piece by piece.
ReadFailure parsePieces(ByteSource &source, const FileScan &scan, LineParser &parser,
                        ReadResult &result, ProgressSink &sink)
{
    reserveSamples(result.record, scan.lines, scan.textEnd - scan.textBegin);
    if (scan.textEnd <= scan.textBegin)
        return ReadFailure::None;
    ByteLine line(parser, scan.encoding);
    LineWalk walk(result, sink, scan.lines);
    PieceLines lines(walk, line);
    bool badValue = false;
    qint64 at = scan.textBegin;
    const bool read = source.readFrom(at, [&](QByteArrayView piece) {
        piece.truncate(std::min<qint64>(piece.size(), scan.textEnd - at));
        at += piece.size();
        const bool last = at >= scan.textEnd;
        badValue = !lines.add(piece, last);
        return !badValue && !last;
    });
    if (badValue)
        return ReadFailure::BadValue;
    // A file that shrank since the first reading no longer holds its text.
    return read && at >= scan.textEnd ? ReadFailure::None : ReadFailure::FileUnreadable;
}

bool parseDecoded(QString text, LineParser &parser, ReadResult &result, ProgressSink &sink)
{
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    const qsizetype lines = countLines(text);
    reserveSamples(result.record, lines, text.size());
    const char16_t *b = QStringView(text).utf16();
    LineWalk walk(result, sink, lines);
    return walk.run(b, b + text.size(), [&](const char16_t *p, const char16_t *e, LineOutcome &outcome) {
        const ScannedLine<char16_t> line = scanLine(p, e);
        outcome = parser.parseLine(QStringView(line.begin, line.end));
        return line.next;
    });
}

// Encodings other than the byte-level ones are decoded whole.
ReadFailure parseWhole(ByteSource &source, const FileScan &scan, LineParser &parser,
                       ReadResult &result, ProgressSink &sink)
{
    std::optional<FreshPages> copy;
    QByteArrayView bytes;
    if (const std::optional<QByteArrayView> all = source.whole()) {
        bytes = *all;
    } else {
        copy.emplace(size_t(scan.size));
        qint64 at = 0;
        source.readFrom(0, [&](QByteArrayView piece) {
            piece.truncate(std::min<qint64>(piece.size(), scan.size - at));
            std::memcpy(copy->data() + at, piece.data(), size_t(piece.size()));
            at += piece.size();
            return at < scan.size;
        });
        if (at < scan.size)
            return ReadFailure::FileUnreadable;
        bytes = QByteArrayView(copy->data(), scan.size);
    }
    if (!parseDecoded(codepage::decodeWithBom(bytes), parser, result, sink))
        return ReadFailure::BadValue;
    return ReadFailure::None;
}

// Decoding stops at the first NUL; then every line goes through InitVar.
ReadFailure parseText(ByteSource &source, const FileScan &scan, ReadResult &result,
                      ProgressSink &sink)
{
    const QChar separator = vorn::numfmt::decimalSeparator();
    LineParser parser(result.record, separator);
    const bool byteLevel = separator.unicode() < 0x80
                           && (scan.encoding == codepage::TextEncoding::Utf8Bom
                               || (scan.encoding == codepage::TextEncoding::Ansi
                                   && asciiTransparent(codepage::ansiCodePage())));
    if (!byteLevel)
        return parseWhole(source, scan, parser, result, sink);
    return parsePieces(source, scan, parser, result, sink);
}

ReadResult readWhole(ByteSource &source, const ProgressFn &progress)
{
    ReadResult result;
    ProgressSink sink(progress);
    FileScan scan;
    if (!scanFile(source, sink, scan))
        return failed(result, ReadFailure::FileUnreadable);
    // The picture search's progress divides by the file size: an empty file
    // fails there.
    if (scan.size == 0)
        return failed(result, ReadFailure::EmptyFile);
    if (!readPicture(source, scan.picture, result.record))
        return failed(result, ReadFailure::BadPicture);
    ClearVariables(result.record);
    Set_Default(result.record);
    if (const ReadFailure failure = parseText(source, scan, result, sink); failure != ReadFailure::None)
        return failed(result, failure);
    sink.report(60);
    if (result.record.Meres_Datas.size() < 2)
        return failed(result, ReadFailure::TooFewSamples);
    return result;
}

} // namespace

ReadResult detail::readMeasurementFrom(ByteSource &source, const ProgressFn &progress)
{
    try {
        return readWhole(source, progress);
    } catch (const std::bad_alloc &) {
        ReadResult result;
        return failed(result, ReadFailure::OutOfMemory);
    }
}

ReadResult readMeasurement(QByteArrayView bytes, const ProgressFn &progress)
{
    MemorySource source(bytes);
    return readMeasurementFrom(source, progress);
}

ReadResult readMeasurementFile(const QString &path, const ProgressFn &progress)
{
    QFile file(path);
    // Only regular files: a folder cannot be read, a pipe could block forever.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        ReadResult result;
        return failed(result, ReadFailure::FileUnreadable);
    }
    FileSource source(file);
    return readMeasurementFrom(source, progress);
}

} // namespace vorn::measurement
