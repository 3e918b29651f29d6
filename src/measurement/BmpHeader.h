// Checking a BMP file's header against the bytes that are really there, and
// decoding it under a memory limit.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <optional>

namespace vorn::measurement {

// Decoded images larger than this are refused (QImageReader's limit, MB).
inline constexpr int kPictureAllocationLimitMB = 256;

// True when bmp starts with a BMP file header and an info header the program
// can decode (uncompressed 1, 4, 8, 24 or 32 bits, or bit fields with 16 or
// 32 bits, one plane, positive width, non-zero height), and everything they
// describe lies within bmp: the file size field is at most bmp's size, and the
// colour table and width x height pixel rows (4-byte aligned rows) end within
// that file size. Run-length compressed pictures are refused: their
// completeness cannot be told from the header, and the program never writes
// them.
bool bmpHeaderFitsBytes(QByteArrayView bmp);

// The picture in bmp, or nothing when its header does not fit its bytes or
// Qt's BMP reader cannot decode it within kPictureAllocationLimitMB.
std::optional<QImage> decodeBmp(const QByteArray &bmp);

} // namespace vorn::measurement
