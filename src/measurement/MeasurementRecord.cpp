// The picture of a measurement: the decoded image and the BMP file behind it.
#include "MeasurementRecord.h"

#include <QBuffer>
#include <QImageWriter>

QByteArray TBitmap::bmpFile() const
{
    if (!m_bmpFile.isEmpty() || m_image.isNull())
        return m_bmpFile;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(m_image))
        return {};
    return bytes;
}

void TBitmap::setImage(const QImage &image)
{
    m_image = image;
    m_bmpFile.clear();
}

void TBitmap::setFromBmp(const QImage &image, const QByteArray &bmpFile)
{
    m_image = image;
    m_bmpFile = bmpFile;
}

void TBitmap::clear()
{
    m_image = QImage();
    m_bmpFile.clear();
}
