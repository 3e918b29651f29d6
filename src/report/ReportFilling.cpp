// Set_Report and Set_BlackWhite: the printable template filled by name.
#include "report/ReportFilling.h"

#include "app/ui/AppVersion.h"
#include "engines/ChartModel.h"
#include "engines/ReportLogo.h"
#include "engines/ReportTemplate.h"
#include "measurement/RecordReset.h"
#include "report/ReportChart.h"
#include "report/ReportRules.h"
#include "report/RichText.h"
#include "settings/LanguageTables.h"

#include <QTextDocument>

#include <deque>

namespace vorn::report {

namespace {

const QColor kPassGreen(0, 128, 0);
const QColor kFailRed(255, 0, 0);
// Gap between the results box and the verdict below it, template units.
constexpr double kVerdictGap = 2;
// What the results box needs below its lines for the verdict: its own 7,
// the gap and the verdict's 12 pt line.
constexpr double kVerdictRoom = 7 + kVerdictGap + 20;
// Space kept between a list's last line and its frame.
constexpr double kFrameMargin = 3;

// Finds the template's objects by name and remembers the names it missed,
// so that one look at the end tells whether the template was complete.
class Filler {
public:
    explicit Filler(ReportTemplate &report) : m_report(report) {}

    ReportObject &operator[](const char *name)
    {
        if (ReportObject *object = m_report.findObject(QLatin1String(name)))
            return *object;
        m_missing.append(QLatin1String(name));
        // A stand-in keeps the filling going; it is never printed.
        return m_spares.emplace_back(ReportObjectKind::Memo, QLatin1String(name));
    }
    void setPageVisible(const char *name, bool visible)
    {
        if (ReportPage *page = m_report.findPage(QLatin1String(name)))
            page->visible = visible;
        else
            m_missing.append(QLatin1String(name));
    }
    bool complete(QString *error) const
    {
        if (m_missing.isEmpty())
            return true;
        if (error)
            *error = QStringLiteral("the report template lacks %1").arg(m_missing.join(QStringLiteral(", ")));
        return false;
    }

private:
    ReportTemplate &m_report;
    QStringList m_missing;
    std::deque<ReportObject> m_spares;
};

void fillLines(ReportObject &memo, const QStringList &lines)
{
    memo.clear();
    for (const QString &line : lines)
        memo.addLine(line);
}

void fillHeader(Filler &f, const ReportContent &c, const TextTables &t, const QDateTime &now)
{
    f["Mem_MVN"].setText(t.Text_List(101));
    f["Mem_MH"].setText(t.Text_List(102));
    f["Mem_MHM"].setText(t.Text_List(103));
    f["Mem_MD"].setText(t.Text_List(104));
    f["Mem_mdr"].setText(t.Text_List(176));
    f["Mem_Version"].setText(t.Text_List(164) + u' ' + QLatin1String(kVersionText));
    f["Mem_DT"].setText(QStringLiteral("VORN ") + measurement::localDateTimeText(now));

    // Through rich text, as the company block is stored: fonts, sizes,
    // colours and alignment stay as the window shows them.
    QTextDocument company;
    readRtf(c.companyRtf, company);
    f["Mem_Cegnev"].setDocument(company);

    ReportObject &logo = f["Img_Logo"];
    if (c.Use_Kep && !c.logo.isNull())
        logo.setImage(c.logo);
    else
        logo.clearPicture();

    f["Mem_NAme"].setText(c.Edt_Name.trimmed());
    f["Mem_Hely"].setText(c.Edt_Locate.trimmed());
    f["Mem_Muszer"].setText(c.Edt_Hardvare.trimmed());
    f["Mem_MeresDT"].setText(c.Edt_DateTime.trimmed());
    f["Mem_mer_dr"].setText(c.Edt_dateTime_report.trimmed());
    f["Mem_COList"].setText(c.comment);
}

// Shrinks a list's font so that its lines (and `extra` units below them) stay
// inside its frame; returns the line pitch it prints at.
double fitInFrame(ReportObject &list, const ReportObject &frame, int lines, double extra)
{
    const double room = frame.geometry().bottom() - list.top() - kFrameMargin;
    const double pitch = fittingLinePitch(lines, extra, room);
    if (pitch < kLinePitch) {
        QFont font = list.font();
        font.setPointSizeF(font.pointSizeF() * pitch / kLinePitch);
        list.setFont(font);
    }
    return pitch;
}

void fillResults(Filler &f, const ReportContent &c, const TextTables &t)
{
    ReportObject &results = f["Mem_MEList"];
    const int n = int(c.results.size());
    results.clear();
    const double pitch = fitInFrame(results, f["Shape7"], n, c.hasThreshold ? kVerdictRoom : 7);
    results.setHeight(resultsBoxHeight(n, pitch));
    results.setText(c.results.join(u'\n'));

    const DetailPages pages = detailPages(c.periods);
    f.setPageVisible("Page2", pages.page2);
    f.setPageVisible("Page3", pages.page3);
    fillLines(f["Memo2"], pages.Memo2);
    fillLines(f["Memo3"], pages.Memo3);
    fillLines(f["Memo5"], pages.Memo5);
    fillLines(f["Memo6"], pages.Memo6);

    ReportObject &verdict = f["Mem_Qualification"];
    verdict.setTop(results.top() + results.height() + kVerdictGap);
    if (!c.hasThreshold) {
        verdict.setText(QString());
        return;
    }
    // The verdict, the last result line, prints in its own box instead.
    results.setHeight(resultsBoxHeightWithoutVerdict(n, pitch));
    verdict.setFontColor(c.Is_Accepted ? kPassGreen : kFailRed);
    verdict.setText(t.Text_List(c.Is_Accepted ? 139 : 140));
}

void fillChartAndHeadings(Filler &f, const ReportContent &c, const ReportChartSource &chart,
                          const TextTables &t)
{
    if (chart.model) {
        const QPicture picture = chartPicture(*chart.model, chart.size, chart.afterDraw);
        f["Img_Diagram"].setPicture(picture, QSizeF(chart.size));
    }
    ReportObject &params = f["Mem_MPList"];
    // The list reaches down to its frame, so that every parameter line shows.
    const ReportObject &paramsFrame = f["Shape5"];
    params.setHeight(paramsFrame.geometry().bottom() - params.top() - kFrameMargin);
    fitInFrame(params, paramsFrame, int(c.params.size()), 2);
    params.setText(c.params.join(u'\n'));
    f["Mem_MP"].setText(c.paramsHeading);
    f["Mem_ME"].setText(c.resultsHeading);
    f["Memo1"].setText(c.resultsHeading + QStringLiteral(" 2"));
    // Page 3's heading in the report's language too, not the designed one.
    f["Memo4"].setText(c.resultsHeading + QStringLiteral(" 3"));
    f["Mem_CO"].setText(c.commentHeading);
    f["Mem_Caption"].setText(t.Text_List(111));
}

} // namespace

QString paramsHeading(const TextTables &texts)
{
    return texts.Text_List(47);
}

QString resultsHeading(const TextTables &texts)
{
    return texts.Text_List(147);
}

QString commentHeading(const TextTables &texts)
{
    return texts.Text_List(58);
}

void Set_BlackWhite(ReportTemplate &report, chart::ChartModel &chart)
{
    if (ReportObject *appLogo = report.findObject(QStringLiteral("Picture1")))
        appLogo->setImage(blackWhiteAppLogo());
    if (ReportObject *logo = report.findObject(QStringLiteral("Img_Logo")))
        MakeGrey(logo->image());
    if (ReportObject *verdict = report.findObject(QStringLiteral("Mem_Qualification")))
        verdict->setFontColor(Qt::black);
    if (ReportObject *company = report.findObject(QStringLiteral("Mem_Cegnev")))
        company->setAllTextColor(Qt::black);
    chart.setBackgroundColor(Qt::white);
    chart.setMonochrome(true);
}

bool Set_Report(ReportTemplate &report, const ReportContent &content, const ReportChartSource &chart,
                const TextTables &texts, const QDateTime &now, QString *error)
{
    Filler filler(report);
    fillHeader(filler, content, texts, now);
    fillResults(filler, content, texts);
    if (content.blackWhite && chart.model)
        Set_BlackWhite(report, *chart.model);
    fillChartAndHeadings(filler, content, chart, texts);
    if (!filler.complete(error))
        return false;
    report.prepare();
    return true;
}

} // namespace vorn::report
