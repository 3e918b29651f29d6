// The measurement info dialog opened from a graph window: the cycle rows with
// their numbering, the parameter and result boxes kept line by line, the
// verdict's style, the translated column captions, and the refusal of a
// measurement without samples.
#include "graph_dialogs_support.h"

#include "exchange/ui/TLxListViewSearch.h"
#include "settings/ui/GraphDialogs.h"
#include "settings/ui/TFrm_GraphInfo.h"

#include <QFontInfo>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

namespace graphdialogs {
namespace {

using namespace Qt::StringLiterals;

QStringList linesOf(const QPlainTextEdit *box)
{
    return box->toPlainText().split(u'\n');
}

QStringList linesOf(const QTextEdit *box)
{
    return box->toPlainText().split(u'\n');
}

// The character format of a line of a rich-text box.
QTextCharFormat formatOfLine(const QTextEdit *box, int line)
{
    const QTextBlock block = box->document()->findBlockByNumber(line);
    if (!block.isValid() || block.text().isEmpty()) {
        ADD_FAILURE() << "no text on line " << line;
        return {};
    }
    return block.begin().fragment().charFormat();
}

template <class Box>
int lineTop(Box *box, int line)
{
    return box->cursorRect(QTextCursor(box->document()->findBlockByNumber(line))).top();
}

// Every line of the label box stands at the height of the same line of the
// value box.
template <class Box>
void expectSideBySide(Box *labels, Box *values)
{
    const int lines = values->document()->blockCount();
    for (int i = 0; i < lines; ++i)
        EXPECT_EQ(lineTop(labels, i), lineTop(values, i)) << "line " << i;
}

// A table row as its four visible cells.
QStringList rowOf(const TLxListViewSearch *list, int row)
{
    QStringList cells;
    for (int column = 1; column <= 4; ++column)
        cells << list->ListView_lista->topLevelItem(row)->text(column);
    return cells;
}

class GraphInfo : public GraphDialogTest {
protected:
    // Charge 40 min at 3 A, discharge 30 min at 6 A, charge 30 min, discharge
    // 20 min, in 10-minute samples.
    static TFile_Datas cycles()
    {
        return recordOf(600, {{true, 4, 3.0}, {false, 3, 6.0}, {true, 3, 3.0}, {false, 2, 6.0}});
    }

    // Opens the dialog on the record and runs check on it while it is shown;
    // then presses "Ok".
    void showInfo(const TFile_Datas &record, const std::function<void(TFrm_GraphInfo &)> &check)
    {
        TFrm_Graph *graph = open(record);
        ASSERT_NE(graph, nullptr);
        whenShown<TFrm_GraphInfo>([check](TFrm_GraphInfo &dialog) {
            check(dialog);
            dialog.Btn_Save()->click();
        });
        bGraphInfoClick(*graph);
        EXPECT_TRUE(graph->findChildren<TFrm_GraphInfo *>().isEmpty()) << "the dialog is freed";
        EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
    }
};

TEST_F(GraphInfo, RowsNumberANewCycleAfterEveryChargeWithDurationAndCharge)
{
    showInfo(cycles(), [](TFrm_GraphInfo &dialog) {
        const TLxListViewSearch *list = dialog.Lsv_Lista();
        ASSERT_EQ(list->ListView_lista->topLevelItemCount(), 4);
        // A discharge and the charge after it share a number. The charge of a
        // segment leaves out the current of its first sample.
        EXPECT_EQ(rowOf(list, 0), (QStringList{u"1"_s, u"Töltés"_s, u"40 perc"_s, u"1,5 A×h"_s}));
        EXPECT_EQ(rowOf(list, 1), (QStringList{u"2"_s, u"Kisütés"_s, u"30 perc"_s, u"2,0 A×h"_s}));
        EXPECT_EQ(rowOf(list, 2), (QStringList{u"2"_s, u"Töltés"_s, u"30 perc"_s, u"1,0 A×h"_s}));
        EXPECT_EQ(rowOf(list, 3), (QStringList{u"3"_s, u"Kisütés"_s, u"20 perc"_s, u"1,0 A×h"_s}));
        // Nothing is written into the hidden columns.
        for (int row = 0; row < 4; ++row) {
            EXPECT_TRUE(list->ListView_lista->topLevelItem(row)->text(0).isEmpty());
            EXPECT_TRUE(list->ListView_lista->topLevelItem(row)->text(5).isEmpty());
        }
    });
}

TEST_F(GraphInfo, ColumnsAreCentredWithTheirWidthsAndTheUnusedOnesHidden)
{
    showInfo(cycles(), [](TFrm_GraphInfo &dialog) {
        const TNewListView *list = dialog.Lsv_Lista()->ListView_lista;
        ASSERT_EQ(list->columnCount(), 6);
        EXPECT_TRUE(list->isColumnHidden(0));
        EXPECT_TRUE(list->isColumnHidden(5));
        EXPECT_EQ(list->columnWidth(2), 90);
        EXPECT_EQ(list->columnWidth(3), 150);
        // The last column shown takes the rest of the width.
        EXPECT_GE(list->columnWidth(4), 120);
        for (int column = 1; column <= 4; ++column) {
            EXPECT_EQ(list->headerItem()->textAlignment(column), int(Qt::AlignCenter));
            EXPECT_EQ(list->topLevelItem(0)->textAlignment(column), int(Qt::AlignCenter));
        }
        EXPECT_EQ(dialog.size(), QSize(602, 463));
    });
}

TEST_F(GraphInfo, PassingMeasurementShowsParametersResultsAndAGreenVerdict)
{
    showInfo(cycles(), [](TFrm_GraphInfo &dialog) {
        EXPECT_EQ(linesOf(dialog.Mem_params1()),
                  (QStringList{u"Mintavételi idő:"_s, u"Kisütési áram:"_s, u"Névleges kapacitás:"_s,
                               u"Töltési idő:"_s, u"Kisütési végfeszültség:"_s,
                               u"Minősítési határ:"_s, u"100%-os kapacitás kisütési ideje:"_s}));
        EXPECT_EQ(linesOf(dialog.Mem_params2()),
                  (QStringList{u"600 másodperc"_s, u"6 A"_s, u"12 Ah"_s, u"2 óra"_s, u"10,5 V"_s,
                               u"80 %"_s, u"2 óra"_s}));
        EXPECT_EQ(linesOf(dialog.REdt_results1()),
                  (QStringList{u"Mérés sorszáma:"_s, u"Mért feszültség (U0):"_s,
                               u"Mért kapacitás:"_s, u"Minősítés:"_s, u"MEGFELELT"_s}));
        EXPECT_EQ(linesOf(dialog.REdt_results2()),
                  (QStringList{u"17"_s, u"12,66 V"_s, u"85 %"_s}));

        const QTextCharFormat plain = formatOfLine(dialog.REdt_results1(), 3);
        const QTextCharFormat verdict = formatOfLine(dialog.REdt_results1(), 4);
        EXPECT_EQ(plain.fontWeight(), QFont::Normal);
        EXPECT_EQ(plain.foreground().color(), QColor(Qt::black));
        EXPECT_EQ(verdict.fontWeight(), QFont::Bold);
        EXPECT_EQ(verdict.foreground().color(), QColor(0x00, 0x80, 0x00));
        EXPECT_EQ(verdict.fontPointSize(), plain.fontPointSize() + 5);

        // What is added after the verdict is plain again.
        dialog.addResultLabel(u"after"_s);
        const QTextCharFormat after = formatOfLine(dialog.REdt_results1(), 5);
        EXPECT_EQ(dialog.REdt_results1()->document()->findBlockByNumber(5).text(), u"after"_s);
        EXPECT_EQ(after.fontWeight(), QFont::Normal);
        EXPECT_EQ(after.foreground().color(), QColor(Qt::black));
        EXPECT_EQ(after.fontPointSize(), plain.fontPointSize());
    });
}

TEST_F(GraphInfo, EqualPercentagesFailInRed)
{
    TFile_Datas record = cycles();
    record.Mert_kap = 80;
    showInfo(record, [](TFrm_GraphInfo &dialog) {
        const QStringList lines = linesOf(dialog.REdt_results1());
        ASSERT_EQ(lines.size(), 5);
        EXPECT_EQ(lines[3], u"Minősítés:"_s);
        EXPECT_EQ(lines[4], u"NEM FELELT MEG"_s);
        const QTextCharFormat verdict = formatOfLine(dialog.REdt_results1(), 4);
        EXPECT_EQ(verdict.fontWeight(), QFont::Bold);
        EXPECT_EQ(verdict.foreground().color(), QColor(0xFF, 0x00, 0x00));
        // The boxes are as wide as their longest lines: the larger verdict too.
        QCoreApplication::processEvents();
        for (QAbstractScrollArea *box : std::initializer_list<QAbstractScrollArea *>{
                 dialog.Mem_params1(), dialog.Mem_params2(), dialog.REdt_results1(),
                 dialog.REdt_results2()})
            EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0) << box->objectName().toStdString();
    });
}

TEST_F(GraphInfo, WithoutAThresholdThereIsNoVerdict)
{
    TFile_Datas record = cycles();
    record.Minosit_szaz = -1;
    showInfo(record, [](TFrm_GraphInfo &dialog) {
        EXPECT_EQ(linesOf(dialog.REdt_results1()),
                  (QStringList{u"Mérés sorszáma:"_s, u"Mért feszültség (U0):"_s,
                               u"Mért kapacitás:"_s}));
        EXPECT_FALSE(linesOf(dialog.Mem_params1()).contains(u"Minősítési határ:"_s));
        EXPECT_EQ(dialog.Mem_params1()->document()->blockCount(), 6);
        EXPECT_EQ(dialog.Mem_params2()->document()->blockCount(), 6);
    });
}

TEST_F(GraphInfo, ParametersNotGivenLeaveOutTheirLinesInBothBoxes)
{
    TFile_Datas record = cycles();
    record.Kis_Aram = -1;
    record.Kis_vegfesz = -1;
    record.U0 = -1;
    showInfo(record, [](TFrm_GraphInfo &dialog) {
        EXPECT_EQ(linesOf(dialog.Mem_params1()),
                  (QStringList{u"Mintavételi idő:"_s, u"Névleges kapacitás:"_s, u"Töltési idő:"_s,
                               u"Minősítési határ:"_s, u"100%-os kapacitás kisütési ideje:"_s}));
        EXPECT_EQ(linesOf(dialog.Mem_params2()),
                  (QStringList{u"600 másodperc"_s, u"12 Ah"_s, u"2 óra"_s, u"80 %"_s, u"2 óra"_s}));
        EXPECT_EQ(linesOf(dialog.REdt_results2()), (QStringList{u"17"_s, u"85 %"_s}));
        EXPECT_EQ(linesOf(dialog.REdt_results1()).mid(0, 2),
                  (QStringList{u"Mérés sorszáma:"_s, u"Mért kapacitás:"_s}));
        expectSideBySide(dialog.Mem_params1(), dialog.Mem_params2());
        expectSideBySide(dialog.REdt_results1(), dialog.REdt_results2());
    });
}

TEST_F(GraphInfo, EnglishCaptionsStandOverTheRowsWrittenUnderTheBuiltInOnes)
{
    chooseLanguage(u"English"_s);
    showInfo(cycles(), [](TFrm_GraphInfo &dialog) {
        const TLxListViewSearch *list = dialog.Lsv_Lista();
        EXPECT_EQ(dialog.windowTitle(), u"Measurement information"_s);
        const QTreeWidgetItem *header = list->ListView_lista->headerItem();
        EXPECT_EQ(header->text(0), u"Caption"_s);
        EXPECT_EQ(header->text(1), u"Cycle"_s);
        EXPECT_EQ(header->text(2), u"State"_s);
        EXPECT_EQ(header->text(3), u"Time"_s);
        EXPECT_EQ(header->text(4), u"Charge quantity"_s);
        EXPECT_EQ(header->text(5), u"Thermal fault"_s);
        EXPECT_EQ(list->ReadRow(0, u"Cycle"_s), u"1"_s);
        EXPECT_EQ(list->ReadRow(1, u"State"_s), u"Discharge"_s);
        EXPECT_EQ(list->ReadRow(3, u"Time"_s), u"20 min"_s);
        EXPECT_EQ(list->ReadRow(0, u"Charge quantity"_s), u"1,5 A×h"_s);
        EXPECT_EQ(linesOf(dialog.REdt_results1()).last(), u"PASSED"_s);
        EXPECT_EQ(dialog.Btn_Save()->text(), u"Ok"_s);
    });
}

TEST_F(GraphInfo, AMeasurementWithoutSamplesGetsTheMessageInsteadOfTheDialog)
{
    TFrm_Graph *graph = open(cycles());
    ASSERT_NE(graph, nullptr);
    graph->File_Datas.Meres_Datas.clear();
    bGraphInfoClick(*graph);
    EXPECT_EQ(messages, QStringList{main->texts.Err_List(21)});
    EXPECT_TRUE(graph->findChildren<TFrm_GraphInfo *>().isEmpty());
}

} // namespace
} // namespace graphdialogs
