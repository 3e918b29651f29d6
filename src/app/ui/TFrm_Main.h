// The main window: the multiple-document frame with the banner, toolbar, menu
// and clock, the file-open queue, and the state other windows share (text
// tables, chart colours, window counter).
#pragma once

#include "app/ui/TFrm_Dialog.h"
#include "settings/LanguageTables.h"

#include <QMainWindow>
#include <QStringList>
#include <cstdint>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolButton;
class TFrm_Graph;
class TFrm_Loader;
class TFrm_About;
class HandOverServer;

class TFrm_Main : public QMainWindow {
    Q_OBJECT
public:
    explicit TFrm_Main(QWidget *parent = nullptr);
    ~TFrm_Main() override;

    // ---- state shared with other windows ----
    vorn::TextTables texts;       // Menu_List, Err_List, Text_List, Used_Lang
    int32_t GraphNo = 0;          // number of the next graph window
    int32_t fileDate_report = 0;  // packed DOS time of the file queued/opened last
    int32_t _c1 = 0, _c2 = 0, _c3 = 0, _c4 = 0, _c5 = 0, _c6 = 0, _c7 = 0, _c8 = 0;
    QStringList Load_File_List;   // file-open queue, consumed from the end
    bool Is_LFL_Used = false;
    bool Talalat = false;

    // ---- services ----
    TDialog_Result Sajat_Dlg(const QString &Uzenet, TDialog_Type Tipus);
    void Set_Language();
    void Add_File_List(const QString &FN);
    void Load_From_Params(const QString &FileName);
    // The language switch: stores the choice, reloads the texts and applies
    // them to this window and every graph window, keeping a maximised active
    // graph window maximised. Emits languageChanged().
    void switchLanguage(const QString &language);

    QMdiArea *mdiArea() const { return m_mdi; }
    TFrm_Graph *activeGraph() const;
    QList<TFrm_Graph *> graphWindows() const;
    // Adds a new graph window to the frame (the reader calls it).
    void addGraphWindow(TFrm_Graph *graph);

    void setSplash(TFrm_Loader *splash) { m_splash = splash; }
    void setAbout(TFrm_About *about) { m_about = about; }

    // ---- controls other windows switch (enabling rules, Window menu) ----
    QToolButton *Btn_Cert = nullptr, *Btn_PenDrive = nullptr, *Btn_Open = nullptr,
                *Btn_Save = nullptr, *Btn_Close = nullptr, *Btn_Help = nullptr,
                *Btn_Exit = nullptr;
    QMenu *Fmenu_File = nullptr, *Fmenu_Window = nullptr, *Fmenu_Help = nullptr;
    QAction *Menu_Open = nullptr, *Menu_Save = nullptr, *Menu_Exp_Excel = nullptr,
            *Menu_Report = nullptr, *Menu_Setting = nullptr, *Menu_Correction = nullptr,
            *Menu_Rename = nullptr, *Menu_Exit = nullptr, *Menu_horizontal = nullptr,
            *Menu_vertical = nullptr, *Menu_cascade = nullptr, *Menu_little = nullptr,
            *Menu_Close = nullptr, *Menu_Help = nullptr, *Menu_About = nullptr;
    QLabel *Lbl_Name = nullptr, *Lbl_Time = nullptr;
    QTimer *Timer1 = nullptr, *Time_LFF = nullptr, *Time_Pendrive = nullptr;

signals:
    void languageChanged();

public slots:
    void Btn_OpenClick();
    void Btn_SaveClick();
    void Btn_CloseClick();
    void Btn_HelpClick();
    void Btn_ExitClick();
    void Btn_CertClick();
    void Menu_AboutClick();
    void Menu_RenameClick();
    void Menu_SettingClick();
    void Menu_CorrectionClick();
    void Menu_horizontalClick();
    void Menu_verticalClick();
    void Menu_cascadeClick();
    void Menu_littleClick();
    void ChangeToGraph();
    void Timer1Timer();
    void Time_LFFTimer();

private:
    QMdiArea *m_mdi = nullptr;
    TFrm_Loader *m_splash = nullptr;
    TFrm_About *m_about = nullptr;
    HandOverServer *m_handOver = nullptr;
};
