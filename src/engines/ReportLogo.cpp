// The program's logo in colour (vector) and in black and white (bitmap).
#include "engines/ReportLogo.h"

#include <QPainter>
#include <QSvgRenderer>

namespace vorn::report {

namespace {

constexpr double kLogoArtwork = 76.0;   // the logo frame is 76 units tall
constexpr double kBlackWhiteSize = 78.0;
constexpr int kPixelsPerUnit = 3;

} // namespace

QString appLogoResource()
{
    return QStringLiteral(":/report/app_logo.svg");
}

QPicture svgPicture(const QString &resource, const QSizeF &size)
{
    QSvgRenderer renderer(resource);
    if (!renderer.isValid())
        return QPicture();
    QPicture picture;
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    painter.end();
    return picture;
}

QImage blackWhiteAppLogo()
{
    const int pixels = int(kBlackWhiteSize) * kPixelsPerUnit;
    QImage image(pixels, pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QSvgRenderer renderer(appLogoResource());
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const double artwork = kLogoArtwork * kPixelsPerUnit;
        renderer.render(&painter, QRectF(0, 0, artwork, artwork));
    }
    image = image.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(kPixelsPerUnit);
    return image;
}

} // namespace vorn::report
