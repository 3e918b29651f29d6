// A file's modification time in the packed DOS form.
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>

namespace vorn::measurement {

// Bits 31-25 year - 1980, 24-21 month, 20-16 day, 15-11 hour, 10-5 minute,
// 4-0 seconds / 2. -1 for a time outside 1980..2107, which the form cannot
// hold.
int32_t packDosDateTime(const QDateTime &localTime);

// The packed DOS date and time of the file's last modification, in local
// time; -1 when path is not an existing file.
int32_t dosFileDateTime(const QString &path);

// The local date and time a packed value stands for; invalid when its fields
// do not form a date and time (month 13, hour 25, ...).
QDateTime unpackDosDateTime(int32_t packed);

} // namespace vorn::measurement
