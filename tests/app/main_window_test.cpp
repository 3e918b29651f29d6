// The main window without graph windows: controls and their states at start,
// menus and shortcuts, texts in each language, the Open and Help commands,
// the clock and the caption.
#include "app/ui/MainBanner.h"
#include "app/ui/TFrm_Main.h"
#include "app/ui/UserPrompts.h"
#include "shell_test_support.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using shelltest::shippedText;

class MainWindowTest : public ::testing::Test {
protected:
    void TearDown() override { vorn::prompts::clearHooks(); }

    shelltest::ProgramFolder folder;
    TFrm_Main main;
};

QStringList entryNames(const QMenu *menu)
{
    QStringList names;
    for (const QAction *action : menu->actions())
        names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    return names;
}

TEST_F(MainWindowTest, AtStartOnlyTheProgramWideCommandsAreAvailable)
{
    EXPECT_FALSE(main.Btn_Cert->isEnabled());
    EXPECT_TRUE(main.Btn_PenDrive->isEnabled());
    EXPECT_TRUE(main.Btn_Open->isEnabled());
    EXPECT_FALSE(main.Btn_Save->isEnabled());
    EXPECT_FALSE(main.Btn_Close->isEnabled());
    EXPECT_TRUE(main.Btn_Help->isEnabled());
    EXPECT_TRUE(main.Btn_Exit->isEnabled());

    for (QAction *on : {main.Menu_Open, main.Menu_Setting, main.Menu_Correction, main.Menu_Exit,
                        main.Menu_Help, main.Menu_About})
        EXPECT_TRUE(on->isEnabled()) << on->objectName().toStdString();
    // A disabled action's shortcut does nothing, so these are unavailable from
    // the menu and through their keys alike.
    for (QAction *off : {main.Menu_Save, main.Menu_Exp_Excel, main.Menu_Report, main.Menu_Rename,
                         main.Menu_Close, main.Menu_horizontal, main.Menu_vertical,
                         main.Menu_cascade, main.Menu_little})
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
    EXPECT_FALSE(main.Fmenu_Window->isEnabled());
    EXPECT_FALSE(main.Fmenu_Window->menuAction()->isEnabled());
    EXPECT_TRUE(main.Fmenu_File->menuAction()->isEnabled());
    EXPECT_TRUE(main.Fmenu_Help->menuAction()->isEnabled());
}

TEST_F(MainWindowTest, MenusHoldTheirEntriesShortcutsAndIcons)
{
    EXPECT_EQ(main.menuBar()->actions(),
              (QList<QAction *>{main.Fmenu_File->menuAction(), main.Fmenu_Window->menuAction(),
                                main.Fmenu_Help->menuAction()}));
    EXPECT_EQ(entryNames(main.Fmenu_File),
              QStringLiteral("Menu_Open Menu_Save - Menu_Exp_Excel Menu_Compare - Menu_Report Menu_Setting "
                             "Menu_Correction Menu_Rename - Menu_Exit").split(u' '));
    // Exactly seven fixed entries: graph windows append theirs from index 7.
    EXPECT_EQ(entryNames(main.Fmenu_Window),
              QStringLiteral("Menu_horizontal Menu_vertical Menu_cascade - Menu_little Menu_Close -")
                  .split(u' '));
    EXPECT_EQ(entryNames(main.Fmenu_Help), QStringLiteral("Menu_Help Menu_About").split(u' '));

    const std::pair<QAction *, const char *> keys[] = {
        {main.Menu_Open, "Ctrl+O"},       {main.Menu_Save, "Ctrl+S"},
        {main.Menu_Report, "Ctrl+J"},     {main.Menu_Setting, "Ctrl+A"},
        {main.Menu_horizontal, "Ctrl+H"}, {main.Menu_vertical, "Ctrl+V"},
        {main.Menu_cascade, "Ctrl+K"},    {main.Menu_little, "Ctrl+M"},
        {main.Menu_Close, "Ctrl+B"},      {main.Menu_Help, "Ctrl+H"},
    };
    for (const auto &[action, key] : keys)
        EXPECT_EQ(action->shortcut(), QKeySequence(QLatin1String(key))) << key;
    for (QAction *plain : {main.Menu_Exp_Excel, main.Menu_Correction, main.Menu_Rename,
                           main.Menu_Exit, main.Menu_About})
        EXPECT_TRUE(plain->shortcut().isEmpty());

    for (QAction *withIcon : {main.Menu_Open, main.Menu_Save, main.Menu_Exp_Excel})
        EXPECT_FALSE(withIcon->icon().isNull());
    EXPECT_TRUE(main.Menu_Report->icon().isNull());
}

TEST_F(MainWindowTest, TheWindowMenuCarriesItsArrangingCommandsAndCtrlH)
{
    main.Set_Language();
    const QString help = main.Menu_Help->text();

    // The graph windows switch the menu on and off through its widget or its
    // menu-bar entry.
    main.Fmenu_Window->setEnabled(true);
    for (QAction *action : {main.Menu_horizontal, main.Menu_vertical, main.Menu_cascade,
                            main.Menu_little})
        EXPECT_TRUE(action->isEnabled());
    EXPECT_TRUE(main.Fmenu_Window->menuAction()->isEnabled());
    // Both entries show Ctrl+H, and the key tiles the windows.
    EXPECT_TRUE(main.Menu_Help->shortcut().isEmpty());
    EXPECT_TRUE(main.Menu_Help->text().startsWith(help + u'\t'));
    EXPECT_TRUE(main.Menu_Help->text().endsWith(QKeySequence(QStringLiteral("Ctrl+H"))
                                                    .toString(QKeySequence::NativeText)));

    // Holding the whole window still for a while (as an export does) gives
    // the menu back as it was.
    main.setEnabled(false);
    main.setEnabled(true);
    EXPECT_TRUE(main.Fmenu_Window->isEnabled());
    EXPECT_TRUE(main.Menu_cascade->isEnabled());

    main.Fmenu_Window->menuAction()->setEnabled(false);
    EXPECT_FALSE(main.Fmenu_Window->isEnabled());
    EXPECT_FALSE(main.Menu_cascade->isEnabled());
    EXPECT_EQ(main.Menu_Help->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));
    EXPECT_EQ(main.Menu_Help->text(), help);
}

TEST_F(MainWindowTest, BannerAndToolbarKeepTheirLayout)
{
    main.resize(1228, 650);
    main.show();
    const QWidget *banner = main.findChild<QWidget *>(QStringLiteral("Panel1"));
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->height(), 93);
    const QWidget *panel3 = main.findChild<QWidget *>(QStringLiteral("Panel3"));
    ASSERT_NE(panel3, nullptr);
    EXPECT_EQ(panel3->height(), 26);
    EXPECT_EQ(panel3->geometry().bottom(), main.centralWidget()->height() - 1);
    EXPECT_EQ(main.minimumWidth(), 1032);

    const QList<QToolButton *> order = {main.Btn_Cert, main.Btn_PenDrive, main.Btn_Open,
                                        main.Btn_Save, main.Btn_Close, main.Btn_Help,
                                        main.Btn_Exit};
    int left = -1;
    for (QToolButton *button : order) {
        EXPECT_EQ(button->size(), QSize(42, 38));
        EXPECT_TRUE(button->autoRaise());
        EXPECT_GT(button->x(), left);
        left = button->x();
    }
    // The separator stands between Close and Help.
    const auto *separator = banner->findChild<QFrame *>(QStringLiteral("Panel2"));
    ASSERT_NE(separator, nullptr);
    EXPECT_GT(separator->x(), main.Btn_Close->geometry().right());
    EXPECT_LT(separator->geometry().right(), main.Btn_Help->x());
}

TEST_F(MainWindowTest, TheClockKeepsItsDistanceFromTheRightEdge)
{
    main.resize(1400, 700);
    main.show();
    EXPECT_EQ(main.Lbl_Time->geometry().right() + 1, main.width() - 35);
    main.resize(1100, 700);
    EXPECT_EQ(main.Lbl_Time->geometry().right() + 1, main.width() - 35);
    EXPECT_TRUE(main.Timer1->isActive());
    EXPECT_EQ(main.Timer1->interval(), 1000);
    EXPECT_FALSE(main.Time_LFF->isActive());
    EXPECT_FALSE(main.Time_Pendrive->isActive());
}

TEST(ClockTextTest, FollowsTheLocalesShortDateAndLongTimeWithoutTimeZone)
{
    const QDateTime moment(QDate(2024, 3, 5), QTime(7, 8, 9));
    EXPECT_EQ(clockText(QLocale(QLocale::Hungarian, QLocale::Hungary), moment),
              QStringLiteral("2024. 03. 05. 7:08:09"));
    EXPECT_EQ(clockText(QLocale(QLocale::German, QLocale::Germany), moment),
              QStringLiteral("05.03.24 07:08:09"));
    EXPECT_EQ(clockText(QLocale(QLocale::English, QLocale::UnitedStates), moment),
              QStringLiteral("3/5/24 7:08:09 AM"));
}

TEST_F(MainWindowTest, SetLanguageAppliesEveryCaptionInEachLanguage)
{
    for (const QString &language : {QStringLiteral("Magyar"), QStringLiteral("English"),
                                   QStringLiteral("German")}) {
        SCOPED_TRACE(language.toStdString());
        folder.chooseLanguage(language);
        main.Set_Language();
        EXPECT_EQ(main.texts.Used_Lang, language);
        const auto menu = [&](int i) { return shippedText(language, QStringLiteral("Menu%1").arg(i)); };
        EXPECT_EQ(main.Fmenu_File->title(), menu(0));
        EXPECT_EQ(main.Fmenu_Window->title(), menu(1));
        EXPECT_EQ(main.Fmenu_Help->title(), menu(2));
        const std::pair<QAction *, int> captions[] = {
            {main.Menu_Open, 4},        {main.Menu_Save, 5},        {main.Menu_Exp_Excel, 7},
            {main.Menu_Report, 8},      {main.Menu_Setting, 9},     {main.Menu_Correction, 10},
            {main.Menu_Rename, 11},     {main.Menu_horizontal, 12}, {main.Menu_vertical, 13},
            {main.Menu_cascade, 14},    {main.Menu_little, 15},     {main.Menu_Help, 17},
            {main.Menu_About, 19},      {main.Menu_Close, 20},      {main.Menu_Exit, 21},
        };
        for (const auto &[action, index] : captions)
            EXPECT_EQ(action->text(), menu(index)) << index;

        const auto text = [&](int i) { return shippedText(language, QStringLiteral("Text%1").arg(i)); };
        EXPECT_EQ(main.Lbl_Name->text(), text(0) + u' ' + text(1));
        EXPECT_EQ(main.Btn_Cert->toolTip(), menu(8));
        EXPECT_EQ(main.Btn_PenDrive->toolTip(), text(174));
        EXPECT_EQ(main.Btn_Open->toolTip(), menu(4));
        EXPECT_EQ(main.Btn_Save->toolTip(), menu(5));
        EXPECT_EQ(main.Btn_Close->toolTip(), menu(20));
        EXPECT_EQ(main.Btn_Help->toolTip(), menu(17));
        EXPECT_EQ(main.Btn_Exit->toolTip(), menu(21));
    }
}

TEST_F(MainWindowTest, OpenLoadsThePickedFileDirectlyAndRecordsItsDate)
{
    folder.writeFile(QStringLiteral("run.VRN"), "x");
    const QString path = folder.path() + QStringLiteral("run.VRN");
    QList<vorn::prompts::FileRequest> asked;
    vorn::prompts::setOpenFileHook([&](const vorn::prompts::FileRequest &request) {
        asked << request;
        return path;
    });
    QStringList loaded;
    TFrm_MainTestAccess::setLoader(main, [&](TFrm_Main &, const QString &p) { loaded << p; });
    main.Set_Language();

    main.Menu_Open->trigger();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].title, main.texts.Text_List(24));
    EXPECT_TRUE(asked[0].filter.startsWith(QStringLiteral("*.Vrn")));
    EXPECT_TRUE(asked[0].directory.isEmpty());
    EXPECT_EQ(loaded, QStringList{path});
    EXPECT_TRUE(main.Load_File_List.isEmpty());
    EXPECT_GT(main.fileDate_report, 0);

    vorn::prompts::setOpenFileHook([](const vorn::prompts::FileRequest &) { return QString(); });
    main.fileDate_report = 7;
    main.Btn_Open->click();
    EXPECT_EQ(loaded.size(), 1);
    EXPECT_EQ(main.fileDate_report, 7);
}

TEST_F(MainWindowTest, HelpOpensThePickedPdfAndItsFilterStaysUntilTheNextOpen)
{
    QStringList filters;
    QStringList folders;
    QString answer;
    vorn::prompts::setOpenFileHook([&](const vorn::prompts::FileRequest &request) {
        filters << request.filter;
        folders << request.directory;
        return answer;
    });
    const QString guides = folder.path() + QStringLiteral("docs");
    ASSERT_TRUE(QDir().mkdir(guides));
    QStringList opened;
    TFrm_MainTestAccess::setDocumentOpener(main, [&](const QString &p) { opened << p; });
    TFrm_MainTestAccess::setLoader(main, [](TFrm_Main &, const QString &) {});

    main.Btn_Help->click();
    EXPECT_TRUE(opened.isEmpty()); // cancelled
    answer = QStringLiteral("/docs/manual.pdf");
    main.Menu_Help->trigger();
    EXPECT_EQ(opened, QStringList{answer});
    answer.clear();
    main.Btn_Open->click();
    main.Btn_Help->click();

    ASSERT_EQ(filters.size(), 4);
    EXPECT_TRUE(filters[0].startsWith(QStringLiteral("*.pdf")));
    EXPECT_TRUE(filters[1].startsWith(QStringLiteral("*.pdf")));
    EXPECT_TRUE(filters[2].startsWith(QStringLiteral("*.Vrn")));
    EXPECT_TRUE(filters[3].startsWith(QStringLiteral("*.pdf")));
    // The guides' folder until a document is picked, and never for Open.
    EXPECT_EQ(folders, QStringList({guides, guides, QString(), QString()}));
}

TEST_F(MainWindowTest, TheCaptionIsTheBaseWhileNoGraphWindowIsMaximised)
{
    main.setBaseCaption(QStringLiteral("-= VORN =- (ver 5.0.0.9)"));
    EXPECT_EQ(main.windowTitle(), QStringLiteral("-= VORN =- (ver 5.0.0.9)"));
}

TEST_F(MainWindowTest, ExitClosesTheMainWindow)
{
    main.show();
    main.Menu_Exit->trigger();
    EXPECT_FALSE(main.isVisible());
}

} // namespace
