// Design fonts with fallbacks: the first installed family of each list wins.
#include "AppFonts.h"

#include <QStringList>

namespace vorn::ui {

namespace {

QFont fontOf(const QStringList &families, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setBold(bold);
    return font;
}

QStringList tahomaFamilies()
{
    return {QStringLiteral("Tahoma"), QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
            QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")};
}

} // namespace

QFont tahomaPx(int pixelSize, bool bold)
{
    QFont font = fontOf(tahomaFamilies(), bold);
    font.setPixelSize(pixelSize);
    return font;
}

QFont tahomaPt(qreal pointSize, bool bold)
{
    QFont font = fontOf(tahomaFamilies(), bold);
    font.setPointSizeF(pointSize);
    return font;
}

QFont arialNarrowPx(int pixelSize, bool bold)
{
    QFont font = fontOf({QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"),
                         QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Sans Serif")},
                        bold);
    font.setPixelSize(pixelSize);
    return font;
}

QFont courierNewPx(int pixelSize, bool bold)
{
    QFont font = fontOf({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                         QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Monospace")},
                        bold);
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(pixelSize);
    return font;
}

QFont arnoProCaptionPt(qreal pointSize, bool bold)
{
    QFont font = fontOf({QStringLiteral("Arno Pro Caption"), QStringLiteral("Arno Pro"),
                         QStringLiteral("Minion Pro"), QStringLiteral("TeX Gyre Pagella"),
                         QStringLiteral("P052"), QStringLiteral("Palatino Linotype"),
                         QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif"),
                         QStringLiteral("Serif")},
                        bold);
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace vorn::ui
