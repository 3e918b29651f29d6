// Backward searches for the picture markers. Each looks only at the "<"
// bytes, found with memrchr, so a file of samples is crossed at memory speed.
#include "PictureBlock.h"

#include <algorithm>
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

namespace {

constexpr qsizetype kLongestMarker = 8; // "<Result>"

} // namespace

// A "<" at `at`, with the bytes from there on that are known so far.
void PictureScan::check(qsizetype at, QByteArrayView from)
{
    if (from.startsWith("<EOF>")) {
        m_lastEnd = at;
    } else if (at >= 1 && (from.startsWith("<Kep>") || from.startsWith("<Result>"))) {
        m_hits[0] = m_hits[1];
        m_hits[1] = {at, from[1] == 'K'};
    }
}

void PictureScan::add(QByteArrayView piece)
{
    // The "<"s among the pending bytes, now that up to a marker's length
    // follows them (or everything there is, when the piece is short).
    QByteArray joined = m_pending;
    joined.append(piece.first(std::min(piece.size(), kLongestMarker - 1)));
    const qsizetype pendingStart = m_size - m_pending.size();
    for (qsizetype j = 0; j < m_pending.size(); ++j) {
        if (joined[j] == '<' && joined.size() - j >= kLongestMarker)
            check(pendingStart + j, QByteArrayView(joined).sliced(j));
    }
    // The piece's own "<"s that have a marker's length after them.
    const char *base = piece.data();
    const qsizetype decided = piece.size() - (kLongestMarker - 1);
    for (qsizetype j = 0; j < decided;) {
        const void *hit = std::memchr(base + j, '<', size_t(decided - j));
        if (!hit)
            break;
        j = static_cast<const char *>(hit) - base;
        check(m_size + j, piece.sliced(j));
        ++j;
    }
    if (piece.size() >= kLongestMarker - 1) {
        m_pending = piece.last(kLongestMarker - 1).toByteArray();
    } else {
        m_pending.append(piece);
        m_pending.remove(0, std::max<qsizetype>(0, m_pending.size() - (kLongestMarker - 1)));
    }
    m_size += piece.size();
}

PicturePlace PictureScan::place() const
{
    // The "<"s at the very end with fewer bytes after them than a marker.
    PictureScan last = *this;
    const qsizetype pendingStart = m_size - m_pending.size();
    for (qsizetype j = 0; j < m_pending.size(); ++j) {
        if (m_pending[j] == '<')
            last.check(pendingStart + j, QByteArrayView(m_pending).sliced(j));
    }
    PicturePlace place;
    for (int i = 1; i >= 0; --i) {
        const Hit &hit = last.m_hits[i];
        if (hit.at >= 0 && hit.at <= m_size - kLongestMarker) {
            place.marker = hit.picture ? hit.at : -1;
            break;
        }
    }
    if (place.marker >= 0 && last.m_lastEnd >= place.marker)
        place.end = last.m_lastEnd;
    return place;
}

} // namespace vorn::measurement
