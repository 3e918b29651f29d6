// The designed test report as parsed from its resource, lookup by name,
// memo and rich-text operations, and the preparation of the printable pages.
#include "engines/ReportTemplate.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace vorn::report;

namespace {

int objectCount(ReportTemplate &report)
{
    int count = 0;
    for (const ReportPage &page : report.pages())
        count += int(page.bandObjects.size() + page.pageObjects.size());
    return count;
}

void expectRect(const ReportObject *object, double left, double top, double width, double height)
{
    ASSERT_NE(object, nullptr);
    SCOPED_TRACE(object->name().toStdString());
    EXPECT_NEAR(object->geometry().left(), left, 0.01);
    EXPECT_NEAR(object->geometry().top(), top, 0.01);
    EXPECT_NEAR(object->geometry().width(), width, 0.01);
    EXPECT_NEAR(object->geometry().height(), height, 0.01);
}

} // namespace

TEST(ReportTemplate, TestReportHoldsTheDesignedPagesAndObjects)
{
    ReportTemplate report = ReportTemplate::testReport();
    ASSERT_EQ(report.pages().size(), 3u);
    EXPECT_EQ(objectCount(report), 31 + 5 + 5);
    for (const ReportPage &page : report.pages()) {
        SCOPED_TRACE(page.name.toStdString());
        EXPECT_TRUE(page.layout.pageSize().isEquivalentTo(QPageSize(QPageSize::A4)));
        EXPECT_EQ(page.layout.orientation(), QPageLayout::Portrait);
        EXPECT_EQ(page.layout.margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
        EXPECT_NEAR(page.bandTop, 18.89765, 1e-6);
    }
    EXPECT_EQ(report.pages()[0].bandName, QStringLiteral("ReportTitle1"));
    EXPECT_NEAR(report.pages()[0].bandHeight, 1028, 1e-6);
    EXPECT_NEAR(report.pages()[2].bandHeight, 1195.0872, 1e-6);

    expectRect(report.findObject(QStringLiteral("Mem_mdr")), 15.87, 309.92, 270.11, 24);
    expectRect(report.findObject(QStringLiteral("Img_Diagram")), 12, 358.90, 694, 321.10);
    expectRect(report.findObject(QStringLiteral("Memo6")), 366.61, 26.45671, 340.16, 1005.35498);
    EXPECT_EQ(report.pages()[2].pageObjects.front().name(), QStringLiteral("Memo4"));

    const ReportObject *caption = report.findObject(QStringLiteral("Mem_Caption"));
    EXPECT_EQ(caption->text(), QStringLiteral("Mérési jegyzőkönyv"));
    EXPECT_EQ(caption->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(caption->font().pointSizeF(), 18.0);
    EXPECT_TRUE(caption->font().bold());
    EXPECT_EQ(caption->alignment(), Qt::AlignHCenter);
    const ReportObject *verdict = report.findObject(QStringLiteral("Mem_Qualification"));
    EXPECT_EQ(verdict->fontColor(), QColor(255, 0, 0));
    EXPECT_EQ(verdict->font().pointSizeF(), 12.0);
    EXPECT_EQ(report.findObject(QStringLiteral("Memo2"))->font().pointSizeF(), 8.0);

    const ReportObject *diagram = report.findObject(QStringLiteral("Img_Diagram"));
    EXPECT_TRUE(diagram->stretched && diagram->keepAspect && diagram->centred && diagram->smoothed);
    const ReportObject *logo = report.findObject(QStringLiteral("Picture1"));
    EXPECT_TRUE(logo->hasPicture());
    EXPECT_FALSE(logo->stretched || logo->centred || logo->smoothed);
    const ReportObject *company = report.findObject(QStringLiteral("Mem_Cegnev"));
    EXPECT_EQ(company->innerGapX, 2.0);
    EXPECT_EQ(company->innerGapY, 1.0);
    ASSERT_NE(company->document(), nullptr);
    EXPECT_EQ(company->document()->defaultFont().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(company->document()->defaultFont().pointSizeF(), 8.0);
}

TEST(ReportTemplate, FindsObjectsAndPagesWithoutRegardToCase)
{
    ReportTemplate report = ReportTemplate::testReport();
    ReportObject *name = report.findObject(QStringLiteral("mem_name"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->name(), QStringLiteral("Mem_NAme"));
    ASSERT_NE(report.findObject(QStringLiteral("MEMO1")), nullptr);  // on the page, outside the band
    EXPECT_EQ(report.findObject(QStringLiteral("Mem_Nothing")), nullptr);
    ASSERT_NE(report.findPage(QStringLiteral("page3")), nullptr);
    EXPECT_EQ(report.findPage(QStringLiteral("page3"))->name, QStringLiteral("Page3"));
    // The returned object is the template's own: changes reach the output.
    name->setText(QStringLiteral("Kovács Anna"));
    EXPECT_EQ(report.findObject(QStringLiteral("MEM_NAME"))->text(), QStringLiteral("Kovács Anna"));
}

TEST(ReportTemplate, MalformedTemplatesAreRejectedWithTheirReason)
{
    ReportTemplate report;
    QString error;
    EXPECT_FALSE(ReportTemplate::parse("{\n \"pages\": [\n  {,\n", report, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("line 3"))) << error.toStdString();

    const auto page = [](const char *objects) {
        return QByteArray(R"({"pages": [{"name": "P", "margins": [10, 10, 10, 10], "band": {"top": 0,
                          "height": 100, "objects": [)") + objects + "]}}]}";
    };
    EXPECT_TRUE(ReportTemplate::parse(page(R"({"name": "A", "kind": "memo", "rect": [0, 0, 10, 10]})"),
                                      report, &error)) << error.toStdString();
    EXPECT_FALSE(ReportTemplate::parse(page(R"({"name": "A", "kind": "memo", "rect": [0, 0, 1, 1]},
                                               {"name": "a", "kind": "shape", "rect": [0, 0, 1, 1]})"),
                                       report, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("used twice"))) << error.toStdString();
    EXPECT_FALSE(ReportTemplate::parse(page(R"({"name": "A", "kind": "circle", "rect": [0, 0, 1, 1]})"),
                                       report, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("circle"))) << error.toStdString();
    EXPECT_FALSE(ReportTemplate::parse(page(R"({"name": "A", "kind": "memo", "rect": [0, 0, 1]})"),
                                       report, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("\"rect\""))) << error.toStdString();
    EXPECT_FALSE(ReportTemplate::parse(page(R"({"name": "A", "kind": "memo", "rect": [0, 0, 1, 1], "colour": "#f00"})"),
                                       report, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("colour"))) << error.toStdString();
}

TEST(ReportTemplate, MemoLinesAndRichTextColour)
{
    ReportTemplate report = ReportTemplate::testReport();
    ReportObject *list = report.findObject(QStringLiteral("Memo2"));
    list->addLine(QStringLiteral("1"));
    list->addLine(QStringLiteral("2"));
    EXPECT_EQ(list->text(), QStringLiteral("1\n2"));
    list->clear();
    list->addLine(QString());  // an empty first line is kept as a line
    list->addLine(QStringLiteral("x"));
    EXPECT_EQ(list->text(), QStringLiteral("\nx"));

    QTextDocument block;
    QTextCursor cursor(&block);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    cursor.insertText(QStringLiteral("Acme Kft."), red);
    ReportObject *company = report.findObject(QStringLiteral("Mem_Cegnev"));
    company->setDocument(block);
    const ReportObject copy(*company);
    company->setAllTextColor(Qt::black);
    const auto colourAt = [](const ReportObject &object) {
        return object.document()->begin().begin().fragment().charFormat().foreground().color();
    };
    EXPECT_EQ(colourAt(*company), QColor(Qt::black));
    EXPECT_EQ(colourAt(copy), QColor(255, 0, 0));  // the copy has its own document
    EXPECT_EQ(block.toPlainText(), company->document()->toPlainText());
}

TEST(ReportTemplate, PrepareOutputsTheVisiblePagesAndReplacesAnEarlierResult)
{
    ReportTemplate report = ReportTemplate::testReport();
    report.findPage(QStringLiteral("Page2"))->visible = false;
    report.findPage(QStringLiteral("Page3"))->visible = false;
    report.prepare();
    EXPECT_EQ(report.preparedPageCount(), 1);
    report.findPage(QStringLiteral("Page2"))->visible = true;
    report.findPage(QStringLiteral("Page3"))->visible = true;
    EXPECT_EQ(report.preparedPageCount(), 1);  // until prepared again
    report.prepare();
    ASSERT_EQ(report.preparedPageCount(), 3);
    EXPECT_TRUE(report.preparedPageLayout(2).pageSize().isEquivalentTo(QPageSize(QPageSize::A4)));
    report.findPage(QStringLiteral("Page3"))->visible = false;
    report.prepare();
    EXPECT_EQ(report.preparedPageCount(), 2);
}
