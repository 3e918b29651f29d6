// libFuzzer target: any bytes through the measurement reader. Besides not
// crashing, a file that loads must load again after it is saved, and from
// the second save on saving must give the same bytes (the first reload may
// still change fields, since comment lines that hold tags are applied). Read
// in small pieces, as files are, the bytes must give the same outcome.
#include "measurement/ByteSource.h"
#include "measurement/MeasurementReader.h"
#include "measurement/MeasurementWriter.h"
#include "settings/AnsiCodePage.h"
#include "settings/NumberFormat.h"

#include <QtGlobal>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace vorn::measurement;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Qt's image reader warns about every broken picture; the fuzzer makes
    // thousands of them.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    vorn::numfmt::useComma();
    vorn::codepage::setAnsiCodePage("windows-1250");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    double lastPercent = -1;
    const ReadResult first = readMeasurement(bytes, [&](double percent) {
        if (percent < lastPercent || percent > 60) // progress only moves forward
            std::abort();
        lastPercent = percent;
    });
    // Read in pieces, the same outcome. A file without a date gets the
    // clock's, which may tick between two reads: a difference must stay
    // when both are read again.
    const auto piecesDiffer = [&] {
        const ReadResult whole = readMeasurement(bytes);
        detail::MemorySource pieces(bytes, 1 + qint64(size % 13));
        const ReadResult piecewise = detail::readMeasurementFrom(pieces);
        return piecewise.error != whole.error || piecewise.failedLine != whole.failedLine
               || (whole.ok() && writeMeasurement(piecewise.record) != writeMeasurement(whole.record));
    };
    if (piecesDiffer() && piecesDiffer()) {
        std::fprintf(stderr, "read in pieces, the file gives another outcome\n");
        std::abort();
    }
    if (!first.ok())
        return 0;
    const QByteArray saved = writeMeasurement(first.record);
    const ReadResult second = readMeasurement(saved);
    if (!second.ok()) {
        std::fprintf(stderr, "a loaded file does not load after saving: error %d\n", second.error);
        std::abort();
    }
    const QByteArray savedAgain = writeMeasurement(second.record);
    const ReadResult third = readMeasurement(savedAgain);
    if (!third.ok() || writeMeasurement(third.record) != savedAgain) {
        std::fprintf(stderr, "saving a reloaded file keeps changing its bytes\n");
        std::abort();
    }
    return 0;
}
