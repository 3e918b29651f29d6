// BMP header validation before Qt's reader sees the bytes: Qt accepts a BMP
// whose pixel rows are cut short (the missing rows are left undefined), and
// a forged width and height would make it allocate whatever they claim.
#include "BmpHeader.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cstdint>

namespace vorn::measurement {

namespace {

constexpr int64_t kFileHeaderSize = 14;

uint32_t u16(const uchar *p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t u32(const uchar *p) { return u16(p) | u16(p + 2) << 16; }

struct DibHeader {
    int64_t width = 0;
    int64_t height = 0; // negative for top-down rows
    uint32_t planes = 0;
    uint32_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
    int64_t end = 0;          // first byte after the header (and its masks)
    int64_t paletteEntry = 4; // bytes per colour-table entry
};

bool knownHeaderSize(uint32_t size)
{
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 64 || size == 108
           || size == 124;
}

std::optional<DibHeader> readDibHeader(const uchar *d, int64_t available)
{
    const uint32_t size = u32(d + kFileHeaderSize);
    if (!knownHeaderSize(size) || kFileHeaderSize + int64_t(size) > available)
        return std::nullopt;
    const uchar *h = d + kFileHeaderSize;
    DibHeader dib;
    if (size == 12) { // OS/2 core header: 16-bit sizes, 3-byte colours
        dib.width = int16_t(u16(h + 4));
        dib.height = int16_t(u16(h + 6));
        dib.planes = u16(h + 8);
        dib.bitCount = u16(h + 10);
        dib.paletteEntry = 3;
    } else {
        dib.width = int32_t(u32(h + 4));
        dib.height = int32_t(u32(h + 8));
        dib.planes = u16(h + 12);
        dib.bitCount = u16(h + 14);
        dib.compression = u32(h + 16);
        dib.colorsUsed = u32(h + 32);
    }
    // A plain info header with bit fields is followed by three colour masks.
    dib.end = kFileHeaderSize + size + (size == 40 && dib.compression == 3 ? 12 : 0);
    return dib;
}

bool decodableFormat(const DibHeader &dib)
{
    const uint32_t bits = dib.bitCount;
    const bool knownDepth = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24
                            || bits == 32;
    const bool plain = dib.compression == 0;
    const bool bitFields = dib.compression == 3 && (bits == 16 || bits == 32);
    return knownDepth && (plain || bitFields) && dib.planes == 1 && dib.width > 0
           && dib.height != 0 && dib.height > -(int64_t(1) << 30) && dib.width < (int64_t(1) << 30)
           && dib.height < (int64_t(1) << 30);
}

// Where the pixel rows end: after the colour table, or at the offset the
// file header gives when that lies further on (where Qt's reader goes too).
int64_t pixelDataEnd(const DibHeader &dib, int64_t pixelOffset)
{
    int64_t colors = 0;
    if (dib.bitCount <= 8)
        colors = dib.colorsUsed != 0 ? int64_t(dib.colorsUsed) : int64_t(1) << dib.bitCount;
    if (colors > 256)
        return -1;
    const int64_t paletteEnd = dib.end + colors * dib.paletteEntry;
    const int64_t start = std::max(paletteEnd, pixelOffset);
    const int64_t rowBytes = (dib.width * dib.bitCount + 31) / 32 * 4;
    const int64_t rows = dib.height < 0 ? -dib.height : dib.height;
    return start + rowBytes * rows; // at most 2^30 x 2^35: no overflow
}

} // namespace

bool bmpHeaderFitsBytes(QByteArrayView bmp)
{
    const int64_t present = bmp.size();
    if (present < kFileHeaderSize + 4 || !bmp.startsWith("BM"))
        return false;
    const auto *d = reinterpret_cast<const uchar *>(bmp.data());
    const int64_t fileSize = u32(d + 2);
    const int64_t pixelOffset = u32(d + 10);
    if (fileSize > present)
        return false;
    const std::optional<DibHeader> dib = readDibHeader(d, fileSize);
    if (!dib || !decodableFormat(*dib))
        return false;
    const int64_t end = pixelDataEnd(*dib, pixelOffset);
    return end > 0 && end <= fileSize;
}

std::optional<QImage> decodeBmp(const QByteArray &bmp)
{
    if (!bmpHeaderFitsBytes(bmp))
        return std::nullopt;
    QByteArray bytes = bmp; // shared, not copied: QBuffer wants a QByteArray
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAllocationLimit(kPictureAllocationLimitMB);
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return image;
}

} // namespace vorn::measurement
