// Measurement file bytes from memory or from a file, in pieces.
#include "ByteSource.h"

namespace vorn::measurement::detail {

namespace {

// Large enough that a piece costs nothing next to its lines, small enough
// to stay in the processor's cache while they are parsed.
constexpr qint64 kPieceSize = qint64(1) << 20;

} // namespace

bool MemorySource::readFrom(qint64 offset, const std::function<bool(QByteArrayView)> &take)
{
    if (offset < m_bytes.size())
        take(m_bytes.sliced(offset));
    return true;
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
