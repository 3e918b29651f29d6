// The load of a measurement file (Betoltes): picture search, reset, lines.
//
// Sample lines are parsed straight from the file's bytes: for the encodings
// that allow it (single-byte code pages and UTF-8) every line that holds no
// "<" and lies outside the comment and RN blocks can only be a sample line,
// and its ASCII bytes are its characters, so only the few other lines are
// decoded. Other encodings are decoded whole first; both ways give the same
// record.
#include "MeasurementReader.h"

#include "BmpHeader.h"
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

// Passes a percentage on only when its whole-number value changes.
class ProgressSink {
public:
    explicit ProgressSink(const ProgressFn &fn) : m_fn(fn) {}
    bool active() const { return bool(m_fn); }
    void report(double percent)
    {
        const int shown = roundHalfEven(percent);
        if (!m_fn || shown == m_shown)
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

ReadResult failed(ReadResult &result, ReadFailure failure)
{
    result.failure = failure;
    result.error = failure == ReadFailure::TooFewSamples ? kErrTooFewSamples : kErrCannotRead;
    return std::move(result);
}

// Read_Kep: finds the picture block and decodes it. False when a block is
// there but its bytes are not a BMP that decodes.
bool readPicture(QByteArrayView bytes, TFile_Datas &record, ProgressSink &progress)
{
    record.Use_Kep = false;
    progress.report(0);
    const qsizetype marker = findPictureMarker(bytes);
    progress.report(15);
    if (marker < 0)
        return true;
    const PicturePlace place{marker, findPictureEnd(bytes, marker)};
    progress.report(30);
    if (!place.found())
        return true;
    if (place.end <= place.begin())
        return false;
    const QByteArray bmp = bytes.sliced(place.begin(), place.end - place.begin()).toByteArray();
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

QByteArrayView untilNul(QByteArrayView text)
{
    const void *nul = std::memchr(text.data(), 0, size_t(text.size()));
    return nul ? text.first(static_cast<const char *>(nul) - text.data()) : text;
}

qsizetype linesIn(const char *p, const char *e) { return countLines(QByteArrayView(p, e - p)); }
qsizetype linesIn(const char16_t *p, const char16_t *e) { return countLines(QStringView(p, e - p)); }

// Runs step(p, outcome) over every line, which handles the line at p and
// returns the start of the next, with the bookkeeping every line shares: the
// sample array reserved once, the outcome noted, the progress advanced.
template<typename Ch, typename Step>
bool forEachLine(const Ch *p, const Ch *e, ReadResult &result, ProgressSink &sink, Step step)
{
    const qsizetype count = linesIn(p, e);
    // A sample line has at least 6 characters with its terminator.
    std::vector<TMeres_Datas> &samples = result.record.Meres_Datas;
    samples.reserve(size_t(std::min<qsizetype>(count, (e - p) / 6 + 1)));
    preferHugePages(samples.data(), samples.capacity() * sizeof(TMeres_Datas));
    LineProgress progress(sink, count);
    for (qsizetype index = 0; p != e; ++index) {
        LineOutcome outcome = LineOutcome::Done;
        p = step(p, outcome);
        if (outcome == LineOutcome::SkippedSample && result.skippedSampleLines++ == 0)
            result.firstSkippedLine = int(index + 1);
        if (outcome == LineOutcome::BadValue) {
            result.failedLine = int(index + 1);
            return false;
        }
        progress.afterLine(index);
    }
    return true;
}

bool parseBytes(QByteArrayView text, codepage::TextEncoding encoding, LineParser &parser,
                ReadResult &result, ProgressSink &sink)
{
    LineDecoder decode(encoding);
    const char *e = text.data() + text.size();
    return forEachLine(text.data(), e, result, sink, [&](const char *p, LineOutcome &outcome) {
        if (const char *next = parser.parseUsualSample(p, e))
            return next;
        const ScannedLine<char> line = scanLine(p, e);
        if (!line.hasAngle && !parser.inTextBlock())
            outcome = parser.parsePlainLine(line.begin, line.end, line.tab1, line.tab2, line.tabs);
        else
            outcome = parser.parseLine(decode(QByteArrayView(line.begin, line.end)));
        return line.next;
    });
}

bool parseDecoded(QString text, LineParser &parser, ReadResult &result, ProgressSink &sink)
{
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    const char16_t *b = QStringView(text).utf16();
    const char16_t *e = b + text.size();
    return forEachLine(b, e, result, sink, [&](const char16_t *p, LineOutcome &outcome) {
        const ScannedLine<char16_t> line = scanLine(p, e);
        outcome = parser.parseLine(QStringView(line.begin, line.end));
        return line.next;
    });
}

// Decoding stops at the first NUL; then every line goes through InitVar.
bool parseText(QByteArrayView bytes, ReadResult &result, ProgressSink &sink)
{
    const QChar separator = vorn::numfmt::decimalSeparator();
    LineParser parser(result.record, separator);
    const codepage::TextEncoding encoding = codepage::detectBom(bytes);
    const bool byteLevel = separator.unicode() < 0x80
                           && (encoding == codepage::TextEncoding::Utf8Bom
                               || (encoding == codepage::TextEncoding::Ansi
                                   && asciiTransparent(codepage::ansiCodePage())));
    if (!byteLevel)
        return parseDecoded(codepage::decodeWithBom(bytes), parser, result, sink);
    const QByteArrayView body =
        encoding == codepage::TextEncoding::Utf8Bom ? bytes.sliced(3) : bytes;
    return parseBytes(untilNul(body), encoding, parser, result, sink);
}

ReadResult readWhole(QByteArrayView bytes, const ProgressFn &progress)
{
    ReadResult result;
    // The picture search's progress divides by the file size: an empty file
    // fails there.
    if (bytes.isEmpty())
        return failed(result, ReadFailure::EmptyFile);
    ProgressSink sink(progress);
    if (!readPicture(bytes, result.record, sink))
        return failed(result, ReadFailure::BadPicture);
    ClearVariables(result.record);
    Set_Default(result.record);
    if (!parseText(bytes, result, sink))
        return failed(result, ReadFailure::BadValue);
    sink.report(60);
    if (result.record.Meres_Datas.size() < 2)
        return failed(result, ReadFailure::TooFewSamples);
    return result;
}

} // namespace

ReadResult readMeasurement(QByteArrayView bytes, const ProgressFn &progress)
{
    try {
        return readWhole(bytes, progress);
    } catch (const std::bad_alloc &) {
        ReadResult result;
        return failed(result, ReadFailure::OutOfMemory);
    }
}

ReadResult readMeasurementFile(const QString &path, const ProgressFn &progress)
{
    ReadResult result;
    QFile file(path);
    // Only regular files: a folder cannot be read, a pipe could block forever.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return failed(result, ReadFailure::FileUnreadable);
    // The file's bytes live only for the parse, in pages of their own that
    // go back to the system afterwards.
    std::optional<FreshPages> bytes;
    try {
        bytes.emplace(size_t(std::max<qint64>(file.size(), 0)));
    } catch (const std::bad_alloc &) {
        return failed(result, ReadFailure::OutOfMemory);
    }
    const qint64 got = bytes->size() > 0 ? file.read(bytes->data(), qint64(bytes->size())) : 0;
    if (got < 0 || file.error() != QFileDevice::NoError)
        return failed(result, ReadFailure::FileUnreadable);
    // The file may have shrunk since it was opened.
    return readMeasurement(QByteArrayView(bytes->data(), got), progress);
}

} // namespace vorn::measurement
