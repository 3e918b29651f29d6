// A report template: pages, each with one report-title band and named objects,
// filled by name and then prepared into the pages that print. Template units
// are screen pixels at 96 per inch.
#pragma once

#include "engines/ReportObject.h"

#include <QByteArray>
#include <QPageLayout>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace vorn::report {

struct ReportPage {
    QString name;
    bool visible = true;
    QPageLayout layout;           // paper size, orientation and margins
    QString bandName;
    double bandTop = 0;           // the report-title band, within the printable area
    double bandHeight = 0;
    std::vector<ReportObject> bandObjects;  // positions relative to the band
    std::vector<ReportObject> pageObjects;  // positions relative to the printable area
};

class ReportTemplate {
public:
    // The designed test report, from the program's resources.
    static ReportTemplate testReport();
    // A template from its stored text form; on a malformed text returns false
    // and sets `error`.
    static bool parse(const QByteArray &text, ReportTemplate &out, QString *error);

    // The object of that name, compared without regard to case across all
    // pages; null when there is none.
    ReportObject *findObject(const QString &name);
    ReportPage *findPage(const QString &name);
    std::vector<ReportPage> &pages() { return m_pages; }

    // Builds the printable pages from the filled template (the visible pages,
    // in order), discarding an earlier prepared result. A band whose objects
    // would end below the printable area (the taller band of the detail
    // pages) moves up just enough for them to end on the page.
    void prepare();
    int preparedPageCount() const;
    QPageLayout preparedPageLayout(int index) const;
    // Draws prepared page `index` (0-based). The painter's coordinates are
    // template units with the origin at the paper's top-left corner.
    void renderPage(int index, QPainter &painter) const;
    // Prints every prepared page onto the device (a printer or a PDF writer),
    // one device page each, scaled to the device's resolution. False with
    // `error` set when the device cannot be painted on. `progress` is called
    // after each page with the number of pages done and the page count.
    bool print(QPagedPaintDevice &device, QString *error,
               const std::function<void(int done, int pageCount)> &progress = {}) const;

private:
    std::vector<ReportPage> m_pages;
    std::vector<ReportPage> m_prepared;
};

} // namespace vorn::report
