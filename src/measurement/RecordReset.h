// The reset a measurement record gets before a file is read into it.
#pragma once

#include "MeasurementRecord.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace vorn::measurement {

// Empties the samples, the place, instrument, operator and axis-range texts,
// zeroes the parameters and corrections, sets MDT to the current date and
// time, Minosites to false and Last_Time_Me to 1 (minutes). Kis_Aram,
// Pass_100, tipus, RName, Megj, sorszam, prog_verzio and the picture are left
// as they are.
void ClearVariables(TFile_Datas &record);

// Copies the default gains and offsets (not DeltaM) into the record.
void Set_Default(TFile_Datas &record);

// A date and time as the locale's short date and long time, the long time
// without the time zone ("2024. 05. 14. 9:30:00" in Hungarian).
QString localDateTimeText(const QDateTime &when, const QLocale &locale = QLocale::system());

} // namespace vorn::measurement
