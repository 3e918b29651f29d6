// Set_Report: fills the printable template by name from the report's content
// and chart, optionally in black and white, and prepares its pages.
#pragma once

#include "engines/ChartRenderer.h"

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace vorn {
class TextTables;
}

namespace vorn::chart {
class ChartModel;
}

namespace vorn::report {

class ReportTemplate;

// Everything of the report window that the printed report shows.
struct ReportContent {
    QString Edt_Name, Edt_Locate, Edt_Hardvare, Edt_DateTime, Edt_dateTime_report;
    QByteArray companyRtf;   // the company block as rich text
    QImage logo;             // the logo frame's picture
    bool Use_Kep = false;    // the measurement carries a logo: print it
    QString comment;         // lines joined by "\n"
    QStringList params;      // parameter lines
    QStringList results;     // the results box, the verdict line last when there is one
    QStringList periods;     // every period line
    bool hasThreshold = false; // Minosit_szaz != -1: the verdict prints in its own box
    bool Is_Accepted = false;
    QString paramsHeading, resultsHeading, commentHeading;
    bool blackWhite = false;
};

// The chart that goes into the report, drawn with what `afterDraw` adds
// (the labels). In black-and-white mode Set_Report makes it monochrome on
// white; the caller puts its colours back afterwards.
struct ReportChartSource {
    chart::ChartModel *model = nullptr;
    chart::AfterDrawHandler afterDraw;
    QSize size;
};

// The headings of the three boxes as the window's labels show them.
QString paramsHeading(const TextTables &texts);
QString resultsHeading(const TextTables &texts);
QString commentHeading(const TextTables &texts);

// Fills `report` (a fresh copy of the designed template) and prepares it;
// `now` is printed as the report's date. False with `error` set when the
// template lacks an object the report fills.
bool Set_Report(ReportTemplate &report, const ReportContent &content, const ReportChartSource &chart,
                const TextTables &texts, const QDateTime &now, QString *error);

// Set_BlackWhite: the program's logo, the customer's logo, the verdict and
// the company block in black and white, and the chart monochrome on white.
void Set_BlackWhite(ReportTemplate &report, chart::ChartModel &chart);

} // namespace vorn::report
