// Opening measurements into graph windows (Open command and queue), the
// Window-menu entries, the main window's commands as windows come and go, the
// close question, and loads that fail.
#include "GraphWindowTestSupport.h"

#include "measurement/ui/TFrm_LoadGraph.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

namespace graphtest {
namespace {

QStringList entryNames(const TFrm_Main &main)
{
    QStringList names;
    const QList<QAction *> items = main.Fmenu_Window->actions();
    for (qsizetype i = 7; i < items.size(); ++i)
        names << items[i]->objectName();
    return names;
}

QList<bool> entryTicks(const TFrm_Main &main)
{
    QList<bool> ticks;
    const QList<QAction *> items = main.Fmenu_Window->actions();
    for (qsizetype i = 7; i < items.size(); ++i)
        ticks << items[i]->isChecked();
    return ticks;
}

// The state of every command that needs a graph window, in a fixed order.
QList<bool> graphCommands(const TFrm_Main &main)
{
    return {main.Btn_Save->isEnabled(),      main.Btn_Cert->isEnabled(),
            main.Btn_Close->isEnabled(),     main.Menu_Save->isEnabled(),
            main.Menu_Report->isEnabled(),   main.Menu_Exp_Excel->isEnabled(),
            main.Menu_Rename->isEnabled(),   main.Menu_Close->isEnabled(),
            main.Fmenu_Window->isEnabled()};
}

const QList<bool> kAllOn(9, true);
const QList<bool> kAllOff(9, false);

TFrm_LoadGraph *progressWindow(const TFrm_Main &main)
{
    return main.findChild<TFrm_LoadGraph *>();
}

using OpenClose = GraphWindowTest;

TEST_F(OpenClose, OpenCommandShowsTheMeasurementInAMaximisedWindowNamedAfterTheFile)
{
    const QString path = writeFile(QStringLiteral("run.VRN"), sampleRecord(30, 60, 10));
    TFrm_Graph *graph = open(path);
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->windowTitle(), u"run.VRN");
    EXPECT_TRUE(graph->isMaximized());
    EXPECT_EQ(main->activeGraph(), graph);
    EXPECT_EQ(graph->Series1->count(), 30);
    EXPECT_EQ(graph->GraphNoID, 0);
    EXPECT_EQ(main->GraphNo, 1);
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(graphCommands(*main), kAllOn);
    EXPECT_EQ(entryNames(*main), QStringList{QStringLiteral("GRAPH0")});
    EXPECT_EQ(main->Fmenu_Window->actions().at(7)->text(), u"run.VRN");
    EXPECT_EQ(entryTicks(*main), QList<bool>{true});
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(main->windowTitle().endsWith(QStringLiteral(" - [run.VRN]")));
}

TEST_F(OpenClose, ProgressWindowRisesThroughThePhasesAndLeavesASecondLater)
{
    const QString path = writeFile(QStringLiteral("run.VRN"), sampleRecord(3000, 10, 1000));
    const QString queued = writeFile(QStringLiteral("queued.VRN"), sampleRecord(10, 60, 5));
    main->Add_File_List(queued);
    // Progress updates let the event loop run; a zero timer notes what the
    // progress window shows each time, and lets the queue's timer try its luck.
    QStringList shown;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        main->Time_LFFTimer();
        if (TFrm_LoadGraph *progress = progressWindow(*main)) {
            if (shown.isEmpty() || shown.last() != progress->Label1->text())
                shown << progress->Label1->text();
            EXPECT_TRUE(progress->isVisible());
            EXPECT_TRUE(progress->isEnabled()) << "its cancel button must work during the load";
            EXPECT_FALSE(main->isEnabled());
        }
    });
    watcher.start(0);
    ASSERT_NE(open(path), nullptr);
    watcher.stop();
    EXPECT_EQ(main->graphWindows().size(), 1) << "no second load starts during a load";
    EXPECT_EQ(main->Load_File_List, QStringList{queued});
    EXPECT_FALSE(main->Is_LFL_Used);

    QList<int> percents;
    for (const QString &text : shown)
        percents << text.chopped(2).toInt();
    ASSERT_GE(percents.size(), 10) << shown.join(u',').toStdString();
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end())) << shown.join(u',').toStdString();
    const auto within = [&](int low, int high) {
        return std::any_of(percents.begin(), percents.end(),
                           [&](int p) { return p > low && p < high; });
    };
    EXPECT_TRUE(within(30, 60)) << "line parsing";
    EXPECT_TRUE(within(60, 75)) << "adding the points";
    EXPECT_TRUE(within(75, 90)) << "colouring the runs";

    TFrm_LoadGraph *progress = progressWindow(*main);
    ASSERT_NE(progress, nullptr) << "the progress window stays for a moment";
    EXPECT_EQ(progress->Label1->text(), u"100 %");
    EXPECT_TRUE(main->isEnabled()) << "the user need not wait for it";
    EXPECT_TRUE(waitUntil([&] { return progressWindow(*main) == nullptr; }, 3000));
}

TEST_F(OpenClose, QueueOpensTheNewestFileFirstAndWindowsAreNumberedInOrder)
{
    const QString first = writeFile(QStringLiteral("first.VRN"), sampleRecord(10, 60, 5));
    const QString second = writeFile(QStringLiteral("second.VRN"), sampleRecord(12, 60, 5));
    main->Add_File_List(first);
    main->Add_File_List(second);

    main->Time_LFFTimer();
    ASSERT_EQ(main->graphWindows().size(), 1);
    EXPECT_EQ(main->graphWindows().at(0)->windowTitle(), u"second.VRN");
    EXPECT_EQ(main->Load_File_List, QStringList{first});
    EXPECT_FALSE(main->Is_LFL_Used);
    EXPECT_TRUE(main->Time_LFF->isActive());

    main->Time_LFFTimer();
    ASSERT_EQ(main->graphWindows().size(), 2);
    TFrm_Graph *later = main->graphWindows().at(1);
    EXPECT_EQ(later->windowTitle(), u"first.VRN");
    EXPECT_EQ(main->graphWindows().at(0)->GraphNoID, 0);
    EXPECT_EQ(later->GraphNoID, 1);
    EXPECT_TRUE(main->Load_File_List.isEmpty());
}

TEST_F(OpenClose, ThreeWindowsHaveTheirEntriesAndClosingTheMiddleOneKeepsTheOthers)
{
    const QStringList names{QStringLiteral("a.VRN"), QStringLiteral("b.VRN"), QStringLiteral("c.VRN")};
    QList<TFrm_Graph *> graphs;
    for (const QString &name : names)
        graphs << open(writeFile(name, sampleRecord(10, 60, 5)));
    ASSERT_EQ(main->graphWindows().size(), 3);
    EXPECT_EQ(entryNames(*main), (QStringList{QStringLiteral("GRAPH0"), QStringLiteral("GRAPH1"),
                                              QStringLiteral("GRAPH2")}));
    EXPECT_EQ(entryTicks(*main), (QList<bool>{false, false, true}));

    // Choosing the second entry brings its window forward and ticks only it.
    main->Fmenu_Window->actions().at(8)->trigger();
    EXPECT_EQ(main->activeGraph(), graphs[1]);
    EXPECT_EQ(entryTicks(*main), (QList<bool>{false, true, false}));

    // Activating a window in any other way ticks its entry too.
    main->mdiArea()->setActiveSubWindow(graphs[0]);
    EXPECT_EQ(entryTicks(*main), (QList<bool>{true, false, false}));
    main->mdiArea()->setActiveSubWindow(graphs[1]);

    main->Btn_CloseClick();
    QCoreApplication::processEvents();
    ASSERT_EQ(main->graphWindows().size(), 2);
    EXPECT_EQ(entryNames(*main), (QStringList{QStringLiteral("GRAPH0"), QStringLiteral("GRAPH2")}));
    EXPECT_EQ(main->Fmenu_Window->actions().at(7)->text(), u"a.VRN");
    EXPECT_EQ(main->Fmenu_Window->actions().at(8)->text(), u"c.VRN");
    EXPECT_EQ(graphCommands(*main), kAllOn);

    // Numbers are never reused.
    TFrm_Graph *fourth = open(writeFile(QStringLiteral("d.VRN"), sampleRecord(10, 60, 5)));
    ASSERT_NE(fourth, nullptr);
    EXPECT_EQ(fourth->GraphNoID, 3);
    EXPECT_EQ(entryNames(*main).last(), u"GRAPH3");
}

TEST_F(OpenClose, GraphCommandsAreAvailableExactlyWhileAWindowIsOpen)
{
    EXPECT_EQ(graphCommands(*main), kAllOff);
    open(writeFile(QStringLiteral("a.VRN"), sampleRecord(10, 60, 5)));
    open(writeFile(QStringLiteral("b.VRN"), sampleRecord(10, 60, 5)));
    EXPECT_EQ(graphCommands(*main), kAllOn);

    main->Btn_CloseClick();
    EXPECT_EQ(graphCommands(*main), kAllOn);
    main->Btn_CloseClick();
    QCoreApplication::processEvents();
    EXPECT_TRUE(main->graphWindows().isEmpty());
    EXPECT_EQ(graphCommands(*main), kAllOff);
    EXPECT_EQ(main->Fmenu_Window->actions().size(), 7);
}

// ---- the close question -------------------------------------------------------

TEST_F(OpenClose, ClosingAnUnmodifiedWindowAsksNothing)
{
    open(writeFile(QStringLiteral("run.VRN"), sampleRecord(10, 60, 5)));
    main->Btn_CloseClick();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(main->graphWindows().isEmpty());
}

TEST_F(OpenClose, ClosingAModifiedWindowAsksNamingItAndNoClosesWithoutSaving)
{
    TFrm_Graph *graph = open(writeFile(QStringLiteral("run.VRN"), sampleRecord(10, 60, 5)));
    graph->bZoomClick();
    answer({drNo});
    main->Btn_CloseClick();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].kind, dtQuestion);
    EXPECT_EQ(messages[0].text, main->texts.Text_List(19) + QStringLiteral(" \"RUN.VRN\" ")
                                    + main->texts.Text_List(20));
    EXPECT_TRUE(proposedNames.isEmpty()) << "no save dialog";
    EXPECT_TRUE(main->graphWindows().isEmpty());
}

TEST_F(OpenClose, YesToTheCloseQuestionSavesThroughTheSaveCommand)
{
    TFrm_Graph *graph = open(writeFile(QStringLiteral("run.VRN"), sampleRecord(10, 60, 5)));
    graph->Btn_Def_SizeClick();
    saveAnswer = filePath(QStringLiteral("kept.txt"));
    answer({drYes});
    main->Btn_CloseClick();
    EXPECT_EQ(proposedNames, QStringList{QStringLiteral("run.VRN")});
    EXPECT_TRUE(QFile::exists(filePath(QStringLiteral("kept.VRN"))));
    EXPECT_TRUE(main->graphWindows().isEmpty());
}

TEST_F(OpenClose, AWindowOnceZoomedAsksAgainAfterItWasSaved)
{
    TFrm_Graph *graph = open(writeFile(QStringLiteral("run.VRN"), sampleRecord(10, 60, 5)));
    graph->bZoomClick();
    graph->bZoomClick();
    saveAnswer = filePath(QStringLiteral("saved.VRN"));
    main->Btn_SaveClick();
    ASSERT_TRUE(QFile::exists(saveAnswer));
    answer({drNo});
    main->Btn_CloseClick();
    EXPECT_EQ(messages.size(), 1);
}

// ---- loads that fail ----------------------------------------------------------

TEST_F(OpenClose, AMissingFileShowsTheLoadErrorAndLeavesNoWindow)
{
    EXPECT_EQ(open(filePath(QStringLiteral("gone.VRN"))), nullptr);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].kind, dtError);
    EXPECT_EQ(messages[0].text, main->texts.Err_List(3));
    EXPECT_TRUE(main->graphWindows().isEmpty());
    EXPECT_TRUE(main->mdiArea()->subWindowList().isEmpty());
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(graphCommands(*main), kAllOff);
    EXPECT_EQ(progressWindow(*main), nullptr);
    EXPECT_EQ(main->GraphNo, 1) << "the failed window still took its number";
}

TEST_F(OpenClose, TooFewSamplesShowTheirOwnErrorAndOtherWindowsStay)
{
    TFrm_Graph *kept = open(writeFile(QStringLiteral("good.VRN"), sampleRecord(10, 60, 5)));
    ASSERT_TRUE(waitUntil([&] { return progressWindow(*main) == nullptr; }, 3000));
    EXPECT_EQ(open(writeFile(QStringLiteral("one.VRN"), sampleRecord(1, 60, 1))), nullptr);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, main->texts.Err_List(29));
    EXPECT_EQ(main->graphWindows(), QList<TFrm_Graph *>{kept});
    EXPECT_EQ(entryNames(*main), QStringList{QStringLiteral("GRAPH0")});
    EXPECT_EQ(graphCommands(*main), kAllOn);
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(progressWindow(*main), nullptr);
}

TEST_F(OpenClose, AValueThatDoesNotConvertFailsTheLoad)
{
    const QString path = writeBytes(QStringLiteral("dot.VRN"),
                                    "<MEAS>\r\n0\t12.50\t1,00\r\n1\t12,40\t1,00\r\n<EOF>\r\n");
    EXPECT_EQ(open(path), nullptr);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, main->texts.Err_List(3));
    EXPECT_TRUE(main->isEnabled());
}

TEST_F(OpenClose, ASavedViewWithAFieldThatIsNoNumberFailsTheLoad)
{
    TFile_Datas record = sampleRecord(10, 60, 5);
    record.LRBZ = QStringLiteral("0,00;14,00;x;3,00;0,00;9,00");
    EXPECT_EQ(open(writeFile(QStringLiteral("view.VRN"), record)), nullptr);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, main->texts.Err_List(3));
    EXPECT_TRUE(main->graphWindows().isEmpty());
    EXPECT_EQ(main->Fmenu_Window->actions().size(), 7) << "its entry went with it";
    EXPECT_EQ(graphCommands(*main), kAllOff);
}

} // namespace
} // namespace graphtest
