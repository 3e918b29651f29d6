// Checks the program's SVG artwork: every listed picture is in the
// resources, is valid SVG of its intended size and draws something, the
// disabled toolbar glyphs differ, and the areas that carry text or meet
// another picture look the way the windows rely on.
#include "app/Artwork.h"

#include <QDir>
#include <QImage>
#include <QSet>
#include <QSvgRenderer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
namespace art = vorn::art;

namespace {

QImage render(const QString &name, qreal ratio = 1.0)
{
    return art::pixmap(name, art::intendedSize(name), ratio).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool hasVisiblePixel(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
        }
    }
    return false;
}

// Lightest and darkest opaque luminance (0..255) inside rect.
std::pair<int, int> luminanceRange(const QImage &image, const QRect &rect)
{
    int lightest = 0;
    int darkest = 255;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const int value = qGray(image.pixel(x, y));
            lightest = std::max(lightest, value);
            darkest = std::min(darkest, value);
        }
    }
    return {lightest, darkest};
}

} // namespace

TEST(Artwork, NamesMatchTheResourceFolderExactly)
{
    const QStringList &names = art::allNames();
    const QSet<QString> listed(names.begin(), names.end());
    EXPECT_EQ(listed.size(), names.size()) << "a name is listed twice";

    QSet<QString> shipped;
    for (const QString &file : QDir(u":/art"_s).entryList({u"*.svg"_s}, QDir::Files))
        shipped.insert(file.chopped(4));
    EXPECT_EQ(listed, shipped);
}

TEST(Artwork, EveryPictureIsValidSvgDeclaringItsIntendedSize)
{
    for (const QString &name : art::allNames()) {
        SCOPED_TRACE(name.toStdString());
        QSvgRenderer renderer(art::resourcePath(name));
        ASSERT_TRUE(renderer.isValid());
        EXPECT_EQ(renderer.defaultSize(), art::intendedSize(name));
    }
}

TEST(Artwork, EveryPictureDrawsSomethingAtItsIntendedSize)
{
    for (const QString &name : art::allNames()) {
        SCOPED_TRACE(name.toStdString());
        const QImage image = render(name);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), art::intendedSize(name));
        EXPECT_TRUE(hasVisiblePixel(image));
    }
}

TEST(Artwork, PixmapIsRenderedAtTheDevicePixelRatio)
{
    const QPixmap sharp = art::pixmap(u"app_logo"_s, {78, 78}, 2.0);
    EXPECT_EQ(sharp.size(), QSize(156, 156));
    EXPECT_DOUBLE_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(78, 78));

    const QPixmap stretched = art::pixmap(u"banner_right"_s, {900, 93}, 1.0);
    EXPECT_EQ(stretched.size(), QSize(900, 93));
    EXPECT_TRUE(hasVisiblePixel(stretched.toImage()));
}

TEST(Artwork, UnknownNamesAndEmptySizesGiveNothing)
{
    EXPECT_FALSE(art::intendedSize(u"no_such_picture"_s).isValid());
    EXPECT_TRUE(art::pixmap(u"no_such_picture"_s, {16, 16}, 1.0).isNull());
    EXPECT_TRUE(art::pixmap(u"app_logo"_s, {0, 78}, 1.0).isNull());
}

TEST(Artwork, DisabledGlyphsDifferFromTheNormalOnes)
{
    int glyphs = 0;
    for (const QString &name : art::allNames()) {
        if (!art::allNames().contains(name + u"_off"_s))
            continue;
        SCOPED_TRACE(name.toStdString());
        ++glyphs;
        const QIcon icon = art::icon(name);
        const QSize size = art::intendedSize(name);
        const QImage normal = icon.pixmap(size, 1.0, QIcon::Normal).toImage();
        const QImage disabled = icon.pixmap(size, 1.0, QIcon::Disabled).toImage();
        ASSERT_EQ(normal.size(), size);
        EXPECT_TRUE(hasVisiblePixel(disabled));
        EXPECT_NE(normal.convertToFormat(QImage::Format_ARGB32),
                  disabled.convertToFormat(QImage::Format_ARGB32));
        // The disabled state is the hand-made "_off" picture, not Qt's own greying.
        EXPECT_EQ(disabled.convertToFormat(QImage::Format_ARGB32), render(name + u"_off"_s));
    }
    EXPECT_EQ(glyphs, 9); // the toolbar, the comparison and the two cursors
}

TEST(Artwork, BannerHalvesMeetWithoutASeam)
{
    const QImage left = render(u"banner_left"_s);
    const QImage right = render(u"banner_right"_s);
    for (int y = 0; y < left.height(); ++y) {
        const QRgb a = left.pixel(left.width() - 1, y);
        const QRgb b = right.pixel(0, y);
        EXPECT_LE(std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)), 6)
            << "row " << y;
    }
}

TEST(Artwork, TextAreasStayReadable)
{
    // White percentage text on the progress window.
    EXPECT_LE(luminanceRange(render(u"progress_bg"_s), QRect(73, 57, 325, 23)).first, 90);
    // Black bold message text and the buttons on the message dialogs.
    for (const QString &kind : {u"dlg_error"_s, u"dlg_info"_s, u"dlg_warning"_s}) {
        SCOPED_TRACE(kind.toStdString());
        const QImage dialog = render(kind);
        EXPECT_GE(luminanceRange(dialog, QRect(171, 24, 321, 81)).second, 215);
        EXPECT_GE(luminanceRange(dialog, QRect(219, 131, 201, 38)).second, 215);
    }
}
