// Reading a measurement file (.VRN) into a measurement record: bytes in,
// record or error out, progress through a callback. No window involved.
#pragma once

#include "MeasurementRecord.h"

#include <QByteArrayView>
#include <QString>
#include <functional>

namespace vorn::measurement {

// The text-table (Err_List) indices of the two ways a load fails.
inline constexpr int kErrCannotRead = 3;     // cannot be opened, read or converted
inline constexpr int kErrTooFewSamples = 29; // fewer than 2 samples

// Why a load failed, in more detail than the message the user sees.
enum class ReadFailure {
    None,
    FileUnreadable, // missing, a folder, locked or unreadable
    EmptyFile,      // 0 bytes
    BadPicture,     // a picture block whose BMP does not fit its bytes or decode
    BadValue,       // a tag value or sample field that does not convert
    TooFewSamples,  // fewer than 2 samples after every line
    OutOfMemory,    // the file is too large for the memory available
};

struct ReadResult {
    int error = 0; // 0, kErrCannotRead or kErrTooFewSamples
    ReadFailure failure = ReadFailure::None;
    int failedLine = 0;         // 1-based text line of a BadValue, else 0
    int skippedSampleLines = 0; // sample-section lines with 2 or more than 3 fields
    int firstSkippedLine = 0;   // 1-based line of the first of them, else 0
    TFile_Datas record;         // meaningful only when ok()
    bool ok() const { return error == 0; }
};

// Receives the load's progress in percent: 0-15 while the picture marker is
// sought, 15-30 while its end is sought, 30-60 over the text lines. Called
// only when the whole-number percentage changes.
using ProgressFn = std::function<void(double percent)>;

// Reads a whole measurement file held in memory. Decimal fractions are read
// with the program's current decimal separator (vorn::numfmt), text in the
// encoding its byte-order mark names, else in the ANSI code page.
ReadResult readMeasurement(QByteArrayView bytes, const ProgressFn &progress = {});

// Reads the file at path; a missing, unreadable or empty file fails with
// kErrCannotRead. The file is read in pieces, never held whole.
ReadResult readMeasurementFile(const QString &path, const ProgressFn &progress = {});

namespace detail {
class ByteSource;
// The reader over any source of bytes: the two functions above hand it the
// bytes in memory, or the file piece by piece.
ReadResult readMeasurementFrom(ByteSource &source, const ProgressFn &progress = {});
} // namespace detail

} // namespace vorn::measurement
