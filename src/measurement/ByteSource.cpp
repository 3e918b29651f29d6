// Measurement file bytes from memory or from a file, in pieces.
#include "ByteSource.h"

#include <algorithm>

namespace vorn::measurement::detail {

namespace {

// Large enough that a piece costs nothing next to its lines, small enough
// to stay in the processor's cache while they are parsed.
constexpr qint64 kPieceSize = qint64(1) << 20;

} // namespace

bool MemorySource::readFrom(qint64 offset, const std::function<bool(QByteArrayView)> &take)
{
    const qint64 piece = m_pieceSize > 0 ? m_pieceSize : m_bytes.size();
    for (qint64 at = offset; at < m_bytes.size(); at += piece) {
        if (!take(m_bytes.sliced(at, std::min(piece, m_bytes.size() - at))))
            break;
    }
    return true;
}

std::optional<QByteArrayView> MemorySource::whole() const
{
    if (m_pieceSize > 0)
        return std::nullopt;
    return m_bytes;
}

FileSource::FileSource(QFile &file) : m_file(file), m_size(file.size()) {}

bool FileSource::readFrom(qint64 offset, const std::function<bool(QByteArrayView)> &take)
{
    if (m_buffer.empty())
        m_buffer.resize(size_t(kPieceSize));
    if (!m_file.seek(offset))
        return false;
    for (;;) {
        const qint64 got = m_file.read(m_buffer.data(), kPieceSize);
        if (got < 0 || m_file.error() != QFileDevice::NoError)
            return false;
        if (got == 0 || !take(QByteArrayView(m_buffer.data(), got)))
            return true;
    }
}

} // namespace vorn::measurement::detail
