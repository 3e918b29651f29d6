// Saving a graph window's measurement (proposed name, overwrite question,
// a save that fails), renaming a window, and switching the language while a
// window is maximised.
#include "GraphWindowTestSupport.h"

#include "app/ui/TFrm_Rename.h"
#include "app/ui/UserPrompts.h"
#include "settings/LanguageTables.h"
#include "settings/ProgramFolder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <csignal>
#include <sys/resource.h>

namespace graphtest {
namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void pressEnter(QLineEdit *edit, const QString &text)
{
    edit->setText(text);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &press);
}

// Renames the active window through the rename dialog, as the user would.
void renameActive(TFrm_Main &main, const QString &name)
{
    QTimer::singleShot(0, [name] {
        auto *dialog = qobject_cast<TFrm_Rename *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->Edt_Name->setText(name);
        dialog->Btn_Save->click();
    });
    main.Menu_RenameClick();
}

using SaveRenameLanguage = GraphWindowTest;

TEST_F(SaveRenameLanguage, SavingProposesTheCaptionAndReopeningRestoresViewUnitAndCorrections)
{
    TFile_Datas record = sampleRecord(240, 60, 100);
    record.Ukorr = 1.01;
    record.UOffs = -0.05;
    record.Ikorr = 0.98;
    TFrm_Graph *graph = open(writeFile(QStringLiteral("run.VRN"), record));
    graph->Cmb_Time->setCurrentIndex(2);
    emit graph->Cmb_Time->activated(2);
    graph->Edt_Min_fesz->setText(QStringLiteral("10"));
    pressEnter(graph->Edt_Max_fesz, QStringLiteral("14"));
    graph->_tol->setText(QStringLiteral("1"));
    pressEnter(graph->_ig, QStringLiteral("3"));
    drawn(graph);
    const QString view = graph->File_Datas.LRBZ;
    EXPECT_EQ(view.section(u';', 0, 1), u"10,00;14,00");
    EXPECT_EQ(view.section(u';', 4, 5), u"1,00;3,00");

    saveAnswer = filePath(QStringLiteral("copy.final.txt"));
    main->Btn_SaveClick();
    EXPECT_EQ(proposedNames, QStringList{QStringLiteral("run.VRN")});
    EXPECT_EQ(saveTitles, QStringList{main->texts.Text_List(25)});
    EXPECT_TRUE(messages.isEmpty());
    ASSERT_TRUE(QFile::exists(filePath(QStringLiteral("copy.VRN"))));

    TFrm_Graph *reopened = open(filePath(QStringLiteral("copy.VRN")));
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->Cmb_Time->currentIndex(), 2);
    EXPECT_EQ(reopened->File_Datas.Ukorr, 1.01);
    EXPECT_EQ(reopened->File_Datas.Ikorr, 0.98);
    EXPECT_EQ(reopened->Series1->yValue(0), graph->Series1->yValue(0));
    EXPECT_EQ(reopened->Main_Chart->leftAxis()->minimum(), 10.0);
    EXPECT_EQ(reopened->Main_Chart->leftAxis()->maximum(), 14.0);
    EXPECT_EQ(reopened->Main_Chart->bottomAxis()->minimum(), 1.0);
    EXPECT_EQ(reopened->Main_Chart->bottomAxis()->maximum(), 3.0);
    drawn(reopened);
    EXPECT_EQ(reopened->File_Datas.LRBZ, view);
}

TEST_F(SaveRenameLanguage, SavingOverAnExistingFileAsksAndNoLeavesItAlone)
{
    open(writeFile(QStringLiteral("run.VRN"), sampleRecord(20, 60, 5)));
    saveAnswer = writeBytes(QStringLiteral("old.VRN"), "old contents");
    answer({drNo});
    main->Btn_SaveClick();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, main->texts.Text_List(21));
    EXPECT_EQ(contents(saveAnswer), "old contents");

    answer({drYes});
    main->Btn_SaveClick();
    EXPECT_EQ(messages.size(), 2);
    EXPECT_TRUE(contents(saveAnswer).startsWith("<MEAS>\r\n0\t12,00\t-2,50\r\n"));

    saveAnswer.clear(); // cancelled: nothing asked, nothing written
    main->Btn_SaveClick();
    EXPECT_EQ(messages.size(), 2);
}

TEST_F(SaveRenameLanguage, AFailedSaveKeepsTheOldFileAndSaysWhy)
{
    open(writeFile(QStringLiteral("run.VRN"), sampleRecord(3000, 10, 1000)));
    const QString target = writeBytes(QStringLiteral("old.VRN"), "old contents");
    // A disk that fills up: files may not grow beyond 4 KB while saving.
    rlimit normal{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &normal), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    vorn::prompts::setSaveFileHook([&](const vorn::prompts::FileRequest &) {
        rlimit small = normal;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
        return target;
    });
    onMessage = [&](const Message &message) {
        if (message.kind == dtError)
            setrlimit(RLIMIT_FSIZE, &normal);
    };
    answer({drYes});
    main->Btn_SaveClick();
    setrlimit(RLIMIT_FSIZE, &normal);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[1].kind, dtError);
    EXPECT_TRUE(messages[1].text.contains(target)) << messages[1].text.toStdString();
    EXPECT_GT(messages[1].text.size(), target.size() + 2) << "the reason follows the path";
    EXPECT_EQ(contents(target), "old contents");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              (QStringList{QStringLiteral("old.VRN"), QStringLiteral("run.VRN")}));
}

TEST_F(SaveRenameLanguage, RenamingChangesTheCaptionTheMenuEntryAndTheProposedName)
{
    open(writeFile(QStringLiteral("a.VRN"), sampleRecord(20, 60, 5)));
    TFrm_Graph *second = open(writeFile(QStringLiteral("b.VRN"), sampleRecord(20, 60, 5)));
    renameActive(*main, QStringLiteral("Battery 7"));
    EXPECT_EQ(second->windowTitle(), u"Battery 7");
    EXPECT_EQ(main->Fmenu_Window->actions().at(8)->text(), u"Battery 7");
    EXPECT_EQ(main->Fmenu_Window->actions().at(7)->text(), u"a.VRN");
    EXPECT_FALSE(second->Is_Modified);
    EXPECT_TRUE(waitUntil([&] { return main->windowTitle().endsWith(u" - [Battery 7]"); }));

    saveAnswer.clear();
    main->Btn_SaveClick();
    EXPECT_EQ(proposedNames, QStringList{QStringLiteral("Battery 7")});
}

TEST_F(SaveRenameLanguage, SwitchingTheLanguageKeepsAMaximisedWindowMaximisedAndRetitlesIt)
{
    TFrm_Graph *graph = open(writeFile(QStringLiteral("run.VRN"), sampleRecord(20, 60, 5)));
    graph->Cmb_Time->setCurrentIndex(2);
    emit graph->Cmb_Time->activated(2);
    ASSERT_TRUE(graph->isMaximized());

    main->switchLanguage(QStringLiteral("German"));
    const vorn::TextTables german =
        vorn::loadLanguageSection(vorn::programFolder(), QStringLiteral("German"));
    EXPECT_TRUE(graph->isMaximized());
    EXPECT_EQ(graph->Main_Chart->leftAxis()->title(),
              german.Text_List(36) + u' ' + german.Text_List(132));
    EXPECT_EQ(graph->Main_Chart->rightAxis()->title(),
              german.Text_List(37) + QStringLiteral(" (") + german.Text_List(10) + u')');
    EXPECT_EQ(graph->Main_Chart->bottomAxis()->title(),
              german.Text_List(69) + QStringLiteral(" ( ") + german.Text_List(54) + QStringLiteral(" )"));
    EXPECT_EQ(graph->Cmb_Time->currentIndex(), 2);
    EXPECT_EQ(graph->Cmb_Time->itemText(0), german.Text_List(128));
    EXPECT_EQ(graph->Lbl_Volt->text(), german.Text_List(36) + u':');
    EXPECT_EQ(graph->Btn_Cut->toolTip(), german.Menu_List(24));
    EXPECT_EQ(graph->_tol->toolTip(), german.Text_List(94));
}

TEST_F(SaveRenameLanguage, TheDemoMeasurementOpensAndSavesBackWithItsSamples)
{
    TFrm_Graph *graph =
        open(QStringLiteral(VORN_SOURCE_DIR "/tests/measurement/data/demo_short.VRN"));
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->windowTitle(), u"demo_short.VRN");
    const int samples = graph->Series1->count();
    EXPECT_GT(samples, 100);
    saveAnswer = filePath(QStringLiteral("demo.VRN"));
    main->Btn_SaveClick();
    TFrm_Graph *again = open(saveAnswer);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->Series1->count(), samples);
    EXPECT_EQ(again->File_Datas.Megj, graph->File_Datas.Megj);
    EXPECT_TRUE(messages.isEmpty());
}

} // namespace
} // namespace graphtest
