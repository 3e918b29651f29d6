// Loads the SVG artwork from the resources and renders it for the screen.
#include "app/Artwork.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

using namespace Qt::StringLiterals;

namespace vorn::art {

namespace {

struct Picture {
    QStringView name;
    int width;
    int height;
};

// Design size of every picture; each SVG declares the same width and height.
constexpr Picture kPictures[] = {
    {u"app_logo", 78, 78},         {u"banner_left", 644, 93},
    {u"banner_right", 400, 93},    {u"banner_title", 105, 34},
    {u"tb_report", 32, 32},        {u"tb_report_off", 32, 32},
    {u"tb_pendrive", 32, 32},      {u"tb_pendrive_off", 32, 32},
    {u"tb_open", 32, 32},          {u"tb_open_off", 32, 32},
    {u"tb_save", 32, 32},          {u"tb_save_off", 32, 32},
    {u"tb_close", 32, 32},         {u"tb_close_off", 32, 32},
    {u"tb_help", 32, 32},          {u"tb_help_off", 32, 32},
    {u"tb_exit", 32, 32},          {u"tb_exit_off", 32, 32},
    {u"menu_open", 16, 16},        {u"menu_save", 16, 16},
    {u"menu_excel", 16, 16},       {u"dlg_error", 530, 180},
    {u"dlg_info", 530, 180},       {u"dlg_warning", 530, 180},
    {u"btn_ok", 20, 20},           {u"btn_yes", 20, 20},
    {u"btn_no", 20, 20},           {u"btn_cancel", 20, 20},
    {u"progress_bg", 485, 154},    {u"bar_track", 385, 22},
    {u"bar_fill", 385, 22},        {u"bar_overlay", 385, 22},
    {u"export_track", 385, 22},    {u"export_fill", 385, 22},
    {u"excel_icon", 48, 48},       {u"splash_bg", 497, 250},
    {u"about_strip", 110, 319},    {u"gb_default_size", 24, 24},
    {u"gb_zoom", 24, 24},          {u"gb_mark", 24, 24},
    {u"gb_cut", 24, 24},           {u"gb_info", 24, 24},
    {u"gb_settings", 24, 24},      {u"arrow_up", 16, 12},
    {u"arrow_down", 16, 12},       {u"arrow_left", 16, 12},
    {u"arrow_right", 16, 12},      {u"zoom_cursor", 24, 24},
    {u"lv_arrow_down", 16, 16},    {u"lv_arrow_up", 16, 16},
    {u"lv_close", 13, 13},         {u"rp_print", 28, 28},
    {u"rp_pdf", 28, 28},           {u"rp_bitmap", 28, 28},
    {u"rp_clipboard", 28, 28},     {u"rp_align_left", 16, 16},
    {u"rp_align_center", 16, 16},  {u"rp_align_right", 16, 16},
    {u"gb_span", 24, 24},          {u"gb_span_off", 24, 24},
    {u"tb_compare", 32, 32},       {u"tb_compare_off", 32, 32},
};

qreal effectiveRatio(qreal requested)
{
    if (requested > 0.0)
        return requested;
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

} // namespace

QString resourcePath(const QString &name)
{
    return u":/art/"_s + name + u".svg"_s;
}

const QStringList &allNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const Picture &picture : kPictures)
            list.append(picture.name.toString());
        return list;
    }();
    return names;
}

QSize intendedSize(const QString &name)
{
    for (const Picture &picture : kPictures) {
        if (picture.name == name)
            return {picture.width, picture.height};
    }
    return {};
}

QIcon icon(const QString &name)
{
    QIcon result;
    result.addFile(resourcePath(name), QSize(), QIcon::Normal);
    const QString disabledPath = resourcePath(name + u"_off"_s);
    if (QFile::exists(disabledPath))
        result.addFile(disabledPath, QSize(), QIcon::Disabled);
    return result;
}

QPixmap pixmap(const QString &name, QSize logicalSize, qreal devicePixelRatio)
{
    if (logicalSize.isEmpty())
        return {};
    const qreal ratio = effectiveRatio(devicePixelRatio);
    const QString key = u"vorn-art:%1:%2x%3@%4"_s.arg(name)
                            .arg(logicalSize.width())
                            .arg(logicalSize.height())
                            .arg(ratio);
    QPixmap result;
    if (QPixmapCache::find(key, &result))
        return result;

    const QString path = resourcePath(name);
    if (!QFile::exists(path))
        return {};
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    result = QPixmap(logicalSize * ratio);
    result.setDevicePixelRatio(ratio);
    result.fill(Qt::transparent);
    {
        QPainter painter(&result);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
    }
    QPixmapCache::insert(key, result);
    return result;
}

} // namespace vorn::art
