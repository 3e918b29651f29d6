// Line splitting with a 16-bytes-at-a-time scan on x86 (SSE2 is part of the
// x86-64 baseline) and a plain loop elsewhere and for the last bytes.
#include "TextLines.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#define VORN_LINES_SSE2 1
#endif

namespace vorn::measurement::detail {

namespace {

template<typename Ch>
void noteTab(ScannedLine<Ch> &line, const Ch *at)
{
    if (line.tabs == 0)
        line.tab1 = at;
    else if (line.tabs == 1)
        line.tab2 = at;
    line.tabs = std::min(line.tabs + 1, 3);
}

// Scans from q to e one character at a time until a terminator.
template<typename Ch>
void scanTail(ScannedLine<Ch> &line, const Ch *q, const Ch *e)
{
    for (; q != e; ++q) {
        const Ch c = *q;
        if (c == Ch('\r') || c == Ch('\n'))
            break;
        if (c == Ch('\t'))
            noteTab(line, q);
        else if (c == Ch('<'))
            line.hasAngle = true;
    }
    line.end = q;
}

template<typename Ch>
void findNext(ScannedLine<Ch> &line, const Ch *e)
{
    const Ch *q = line.end;
    if (q == e)
        line.next = e;
    else if (*q == Ch('\r') && q + 1 != e && q[1] == Ch('\n'))
        line.next = q + 2;
    else
        line.next = q + 1;
}

template<typename Ch>
qsizetype countLinesScalar(const Ch *p, const Ch *e)
{
    qsizetype terminators = 0;
    for (const Ch *q = p; q != e; ++q) {
        if (*q == Ch('\n'))
            ++terminators;
        else if (*q == Ch('\r') && (q + 1 == e || q[1] != Ch('\n')))
            ++terminators;
    }
    return terminators;
}

template<typename Ch>
qsizetype withLastLine(qsizetype terminators, const Ch *p, const Ch *e)
{
    if (p == e)
        return 0;
    const Ch last = e[-1];
    return terminators + ((last == Ch('\r') || last == Ch('\n')) ? 0 : 1);
}

} // namespace

ScannedLine<char> scanLine(const char *p, const char *e)
{
    ScannedLine<char> line;
    line.begin = p;
    const char *q = p;
#ifdef VORN_LINES_SSE2
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    const __m128i tab = _mm_set1_epi8('\t'), angle = _mm_set1_epi8('<');
    for (; e - q >= 16; q += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(q));
        const unsigned term = unsigned(_mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf))));
        const unsigned before = term ? (term & (0u - term)) - 1 : 0xFFFFu;
        unsigned tabs = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(v, tab))) & before;
        if (unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(v, angle))) & before)
            line.hasAngle = true;
        for (; tabs != 0 && line.tabs < 3; tabs &= tabs - 1)
            noteTab(line, q + std::countr_zero(tabs));
        if (term) {
            line.end = q + std::countr_zero(term);
            findNext(line, e);
            return line;
        }
    }
#endif
    scanTail(line, q, e);
    findNext(line, e);
    return line;
}

ScannedLine<char16_t> scanLine(const char16_t *p, const char16_t *e)
{
    ScannedLine<char16_t> line;
    line.begin = p;
    scanTail(line, p, e);
    findNext(line, e);
    return line;
}

qsizetype countLines(QByteArrayView text)
{
    const char *p = text.data();
    const char *e = p + text.size();
    const char *q = p;
    qsizetype terminators = 0;
#ifdef VORN_LINES_SSE2
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    // Blocks of 16 with one byte of look-ahead, so that a CR at the end of a
    // block can see whether an LF follows it. Each byte lane counts its
    // terminators (a match is -1) for up to 255 blocks before the lanes are
    // summed.
    while (e - q >= 17) {
        __m128i lanes = _mm_setzero_si128();
        for (int block = 0; block < 255 && e - q >= 17; ++block, q += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(q));
            const __m128i ahead = _mm_loadu_si128(reinterpret_cast<const __m128i *>(q + 1));
            const __m128i loneCr =
                _mm_andnot_si128(_mm_cmpeq_epi8(ahead, lf), _mm_cmpeq_epi8(v, cr));
            lanes = _mm_sub_epi8(lanes, _mm_or_si128(_mm_cmpeq_epi8(v, lf), loneCr));
        }
        const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        terminators += _mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4);
    }
#endif
    terminators += countLinesScalar(q, e);
    return withLastLine(terminators, p, e);
}

void LineCounter::add(QByteArrayView piece)
{
    if (piece.isEmpty())
        return;
    const char last = piece.back();
    const bool open = last != '\r' && last != '\n'; // countLines() counted that line too
    m_terminators += countLines(piece) - (open ? 1 : 0);
    if (m_last == '\r' && piece.front() == '\n')
        --m_terminators; // counted as a lone CR before
    m_last = last;
    m_any = true;
}

qsizetype LineCounter::lines() const
{
    if (!m_any)
        return 0;
    return m_terminators + ((m_last == '\r' || m_last == '\n') ? 0 : 1);
}

const char *completeLinesEnd(const char *p, const char *e)
{
    const char *limit = (e != p && e[-1] == '\r') ? e - 1 : e;
    for (const char *q = limit; q != p;) {
        --q;
        if (*q == '\n' || *q == '\r')
            return q + 1;
    }
    return p;
}

qsizetype countLines(QStringView text)
{
    const char16_t *p = text.utf16();
    const char16_t *e = p + text.size();
    return withLastLine(countLinesScalar(p, e), p, e);
}

} // namespace vorn::measurement::detail
