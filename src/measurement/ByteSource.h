// The bytes of a measurement file, handed to the reader front to back in
// pieces: from memory in one piece, from a file through a small buffer, so
// that a large file never needs to be in memory as a whole.
#pragma once

#include <QByteArrayView>
#include <QFile>

#include <functional>
#include <optional>
#include <vector>

namespace vorn::measurement::detail {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // The size when reading began (a file may change while it is read).
    virtual qint64 size() const = 0;
    // Hands the bytes from `offset` to the end to take() in consecutive
    // pieces, until take() returns false. False when reading fails.
    virtual bool readFrom(qint64 offset, const std::function<bool(QByteArrayView)> &take) = 0;
    // All bytes, when they are in memory anyway.
    virtual std::optional<QByteArrayView> whole() const { return std::nullopt; }
};

// Bytes in memory: in one piece, or, with a piece size, as a file would
// hand them over (then not as a whole either), which the tests use.
class MemorySource : public ByteSource {
public:
    explicit MemorySource(QByteArrayView bytes, qint64 pieceSize = 0)
        : m_bytes(bytes), m_pieceSize(pieceSize)
    {
    }
    qint64 size() const override { return m_bytes.size(); }
    bool readFrom(qint64 offset, const std::function<bool(QByteArrayView)> &take) override;
    std::optional<QByteArrayView> whole() const override;

private:
    QByteArrayView m_bytes;
    qint64 m_pieceSize;
};

// Reads an open file through a buffer of its own, reused for every piece.
class FileSource : public ByteSource {
public:
    explicit FileSource(QFile &file);
    qint64 size() const override { return m_size; }
    bool readFrom(qint64 offset, const std::function<bool(QByteArrayView)> &take) override;

private:
    QFile &m_file;
    qint64 m_size;
    std::vector<char> m_buffer;
};

} // namespace vorn::measurement::detail
