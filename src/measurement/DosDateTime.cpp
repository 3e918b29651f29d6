// Packed DOS date-time of a file.
#include "DosDateTime.h"

#include <QFileInfo>

namespace vorn::measurement {

int32_t packDosDateTime(const QDateTime &localTime)
{
    const QDate d = localTime.date();
    const QTime t = localTime.time();
    if (!d.isValid() || d.year() < 1980 || d.year() > 2107)
        return -1;
    const uint32_t packed = uint32_t(d.year() - 1980) << 25 | uint32_t(d.month()) << 21
                            | uint32_t(d.day()) << 16 | uint32_t(t.hour()) << 11
                            | uint32_t(t.minute()) << 5 | uint32_t(t.second() / 2);
    return int32_t(packed);
}

int32_t dosFileDateTime(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return -1;
    return packDosDateTime(info.lastModified().toLocalTime());
}

QDateTime unpackDosDateTime(int32_t packed)
{
    const uint32_t v = uint32_t(packed);
    const QDate date(int(v >> 25) + 1980, int(v >> 21 & 0xF), int(v >> 16 & 0x1F));
    const QTime time(int(v >> 11 & 0x1F), int(v >> 5 & 0x3F), int(v & 0x1F) * 2);
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}

} // namespace vorn::measurement
