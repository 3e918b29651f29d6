// A report template: lookup by name, preparation of the printable pages and
// their output onto a painter, a printer or a PDF writer.
#include "engines/ReportTemplate.h"

#include "engines/ReportFonts.h"
#include "engines/ReportObjectPainter.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace vorn::report {

namespace {

QRectF printableArea(const QPageLayout &layout)
{
    const QRectF mm = layout.paintRect(QPageLayout::Millimeter);
    return QRectF(mm.topLeft() * kUnitsPerMm, mm.size() * kUnitsPerMm);
}

// The band prints at its designed top unless its objects would then reach
// below the printable area (a band designed taller than the paper): it then
// moves up just enough for its last object to end on the page.
double fittedBandTop(const ReportPage &page)
{
    double contentBottom = 0;
    for (const ReportObject &object : page.bandObjects)
        contentBottom = std::max(contentBottom, object.geometry().bottom());
    const double room = printableArea(page.layout).height() - contentBottom;
    return std::clamp(room, 0.0, page.bandTop);
}

} // namespace

ReportObject *ReportTemplate::findObject(const QString &name)
{
    for (ReportPage &page : m_pages) {
        for (auto *objects : {&page.bandObjects, &page.pageObjects}) {
            for (ReportObject &object : *objects) {
                if (object.name().compare(name, Qt::CaseInsensitive) == 0)
                    return &object;
            }
        }
    }
    return nullptr;
}

ReportPage *ReportTemplate::findPage(const QString &name)
{
    for (ReportPage &page : m_pages) {
        if (page.name.compare(name, Qt::CaseInsensitive) == 0)
            return &page;
    }
    return nullptr;
}

void ReportTemplate::prepare()
{
    m_prepared.clear();
    for (const ReportPage &page : m_pages) {
        if (!page.visible)
            continue;
        m_prepared.push_back(page);
        m_prepared.back().bandTop = fittedBandTop(page);
    }
}

int ReportTemplate::preparedPageCount() const
{
    return int(m_prepared.size());
}

QPageLayout ReportTemplate::preparedPageLayout(int index) const
{
    if (index < 0 || index >= preparedPageCount())
        return {};
    return m_prepared[size_t(index)].layout;
}

void ReportTemplate::renderPage(int index, QPainter &painter) const
{
    if (index < 0 || index >= preparedPageCount())
        return;
    ensureReportFonts();
    const ReportPage &page = m_prepared[size_t(index)];
    const QPointF printable = printableArea(page.layout).topLeft();
    const QPointF band = printable + QPointF(0, page.bandTop);
    for (const ReportObject &object : page.bandObjects)
        drawReportObject(painter, object, band);
    for (const ReportObject &object : page.pageObjects)
        drawReportObject(painter, object, printable);
}

bool ReportTemplate::print(QPagedPaintDevice &device, QString *error,
                           const std::function<void(int, int)> &progress) const
{
    const int count = preparedPageCount();
    if (count == 0) {
        if (error)
            *error = QStringLiteral("the report has no prepared page");
        return false;
    }
    device.setPageLayout(m_prepared.front().layout);
    QPainter painter;
    if (!painter.begin(&device)) {
        if (error)
            *error = QStringLiteral("the output device cannot be painted on");
        return false;
    }
    const auto *printer = dynamic_cast<const QPrinter *>(&device);
    for (int i = 0; i < count; ++i) {
        const QPageLayout &layout = m_prepared[size_t(i)].layout;
        if (i > 0) {
            if (!device.pageLayout().isEquivalentTo(layout))
                device.setPageLayout(layout);
            device.newPage();
        }
        // The painter starts at the device's printable area in device pixels;
        // pages are drawn in template units from the paper's corner.
        painter.save();
        painter.scale(device.logicalDpiX() / 96.0, device.logicalDpiY() / 96.0);
        if (!(printer && printer->fullPage()))
            painter.translate(-printableArea(device.pageLayout()).topLeft());
        renderPage(i, painter);
        painter.restore();
        if (progress)
            progress(i + 1, count);
    }
    if (!painter.end()) {
        if (error)
            *error = QStringLiteral("the output could not be completed");
        return false;
    }
    return true;
}

} // namespace vorn::report
