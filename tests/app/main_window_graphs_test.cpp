// The main window with graph windows open: the Window menu's entries and
// commands, the caption of a maximised window, rename, close, the language
// switch and leaving the program.
#include "app/SingleInstance.h"
#include "app/ui/MdiTiling.h"
#include "app/ui/SaveLoad.h"
#include "app/ui/TFrm_Main.h"
#include "app/ui/TFrm_Rename.h"
#include "graph/ui/TFrm_Graph.h"
#include "shell_test_support.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using shelltest::shippedText;

class GraphWindowsTest : public ::testing::Test {
protected:
    GraphWindowsTest()
    {
        main.Set_Language();
        main.setBaseCaption(SingleInstance::kInstanceMarker.toString());
        main.resize(1228, 700);
        main.show();
    }

    // A graph window as the reader leaves it, without a measurement.
    TFrm_Graph *open(const QString &caption)
    {
        auto *graph = new TFrm_Graph(main);
        main.addGraphWindow(graph);
        graph->setWindowTitle(caption);
        graph->MakeMenu();
        graph->SetMenu();
        graph->Change_Language();
        graph->showMaximized();
        main.mdiArea()->setActiveSubWindow(graph);
        return graph;
    }

    QAction *windowEntry(int index) const { return main.Fmenu_Window->actions().value(index); }

    QString marker() const { return SingleInstance::kInstanceMarker.toString(); }

    shelltest::ProgramFolder folder;
    TFrm_Main main;
};

TEST_F(GraphWindowsTest, EachWindowGetsAnEntryAndChoosingOneBringsItForward)
{
    TFrm_Graph *first = open(QStringLiteral("first.VRN"));
    TFrm_Graph *second = open(QStringLiteral("second.VRN"));
    ASSERT_EQ(main.Fmenu_Window->actions().size(), 9);
    EXPECT_EQ(windowEntry(7)->objectName(), QStringLiteral("GRAPH%1").arg(first->GraphNoID));
    EXPECT_EQ(windowEntry(8)->text(), QStringLiteral("second.VRN"));
    EXPECT_EQ(main.activeGraph(), second);

    windowEntry(7)->trigger();
    EXPECT_EQ(main.activeGraph(), first);
    EXPECT_TRUE(windowEntry(7)->isChecked());
    EXPECT_FALSE(windowEntry(8)->isChecked());
}

TEST_F(GraphWindowsTest, GraphCommandsAreOnWhileAWindowIsOpen)
{
    open(QStringLiteral("a.VRN"));
    for (QToolButton *button : {main.Btn_Cert, main.Btn_Save, main.Btn_Close})
        EXPECT_TRUE(button->isEnabled());
    for (QAction *action : {main.Menu_Save, main.Menu_Exp_Excel, main.Menu_Report,
                            main.Menu_Rename, main.Menu_Close, main.Menu_horizontal,
                            main.Menu_vertical, main.Menu_cascade, main.Menu_little})
        EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
    EXPECT_TRUE(main.Fmenu_Window->menuAction()->isEnabled());
}

TEST_F(GraphWindowsTest, TilingFirstRestoresAMaximisedWindow)
{
    TFrm_Graph *first = open(QStringLiteral("first.VRN"));
    TFrm_Graph *second = open(QStringLiteral("second.VRN"));
    ASSERT_TRUE(second->isMaximized());

    main.Menu_horizontal->trigger();
    EXPECT_FALSE(first->isMaximized());
    EXPECT_FALSE(second->isMaximized());
    const QList<QRect> rows =
        vorn::ui::tileRects(main.mdiArea()->viewport()->rect(), 2, Qt::Horizontal);
    // The window on top takes the first place.
    EXPECT_EQ(second->geometry(), rows[0]);
    EXPECT_EQ(first->geometry(), rows[1]);

    first->showMinimized();
    main.Menu_vertical->trigger();
    EXPECT_FALSE(first->isMinimized());
    EXPECT_EQ(first->width() + second->width(), main.mdiArea()->viewport()->width());
    EXPECT_EQ(first->height(), main.mdiArea()->viewport()->height());
}

TEST_F(GraphWindowsTest, TilingMeasurementsOpenedByTheReaderRestoresEveryOne)
{
    TFrm_Dialog::setTestHook([](TFrm_Dialog &dialog) { dialog.Btn_OK->click(); });
    Load_FROM_File(main, QStringLiteral(VORN_SOURCE_DIR "/tests/measurement/data/demo_short.VRN"));
    Load_FROM_File(main, QStringLiteral(VORN_SOURCE_DIR "/tests/measurement/data/cycles.VRN"));
    TFrm_Dialog::setTestHook({});
    const QList<TFrm_Graph *> graphs = main.graphWindows();
    ASSERT_EQ(graphs.size(), 2);
    main.Menu_vertical->trigger();
    for (TFrm_Graph *graph : graphs) {
        EXPECT_FALSE(graph->isMaximized()) << graph->windowTitle().toStdString();
        EXPECT_EQ(graph->width(), main.mdiArea()->viewport()->width() / 2);
    }
}

TEST_F(GraphWindowsTest, CascadeRestoresAndMinimiseAllMinimises)
{
    TFrm_Graph *first = open(QStringLiteral("first.VRN"));
    TFrm_Graph *second = open(QStringLiteral("second.VRN"));
    main.Menu_cascade->trigger();
    EXPECT_FALSE(second->isMaximized());
    EXPECT_NE(first->pos(), second->pos());
    main.Menu_little->trigger();
    EXPECT_TRUE(first->isMinimized());
    EXPECT_TRUE(second->isMinimized());
}

TEST_F(GraphWindowsTest, TheCaptionNamesTheMaximisedActiveWindow)
{
    TFrm_Graph *graph = open(QStringLiteral("run.VRN"));
    EXPECT_TRUE(shelltest::waitUntil(
        [&] { return main.windowTitle() == marker() + QStringLiteral(" - [run.VRN]"); }));
    graph->showNormal();
    EXPECT_TRUE(shelltest::waitUntil([&] { return main.windowTitle() == marker(); }));
    graph->showMaximized();
    graph->setWindowTitle(QStringLiteral("renamed"));
    EXPECT_TRUE(shelltest::waitUntil(
        [&] { return main.windowTitle() == marker() + QStringLiteral(" - [renamed]"); }));
    // A second copy still finds the marker in it.
    EXPECT_TRUE(main.windowTitle().toUpper().contains(marker().toUpper()));
}

TEST_F(GraphWindowsTest, RenameChangesTheTitleAndTheWindowEntry)
{
    TFrm_Graph *graph = open(QStringLiteral("old.VRN"));
    QString offered;
    QTimer::singleShot(0, [&offered] {
        auto *dialog = qobject_cast<TFrm_Rename *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        offered = dialog->Edt_Name->text();
        dialog->Edt_Name->setText(QStringLiteral("new name"));
        dialog->Btn_Save->click();
    });
    main.Menu_Rename->trigger();
    EXPECT_EQ(offered, QStringLiteral("old.VRN"));
    EXPECT_EQ(graph->windowTitle(), QStringLiteral("new name"));
    EXPECT_EQ(windowEntry(7)->text(), QStringLiteral("new name"));
    EXPECT_FALSE(graph->Is_Modified);

    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<TFrm_Rename *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->Edt_Name->setText(QStringLiteral("ignored"));
        dialog->Btn_Cancel->click();
    });
    main.Menu_Rename->trigger();
    EXPECT_EQ(graph->windowTitle(), QStringLiteral("new name"));
}

TEST_F(GraphWindowsTest, CloseClosesTheActiveWindowAndTheLastOneSwitchesCommandsOff)
{
    TFrm_Graph *first = open(QStringLiteral("first.VRN"));
    open(QStringLiteral("second.VRN"));
    main.Btn_Close->click();
    EXPECT_EQ(main.graphWindows(), QList<TFrm_Graph *>{first});
    EXPECT_EQ(main.Fmenu_Window->actions().size(), 8);
    EXPECT_TRUE(main.Btn_Save->isEnabled());

    main.Menu_Close->trigger();
    EXPECT_TRUE(main.graphWindows().isEmpty());
    for (QToolButton *button : {main.Btn_Cert, main.Btn_Save, main.Btn_Close})
        EXPECT_FALSE(button->isEnabled());
    for (QAction *action : {main.Menu_Save, main.Menu_Report, main.Menu_Rename,
                            main.Menu_Close, main.Menu_horizontal})
        EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
    EXPECT_FALSE(main.Fmenu_Window->menuAction()->isEnabled());
}

TEST_F(GraphWindowsTest, LanguageSwitchKeepsAMaximisedWindowMaximisedInTheNewLanguage)
{
    TFrm_Graph *graph = open(QStringLiteral("run.VRN"));
    ASSERT_TRUE(graph->isMaximized());
    main.switchLanguage(QStringLiteral("English"));
    EXPECT_TRUE(graph->isMaximized());
    EXPECT_EQ(graph->Lbl_Time->text(),
              shippedText(QStringLiteral("English"), QStringLiteral("Text69")) + u':');
    EXPECT_EQ(main.Menu_Open->text(), shippedText(QStringLiteral("English"), QStringLiteral("Menu4")));
}

TEST_F(GraphWindowsTest, LeavingTheProgramAsksNoSaveQuestion)
{
    auto *window = new TFrm_Main;
    auto *graph = new TFrm_Graph(*window);
    window->addGraphWindow(graph);
    graph->MakeMenu();
    graph->Is_Modified = true;
    window->show();
    int questions = 0;
    TFrm_Dialog::setTestHook([&questions](TFrm_Dialog &dialog) {
        ++questions;
        dialog.Btn_No->click();
    });
    window->Btn_Exit->click();
    EXPECT_FALSE(window->isVisible());
    delete window;
    TFrm_Dialog::setTestHook({});
    EXPECT_EQ(questions, 0);
}

} // namespace
