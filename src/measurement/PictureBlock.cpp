// Backward searches for the picture markers. Each looks only at the "<"
// bytes, found with memrchr, so a file of samples is crossed at memory speed.
#include "PictureBlock.h"

#include <cstring>

namespace vorn::measurement {

namespace {

// The last "<" in [lo, hi), or nullptr.
const char *lastAngle(const char *lo, const char *hi)
{
    if (hi <= lo)
        return nullptr;
#if defined(__GLIBC__)
    return static_cast<const char *>(memrchr(lo, '<', size_t(hi - lo)));
#else
    for (const char *p = hi; p != lo;) {
        if (*--p == '<')
            return p;
    }
    return nullptr;
#endif
}

bool startsWithAt(QByteArrayView bytes, qsizetype at, QByteArrayView text)
{
    return at + text.size() <= bytes.size()
           && std::memcmp(bytes.data() + at, text.data(), size_t(text.size())) == 0;
}

} // namespace

qsizetype findPictureMarker(QByteArrayView bytes)
{
    const qsizetype last = bytes.size() - 8; // the last position with 8 bytes
    if (last < 1)
        return -1;
    const char *base = bytes.data();
    for (const char *hit = lastAngle(base + 1, base + last + 1); hit;
         hit = lastAngle(base + 1, hit)) {
        const qsizetype at = hit - base;
        if (startsWithAt(bytes, at, "<Result>"))
            return -1;
        if (startsWithAt(bytes, at, "<Kep>"))
            return at;
    }
    return -1;
}

qsizetype findPictureEnd(QByteArrayView bytes, qsizetype marker)
{
    const qsizetype last = bytes.size() - 5; // the last position with 5 bytes
    if (marker < 0 || last < marker)
        return -1;
    const char *base = bytes.data();
    for (const char *hit = lastAngle(base + marker, base + last + 1); hit;
         hit = lastAngle(base + marker, hit)) {
        if (startsWithAt(bytes, hit - base, "<EOF>"))
            return hit - base;
    }
    return -1;
}

} // namespace vorn::measurement
