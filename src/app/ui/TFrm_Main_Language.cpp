// The main window's texts: loading the language tables, applying them, and
// switching the language of the running program.
#include "TFrm_Main.h"

#include "MainBanner.h"
#include "QtTranslation.h"
#include "TFrm_Loader.h"
#include "graph/ui/TFrm_Graph.h"
#include "settings/ProgramFolder.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

void TFrm_Main::Set_Language()
{
    texts = vorn::loadLanguage(vorn::programFolder());
    // Qt's own dialogs and context menus follow the program's language.
    vorn::ui::installQtTranslation(texts.Used_Lang);
    applyTexts();
    if (m_splash)
        m_splash->applyTexts(texts);
}

void TFrm_Main::applyTexts()
{
    Fmenu_File->setTitle(texts.Menu_List(0));
    Fmenu_Window->setTitle(texts.Menu_List(1));
    Fmenu_Help->setTitle(texts.Menu_List(2));
    const std::pair<QAction *, int> captions[] = {
        {Menu_Open, 4},        {Menu_Save, 5},      {Menu_Exp_Excel, 7},  {Menu_Report, 8},
        {Menu_Setting, 9},     {Menu_Correction, 10}, {Menu_Rename, 11},  {Menu_horizontal, 12},
        {Menu_vertical, 13},   {Menu_cascade, 14},  {Menu_little, 15},    {Menu_About, 19},
        {Menu_Close, 20},      {Menu_Exit, 21},
    };
    for (const auto &[action, index] : captions)
        action->setText(texts.Menu_List(index));
    m_helpCaption = texts.Menu_List(17);
    applyHelpShortcut();

    m_banner->setName(texts.Text_List(0) + u' ' + texts.Text_List(1));
    Btn_Cert->setToolTip(Menu_Report->text());
    Btn_PenDrive->setToolTip(texts.Text_List(174));
    Btn_Help->setToolTip(m_helpCaption);
    Btn_Save->setToolTip(Menu_Save->text());
    Btn_Open->setToolTip(Menu_Open->text());
    Btn_Close->setToolTip(Menu_Close->text());
    Btn_Exit->setToolTip(Menu_Exit->text());
    applyCompareTexts();
}

void TFrm_Main::switchLanguage(const QString &language)
{
    if (language == texts.Used_Lang)
        return;
    // The choice is stored at once, even if the settings dialog is cancelled.
    if (!vorn::storeLanguageChoice(vorn::programFolder(), language)) {
        Sajat_Dlg(texts.Err_List(10), dtError);
        return;
    }
    TFrm_Graph *active = activeGraph();
    const bool wasMaximized = active && active->isMaximized();
    if (wasMaximized)
        active->showNormal();
    Set_Language();
    for (TFrm_Graph *graph : graphWindows())
        graph->Change_Language();
    if (wasMaximized)
        active->showMaximized();
    emit languageChanged();
}
