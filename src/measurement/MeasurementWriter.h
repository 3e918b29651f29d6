// Writing a measurement record as a measurement file (.VRN).
#pragma once

#include "MeasurementRecord.h"
#include "settings/SafeFileWrite.h"

#include <QByteArray>
#include <QString>

namespace vorn::measurement {

// The file's bytes: "<MEAS>", the samples renumbered from 0 ("#0.00", a "-"
// before the current of a charging sample), the descriptive lines, the
// comment and RN blocks, the parameter lines, the picture block when Use_Kep
// and Kep holds a picture, then "<EOF>". CR LF line ends, the ANSI code page,
// no byte-order mark; numbers with the program's current decimal separator.
// Two extra lines keep a saved file reading back as it was written: a blank
// "<MDT>" line when no descriptive line would otherwise end the sample
// section before a comment or RN block holding TABs, and a "<Result>" line
// before "<EOF>" when a text holds "<Kep>" but no picture is saved.
QByteArray writeMeasurement(const TFile_Datas &record);

// ok, or errorText "<path>: <reason>" with the system's reason.
using SaveResult = FileWriteResult;

// Writes the record to path through a temporary file beside it that replaces
// the old file only once it is complete: a failed save leaves any existing
// file as it was.
SaveResult saveMeasurementFile(const QString &path, const TFile_Datas &record);

// The file name a save writes to: if the chosen name (after the last folder
// separator) contains a ".", everything from its first "." on is dropped;
// then ".VRN" is appended. "run.final.txt" -> "run.VRN".
QString measurementSavePath(const QString &chosenPath);

} // namespace vorn::measurement
