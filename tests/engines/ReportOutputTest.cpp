// Drawn report pages and the PDF export, read back with poppler's tools.
#include "engines/ReportFonts.h"
#include "engines/ReportLogo.h"
#include "engines/ReportPdfExport.h"
#include "engines/ReportTemplate.h"

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace vorn::report;

namespace {

constexpr double kMargin = 10 * 96 / 25.4;  // 10 mm in template units
const QPointF kBand1(kMargin, kMargin + 18.89765);

// Page `index` drawn at 96 dpi: one pixel per template unit.
QImage renderedPage(const ReportTemplate &report, int index)
{
    QImage image(794, 1123, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    report.renderPage(index, painter);
    return image;
}

int countPixels(const QImage &image, const QRectF &area, const std::function<bool(QRgb)> &match)
{
    int count = 0;
    const QRect pixels = area.toAlignedRect().intersected(image.rect());
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            count += match(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

bool isDark(QRgb p) { return qGray(p) < 128; }
bool isInk(QRgb p) { return qGray(p) < 250; }
bool isRed(QRgb p) { return qRed(p) > 180 && qGreen(p) < 90 && qBlue(p) < 90; }

QRectF boundsOf(const QImage &image, const std::function<bool(QRgb)> &match, QRect area = {})
{
    area = area.isNull() ? image.rect() : area.intersected(image.rect());
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (match(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

QRectF onBand1(const QString &name, ReportTemplate &report)
{
    return report.findObject(name)->geometry().translated(kBand1);
}

// A report with its three pages, filled the way the report window fills it.
ReportTemplate filledReport()
{
    ReportTemplate report = ReportTemplate::testReport();
    report.findObject(QStringLiteral("Mem_NAme"))->setText(QStringLiteral("Kovács Anna"));
    report.findObject(QStringLiteral("Memo1"))->setText(QStringLiteral("Részletes mérési eredmények: 2"));
    for (int i = 1; i <= 79; ++i) {
        report.findObject(QStringLiteral("Memo2"))->addLine(QStringLiteral("%1. ciklus Töltés 1:00:00 2,5 Ah").arg(i));
        report.findObject(QStringLiteral("Memo3"))->addLine(QStringLiteral("%1. ciklus Kisütés 1:00:00 2,4 Ah").arg(i + 79));
    }
    QPicture chart;  // a vector drawing, as the report chart comes
    {
        QPainter painter(&chart);
        painter.fillRect(QRectF(0, 0, 748, 376), QColor(0, 0, 255));
    }
    report.findObject(QStringLiteral("Img_Diagram"))->setPicture(chart, QSizeF(748, 376));
    report.prepare();
    return report;
}

QString runTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(tool), arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool havePoppler()
{
    for (const char *tool : {"pdfinfo", "pdftotext", "pdffonts", "pdftoppm"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return false;
    }
    return true;
}

} // namespace

TEST(ReportOutput, MemosPrintInTheirBoxAndAreClippedToIt)
{
    ReportTemplate report = ReportTemplate::testReport();
    report.findObject(QStringLiteral("Mem_NAme"))->setText(QStringLiteral("Kovács Anna"));
    QStringList lines;
    for (int i = 0; i < 12; ++i)
        lines << QStringLiteral("Paraméter %1: 12,5 V").arg(i);
    report.findObject(QStringLiteral("Mem_MPList"))->setText(lines.join(u'\n'));
    report.prepare();
    const QImage page = renderedPage(report, 0);

    const QRectF name = onBand1(QStringLiteral("Mem_NAme"), report);
    EXPECT_GT(countPixels(page, name, isDark), 50);
    // Left-aligned: nothing in the right half of the box.
    EXPECT_EQ(countPixels(page, name.adjusted(name.width() / 2, 0, 0, 0), isDark), 0);

    // The parameter list holds six lines; the rest is cut at its box, and
    // the frame below it (Shape5) stays empty.
    const QRectF list = onBand1(QStringLiteral("Mem_MPList"), report);
    EXPECT_GT(countPixels(page, list, isDark), 300);
    const QRectF frame = onBand1(QStringLiteral("Shape5"), report);
    const QRectF belowList(list.left(), list.bottom() + 1, list.width(), frame.bottom() - list.bottom() - 3);
    EXPECT_EQ(countPixels(page, belowList, isInk), 0);
}

TEST(ReportOutput, PicturesRichTextAndShapesFollowTheirSettings)
{
    ReportTemplate report = ReportTemplate::testReport();
    QImage logo(100, 50, QImage::Format_RGB32);
    logo.fill(QColor(255, 0, 0));
    report.findObject(QStringLiteral("Img_Logo"))->setImage(logo);
    QPicture chart;
    {
        QPainter painter(&chart);
        painter.fillRect(QRectF(0, 0, 748, 376), QColor(0, 0, 255));
    }
    report.findObject(QStringLiteral("Img_Diagram"))->setPicture(chart, QSizeF(748, 376));
    QTextDocument company;
    QTextCharFormat green;
    green.setForeground(QColor(0, 160, 0));
    green.setFontPointSize(14);
    QTextCursor(&company).insertText(QStringLiteral("Acme Kft."), green);
    report.findObject(QStringLiteral("Mem_Cegnev"))->setDocument(company);
    report.prepare();
    const QImage page = renderedPage(report, 0);

    // Not stretched: the bitmap at its own size at the frame's top-left.
    const QRectF logoFrame = onBand1(QStringLiteral("Img_Logo"), report);
    const QRectF red = boundsOf(page, isRed);
    EXPECT_NEAR(red.left(), logoFrame.left(), 1.5);
    EXPECT_NEAR(red.top(), logoFrame.top(), 1.5);
    EXPECT_NEAR(red.width(), 100, 1.5);
    EXPECT_NEAR(red.height(), 50, 1.5);
    // Stretched keeping proportions, centred: full height, narrower than the frame.
    const QRectF diagramFrame = onBand1(QStringLiteral("Img_Diagram"), report);
    const QRectF blue = boundsOf(page, [](QRgb p) { return qBlue(p) > 200 && qRed(p) < 60; },
                                 diagramFrame.adjusted(-5, -5, 5, 5).toAlignedRect());
    EXPECT_NEAR(blue.height(), diagramFrame.height(), 1.5);
    EXPECT_NEAR(blue.width(), diagramFrame.height() * 748 / 376, 2);
    EXPECT_NEAR(blue.center().x(), diagramFrame.center().x(), 1.5);
    // Rich text inside its box, in its own colour.
    const QRectF green_ = boundsOf(page, [](QRgb p) { return qGreen(p) > 100 && qRed(p) < 80 && qBlue(p) < 80; });
    EXPECT_TRUE(onBand1(QStringLiteral("Mem_Cegnev"), report).contains(green_)) << green_.x() << ',' << green_.y();
    EXPECT_GT(green_.width(), 40);
    // A shape is an outline: ink on its edge, none inside.
    const QRectF shape = onBand1(QStringLiteral("Shape7"), report);
    EXPECT_GT(countPixels(page, QRectF(shape.left() - 1, shape.top() + 10, 2, 100), isDark), 90);
    EXPECT_EQ(countPixels(page, shape.adjusted(3, 3, -3, -3), isInk), 0);
}

TEST(ReportOutput, WindowsFontNamesResolveToMetricCompatibleFonts)
{
    ensureReportFonts();
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Arial"))).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Tahoma"))).family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Courier New"))).family(), QStringLiteral("Liberation Mono"));
}

TEST(ReportOutput, BlackAndWhiteLogoHasNoColour)
{
    const QImage logo = blackWhiteAppLogo();
    EXPECT_EQ(logo.deviceIndependentSize(), QSizeF(78, 78));
    EXPECT_EQ(countPixels(logo, logo.rect(), [](QRgb p) { return qRed(p) != qGreen(p) || qGreen(p) != qBlue(p); }), 0);
    EXPECT_GT(countPixels(logo, logo.rect(), isDark), logo.width() * logo.height() / 4);
}

TEST(ReportOutput, PdfHasA4PagesWithSelectableTextEmbeddedFontsAndDocumentInfo)
{
    if (!havePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    const ReportTemplate report = filledReport();
    QTemporaryDir dir;
    ReportPdfExport pdf;
    pdf.fileName = dir.filePath(QStringLiteral("report.pdf"));
    pdf.title = QStringLiteral("Mérési jegyzőkönyv");
    pdf.creator = QStringLiteral("VORN 5.0.0.9");
    std::vector<int> progress;
    pdf.progress = [&](int done, int count) {
        progress.push_back(done);
        EXPECT_EQ(count, 3);
    };
    QString error;
    ASSERT_TRUE(pdf.exportReport(report, &error)) << error.toStdString();
    EXPECT_EQ(progress, (std::vector<int>{1, 2, 3}));

    const QString info = runTool(QStringLiteral("pdfinfo"), {pdf.fileName}).simplified();
    EXPECT_TRUE(info.contains(QStringLiteral("Pages: 3"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("Page size: 595 x 842 pts (A4)"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("Title: Mérési jegyzőkönyv Creator: VORN 5.0.0.9"))) << info.toStdString();
    const QString text = runTool(QStringLiteral("pdftotext"), {pdf.fileName, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("Kovács Anna")));
    EXPECT_TRUE(text.contains(QStringLiteral("79. ciklus Töltés")));
    EXPECT_TRUE(text.contains(QStringLiteral("158. ciklus Kisütés")));
    const QStringList fonts = runTool(QStringLiteral("pdffonts"), {pdf.fileName}).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GT(fonts.size(), 2);  // two heading lines, then one line per font
    for (const QString &font : fonts.mid(2)) {
        // name, type, encoding, then the columns emb, sub, uni, object, generation
        const QStringList columns = font.split(u' ', Qt::SkipEmptyParts);
        ASSERT_GE(columns.size(), 6);
        EXPECT_TRUE(columns[0].startsWith(QStringLiteral("Liberation"))) << font.toStdString();
        EXPECT_EQ(columns[columns.size() - 5], QStringLiteral("yes")) << "not embedded: " << font.toStdString();
        EXPECT_EQ(columns[columns.size() - 3], QStringLiteral("yes")) << "no Unicode map: " << font.toStdString();
    }
}

TEST(ReportOutput, PdfPagesShowTheTextAndNothingInTheMargins)
{
    if (!havePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    ReportTemplate report = filledReport();
    QTemporaryDir dir;
    ReportPdfExport pdf;
    pdf.fileName = dir.filePath(QStringLiteral("report.pdf"));
    QString error;
    ASSERT_TRUE(pdf.exportReport(report, &error)) << error.toStdString();
    runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("96"),
                                         pdf.fileName, dir.filePath(QStringLiteral("page"))});
    const QRectF printable(kMargin, kMargin, 794 - 2 * kMargin, 1123 - 2 * kMargin);
    for (int index : {1, 2}) {
        SCOPED_TRACE(index);
        const QImage page(dir.filePath(QStringLiteral("page-%1.png").arg(index)));
        ASSERT_FALSE(page.isNull());
        const QRectF ink = boundsOf(page, isInk);
        EXPECT_TRUE(printable.adjusted(-1, -1, 1, 1).contains(ink)) << ink.top() << ' ' << ink.bottom();
    }
    const QImage first(dir.filePath(QStringLiteral("page-1.png")));
    EXPECT_GT(countPixels(first, onBand1(QStringLiteral("Mem_NAme"), report), isDark), 50);
    // The vector chart fills its frame's height at any device resolution.
    const QRectF diagram = onBand1(QStringLiteral("Img_Diagram"), report);
    const QRectF blue = boundsOf(first, [](QRgb p) { return qBlue(p) > 200 && qRed(p) < 60; },
                                 diagram.adjusted(-5, -5, 5, 5).toAlignedRect());
    EXPECT_NEAR(blue.top(), diagram.top(), 1.5);
    EXPECT_NEAR(blue.height(), diagram.height(), 1.5);
    EXPECT_NEAR(blue.width(), diagram.height() * 748 / 376, 2);
    // Page 2: the heading above the two columns, the columns' last lines inside their frames.
    const QImage second(dir.filePath(QStringLiteral("page-2.png")));
    EXPECT_GT(countPixels(second, QRectF(kMargin, kMargin, 300, 20), isDark), 50);
}

// A printer may draw from the paper's corner or from its printable area:
// either way the page lands at the same place on the paper.
TEST(ReportOutput, PrinterPagesLandWhereThePdfPutsThem)
{
    if (!havePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    ReportTemplate report = filledReport();
    QTemporaryDir dir;
    for (const bool fullPage : {false, true}) {
        SCOPED_TRACE(fullPage);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
        printer.setFullPage(fullPage);
        QString error;
        ASSERT_TRUE(report.print(printer, &error)) << error.toStdString();
        runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("96"),
                                             QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                             QStringLiteral("1"), QStringLiteral("-singlefile"),
                                             printer.outputFileName(), dir.filePath(QStringLiteral("printed"))});
        const QImage page(dir.filePath(QStringLiteral("printed.png")));
        ASSERT_FALSE(page.isNull());
        const QRectF shape = onBand1(QStringLiteral("Shape1"), report);
        const QRectF ink = boundsOf(page, isDark, shape.adjusted(-4, -4, 4, 4).toAlignedRect());
        EXPECT_NEAR(ink.left(), shape.left(), 1.5);
        EXPECT_NEAR(ink.top(), shape.top(), 1.5);
    }
}

TEST(ReportOutput, FailedExportNamesThePathAndKeepsTheExistingFile)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("report.pdf"));
    QFile existing(target);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("earlier report");
    existing.close();
    ReportPdfExport pdf;
    pdf.fileName = target;
    QString error;
    const ReportTemplate unprepared = ReportTemplate::testReport();
    EXPECT_FALSE(pdf.exportReport(unprepared, &error));
    EXPECT_TRUE(error.startsWith(target)) << error.toStdString();
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), QByteArray("earlier report"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("report.pdf")});

    pdf.fileName = dir.filePath(QStringLiteral("missing/report.pdf"));
    EXPECT_FALSE(pdf.exportReport(filledReport(), &error));
    EXPECT_TRUE(error.startsWith(pdf.fileName)) << error.toStdString();
}
