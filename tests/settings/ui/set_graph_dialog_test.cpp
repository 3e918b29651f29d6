// The graph settings dialog opened from a graph window: what it shows at
// opening, the preview of every change, the undo on every way of closing but
// Save, and the steps Save writes.
#include "graph_dialogs_support.h"

#include "engines/ChartWidget.h"
#include "settings/IniFile.h"
#include "settings/ui/GraphDialogs.h"
#include "exchange/ui/TLxListViewSearch.h"
#include "settings/ui/TFrm_GraphInfo.h"
#include "settings/ui/TFrm_SetGraph.h"

#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace graphdialogs {
namespace {

using namespace Qt::StringLiterals;

template <class Control>
Control *control(const TFrm_SetGraph &dialog, const QString &name)
{
    auto *found = dialog.findChild<Control *>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

QCheckBox *box(const TFrm_SetGraph &dialog, const QString &name)
{
    return control<QCheckBox>(dialog, name);
}

QSpinBox *spin(const TFrm_SetGraph &dialog, const QString &name)
{
    return control<QSpinBox>(dialog, name);
}

bool shown(const QWidget *field)
{
    return field->isVisibleTo(field->parentWidget());
}

class SetGraph : public GraphDialogTest {
protected:
    void SetUp() override
    {
        GraphDialogTest::SetUp();
        graph = open(recordOf(60, {{true, 30, 2.0}, {false, 30, 4.0}}));
        ASSERT_NE(graph, nullptr);
        chart = graph->Main_Chart;
    }

    // Opens the dialog from the window's command and runs act on it.
    void settings(const std::function<void(TFrm_SetGraph &)> &act)
    {
        graph->Is_Modified = false;
        whenShown<TFrm_SetGraph>(act);
        bSetGraphClick(*graph);
        EXPECT_TRUE(graph->Is_Modified);
        EXPECT_TRUE(graph->findChildren<TFrm_SetGraph *>().isEmpty()) << "the dialog is freed";
    }

    TFrm_Graph *graph = nullptr;
    vorn::chart::ChartWidget *chart = nullptr;
};

TEST_F(SetGraph, OpeningShowsTheWindowsStepsAndSettingsWithoutChangingIt)
{
    // Steps the whole-number fields cannot hold, and a current curve hidden
    // by the window's own box while its axis stays.
    chart->leftAxis()->setIncrement(0.0126);
    chart->rightAxis()->setIncrement(2.0);
    chart->bottomAxis()->setIncrement(0.1);
    graph->cbA->click();
    graph->vlepeskoz = 12;
    ASSERT_FALSE(graph->Series2->isActive());
    const GraphDisplay before = captureGraphDisplay(*graph);

    settings([&](TFrm_SetGraph &dialog) {
        EXPECT_EQ(spin(dialog, u"Spn_Volt"_s)->value(), 13);    // 12.6 mV, nearest whole
        EXPECT_EQ(spin(dialog, u"Spn_Amper"_s)->value(), 1000); // 2000 mA, above the range
        EXPECT_EQ(spin(dialog, u"Spn_Ido"_s)->value(), 1);      // 0.1, below the range
        EXPECT_EQ(spin(dialog, u"Spn_koz"_s)->value(), 12);
        EXPECT_TRUE(box(dialog, u"Chb_Aram"_s)->isChecked());   // the axis is shown
        EXPECT_TRUE(box(dialog, u"Chb_Fesz"_s)->isChecked());
        EXPECT_TRUE(box(dialog, u"Chb_hatar"_s)->isChecked());
        EXPECT_TRUE(box(dialog, u"Cmb_Grid"_s)->isChecked());
        EXPECT_TRUE(box(dialog, u"Cmb_Scale"_s)->isChecked());
        EXPECT_EQ(captureGraphDisplay(*graph), before);
        control<QPushButton>(dialog, u"Btn_Cancel"_s)->click();
    });
    EXPECT_EQ(captureGraphDisplay(*graph), before);
    EXPECT_EQ(chart->bottomAxis()->increment(), 0.1);
}

TEST_F(SetGraph, AThousandthOfAVoltShowsAsOneMillivolt)
{
    chart->leftAxis()->setIncrement(0.001);
    settings([](TFrm_SetGraph &dialog) {
        EXPECT_EQ(spin(dialog, u"Spn_Volt"_s)->value(), 1);
        dialog.reject();
    });
    EXPECT_EQ(chart->leftAxis()->increment(), 0.001);
}

TEST_F(SetGraph, UntickedCurrentCurveIsHiddenAtOnceAndCancelShowsItAgain)
{
    settings([&](TFrm_SetGraph &dialog) {
        box(dialog, u"Chb_Aram"_s)->click();
        EXPECT_FALSE(graph->Series2->isActive());
        EXPECT_FALSE(chart->rightAxis()->isVisible());
        EXPECT_FALSE(graph->cbA->isChecked());
        box(dialog, u"Chb_Fesz"_s)->click();
        EXPECT_FALSE(graph->Series1->isActive());
        EXPECT_FALSE(chart->leftAxis()->isVisible());
        control<QPushButton>(dialog, u"Btn_Cancel"_s)->click();
    });
    EXPECT_TRUE(graph->Series2->isActive());
    EXPECT_TRUE(chart->rightAxis()->isVisible());
    EXPECT_TRUE(graph->cbA->isChecked());
    EXPECT_TRUE(graph->Series1->isActive());
    EXPECT_TRUE(chart->leftAxis()->isVisible());
}

TEST_F(SetGraph, TheCloseBoxAndEscapeUndoLikeCancel)
{
    graph->vlepeskoz = 6;
    const GraphDisplay before = captureGraphDisplay(*graph);
    settings([&](TFrm_SetGraph &dialog) {
        spin(dialog, u"Spn_koz"_s)->setValue(20);
        EXPECT_EQ(graph->vlepeskoz, 20);
        box(dialog, u"Chb_hatar"_s)->click();
        EXPECT_FALSE(graph->Series3->isActive());
        EXPECT_FALSE(graph->Series4->isActive());
        box(dialog, u"Cmb_Grid"_s)->click();
        EXPECT_FALSE(chart->leftAxis()->isGridVisible());
        EXPECT_FALSE(chart->bottomAxis()->isGridVisible());
        dialog.close();
    });
    EXPECT_EQ(graph->vlepeskoz, 6);
    EXPECT_EQ(captureGraphDisplay(*graph), before);

    settings([&](TFrm_SetGraph &dialog) {
        spin(dialog, u"Spn_koz"_s)->setValue(20);
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog, &escape);
    });
    EXPECT_EQ(graph->vlepeskoz, 6);
}

TEST_F(SetGraph, UntickedScalingFieldsHideTheEditsAndArrowsAndNarrowTheMargins)
{
    const QMargins opening = chart->margins();
    ASSERT_EQ(opening.left(), 5);
    settings([&](TFrm_SetGraph &dialog) {
        box(dialog, u"Cmb_Scale"_s)->click();
        for (const QWidget *field : scalingFields(*graph))
            EXPECT_FALSE(shown(field)) << field->objectName().toStdString();
        EXPECT_EQ(chart->margins(), QMargins(1, opening.top(), 1, 1));
        control<QPushButton>(dialog, u"Btn_Cancel"_s)->click();
    });
    EXPECT_EQ(chart->margins(), opening);
    for (const QWidget *field : QList<QWidget *>{graph->Edt_Max_fesz, graph->_ig, graph->lt, graph->br})
        EXPECT_TRUE(shown(field)) << field->objectName().toStdString();
    // Out of zoom mode the zoom picture stays hidden.
    EXPECT_FALSE(shown(graph->Zoom_Img));

    // Narrow margins tell the next opening that the fields are off.
    settings([&](TFrm_SetGraph &dialog) {
        box(dialog, u"Cmb_Scale"_s)->click();
        dialog.findChild<QPushButton *>(u"Btn_Save"_s)->click();
    });
    settings([&](TFrm_SetGraph &dialog) {
        EXPECT_FALSE(box(dialog, u"Cmb_Scale"_s)->isChecked());
        box(dialog, u"Cmb_Scale"_s)->click();
        EXPECT_EQ(chart->margins(), QMargins(5, opening.top(), 5, 5));
        EXPECT_TRUE(shown(graph->Edt_Min_Aram));
        EXPECT_FALSE(shown(graph->Zoom_Img));
        dialog.reject();
    });
    EXPECT_FALSE(shown(graph->Edt_Min_Aram));
}

TEST_F(SetGraph, VoltageStepIsPreviewedAndSaveKeepsAndWritesTheSteps)
{
    settings([&](TFrm_SetGraph &dialog) {
        spin(dialog, u"Spn_Volt"_s)->setValue(500);
        EXPECT_EQ(chart->leftAxis()->increment(), 0.5);
        spin(dialog, u"Spn_Amper"_s)->setValue(250);
        EXPECT_EQ(chart->rightAxis()->increment(), 0.25);
        spin(dialog, u"Spn_Ido"_s)->setValue(15);
        EXPECT_EQ(chart->bottomAxis()->increment(), 15);
        EXPECT_EQ(chart->topAxis()->increment(), 15);
        spin(dialog, u"Spn_koz"_s)->setValue(20);
        control<QPushButton>(dialog, u"Btn_Save"_s)->click();
        EXPECT_TRUE(dialog.Is_Save);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(chart->leftAxis()->increment(), 0.5);
    EXPECT_EQ(chart->bottomAxis()->increment(), 15);
    EXPECT_EQ(graph->vlepeskoz, 20);
    EXPECT_EQ(vorn::IniFile(settingsPath()).readSection(u"Scale"_s),
              (QStringList{u"Ulept=0,5"_s, u"Ilept=0,25"_s, u"tlept=15"_s, u"step=20"_s}));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SetGraph, AFailedWriteSaysSoAndLeavesTheDialogOpen)
{
    ASSERT_TRUE(QDir().mkdir(settingsPath())); // a folder where the file should be
    settings([&](TFrm_SetGraph &dialog) {
        spin(dialog, u"Spn_Volt"_s)->setValue(500);
        control<QPushButton>(dialog, u"Btn_Save"_s)->click();
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].startsWith(main->texts.Err_List(10))) << messages[0].toStdString();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(dialog.Is_Save);
        EXPECT_EQ(chart->leftAxis()->increment(), 0.5);
        dialog.reject();
    });
    EXPECT_EQ(chart->leftAxis()->increment(), 0.001);
}

TEST_F(SetGraph, TheWindowsButtonsOpenBothDialogs)
{
    bool infoShown = false;
    whenShown<TFrm_GraphInfo>([&](TFrm_GraphInfo &dialog) {
        infoShown = dialog.Lsv_Lista()->ListView_lista->topLevelItemCount() == 2;
        dialog.Btn_Save()->click();
    });
    graph->bGraphInfo->click();
    EXPECT_TRUE(infoShown);

    graph->Is_Modified = false;
    whenShown<TFrm_SetGraph>([](TFrm_SetGraph &dialog) { dialog.reject(); });
    graph->bSetGraph->click();
    EXPECT_TRUE(graph->Is_Modified);
}

} // namespace
} // namespace graphdialogs
