// Report engine output speed and size: a filled test report whose chart is
// the vector drawing of a 1,000,000-point measurement, written as PDF.
// Prints the figures; with a path argument it also keeps the PDF there.
#include "engines/ChartModel.h"
#include "engines/ChartRenderer.h"
#include "engines/ReportPdfExport.h"
#include "engines/ReportTemplate.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

using namespace vorn;

namespace {

const QSize kChartSize(748, 376);

// A charge/discharge run: voltage with noise, current in three runs.
void fillChart(chart::ChartModel &model, int points)
{
    model.setChartSize(kChartSize);
    model.setBackgroundColor(QColor(0xBF, 0xBA, 0xAC));
    chart::ChartSeries *current = model.addSeries(chart::ChartAxis::Side::Right);
    chart::ChartSeries *voltage = model.addSeries(chart::ChartAxis::Side::Left);
    current->setLineWidth(3);
    voltage->setLineWidth(3);
    voltage->setColor(QColor(0, 0, 0x80));
    std::vector<double> xs(static_cast<size_t>(points)), vs(xs.size()), is(xs.size());
    for (int i = 0; i < points; ++i) {
        const double t = i * 10.0 / points;
        xs[size_t(i)] = t;
        vs[size_t(i)] = 12.0 + 2.0 * std::sin(t) + 0.2 * std::sin(i * 0.37);
        is[size_t(i)] = t < 3.0 || t > 7.0 ? 2.5 : -5.0;
    }
    voltage->add(xs.data(), vs.data(), points);
    current->add(xs.data(), is.data(), points);
    current->colorRange(3.0, 7.0, QColor(0xFF, 0xFF, 0x00));
    model.leftAxis()->setRange(9, 16);
    model.rightAxis()->setRange(-7, 4);
    model.bottomAxis()->setRange(0, 10);
    model.leftAxis()->setTitle(QStringLiteral("Feszültség (V)"));
    model.rightAxis()->setTitle(QStringLiteral("Áram (A)"));
    model.bottomAxis()->setTitle(QStringLiteral("Idő ( h )"));
}

void fillReport(report::ReportTemplate &report, const QPicture &chart, int periodLines)
{
    const auto set = [&](const char *name, const QString &text) {
        report.findObject(QString::fromLatin1(name))->setText(text);
    };
    set("Mem_NAme", QStringLiteral("Kovács Anna"));
    set("Mem_Hely", QStringLiteral("Budapest, akkulabor"));
    set("Mem_DT", QStringLiteral("VORN 2024.05.14. 9:30:00"));
    set("Mem_MPList", QStringLiteral("Mintavételi idő: 1 s\nKisütő áram: 5 A\nNévleges kapacitás: 60 Ah"));
    set("Mem_MEList", QStringLiteral("1. Töltés 12:00:00 30,1 Ah\n2. Kisütés 11:00:00 55,8 Ah\n \nMért kapacitás: 93 %"));
    set("Mem_Qualification", QStringLiteral("MEGFELELT"));
    QImage logo(244, 114, QImage::Format_RGB32);
    logo.fill(QColor(40, 90, 160));
    report.findObject(QStringLiteral("Img_Logo"))->setImage(logo);
    QTextDocument company;
    QTextCursor(&company).insertText(QStringLiteral("Akkumulátor Vizsgáló Kft.\n1111 Budapest, Fő utca 1."));
    report.findObject(QStringLiteral("Mem_Cegnev"))->setDocument(company);
    report.findObject(QStringLiteral("Img_Diagram"))->setPicture(chart, QSizeF(kChartSize));
    for (int i = 1; i <= periodLines; ++i)
        report.findObject(i <= 79 ? QStringLiteral("Memo2") : QStringLiteral("Memo3"))
            ->addLine(QStringLiteral("%1. ciklus Töltés 1:00:00 2,5 Ah").arg(i));
    report.findPage(QStringLiteral("Page2"))->visible = periodLines > 16;
    report.findPage(QStringLiteral("Page3"))->visible = false;
    report.prepare();
}

double medianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> ms;
    QElapsedTimer timer;
    for (int r = 0; r < runs; ++r) {
        timer.start();
        work();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    chart::ChartModel model;
    fillChart(model, 1000000);
    QPicture chart;
    const double chartMs = medianMs(5, [&] {
        chart = QPicture();
        QPainter painter(&chart);
        chart::renderChart(painter, model, kChartSize);
    });
    std::printf("chart of 1000000 points as a vector picture: %.1f ms, %.1f kB\n", chartMs, chart.size() / 1024.0);

    QTemporaryDir dir;
    for (const int periodLines : {10, 158}) {
        report::ReportTemplate report = report::ReportTemplate::testReport();
        fillReport(report, chart, periodLines);
        report::ReportPdfExport pdf;
        pdf.fileName = dir.filePath(QStringLiteral("report.pdf"));
        pdf.title = QStringLiteral("Mérési jegyzőkönyv");
        pdf.creator = QStringLiteral("VORN");
        QString error;
        const double pdfMs = medianMs(7, [&] {
            if (!pdf.exportReport(report, &error))
                std::printf("export failed: %s\n", qPrintable(error));
        });
        std::printf("report PDF, %d page(s): %.1f ms, %.1f kB\n", report.preparedPageCount(), pdfMs,
                    QFile(pdf.fileName).size() / 1024.0);
        if (argc > 1)
            QFile::copy(pdf.fileName, QString::fromLocal8Bit(argv[1]) + QString::number(report.preparedPageCount())
                                          + QStringLiteral(".pdf"));
    }
    return 0;
}
