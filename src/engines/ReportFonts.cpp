// Font substitution and the text layout device of the report engine.
#include "engines/ReportFonts.h"

#include <QFontDatabase>
#include <QImage>

namespace vorn::report {

void ensureReportFonts()
{
    // Once, and safely when several threads draw reports at the same time.
    static const bool done = [] {
        struct Substitute {
            const char16_t *family;
            const char16_t *replacement;
        };
        static constexpr Substitute substitutes[] = {
            {u"Arial", u"Liberation Sans"},
            {u"Tahoma", u"DejaVu Sans"},
            {u"Courier New", u"Liberation Mono"},
        };
        for (const Substitute &s : substitutes) {
            const QString family = QString::fromUtf16(s.family);
            const QString replacement = QString::fromUtf16(s.replacement);
            if (!QFontDatabase::hasFamily(family) && QFontDatabase::hasFamily(replacement))
                QFont::insertSubstitution(family, replacement);
        }
        return true;
    }();
    Q_UNUSED(done);
}

QPaintDevice *textLayoutDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(kLayoutScale * 96.0 / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return &device;
}

QFont reportFont(const QFont &font)
{
    QFont result(font);
    result.setHintingPreference(QFont::PreferNoHinting);
    return result;
}

} // namespace vorn::report
