// The main window: the multiple-document frame with the banner, toolbar, menu
// and clock, the file-open queue, and the state other windows share (text
// tables, chart colours, window counter).
#pragma once

#include "app/ui/TFrm_Dialog.h"
#include "app/ui/UserPrompts.h"
#include "settings/LanguageTables.h"
#include "settings/SettingsFile.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <cstdint>
#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolButton;
class TFrm_Graph;
class TFrm_Loader;
class TFrm_About;
class TFrm_Settings;
class TFrm_Pendrive;
namespace vorn::graphui { class TFrm_Compare; struct CompareHost; }
namespace vorn::exchange { struct ExchangeHost; }
class HandOverServer;
class MainBanner;

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
    void setSettings(TFrm_Settings *settings) { m_settings = settings; }
    // The pendrive window, made once at start; its timer is bound to its scan.
    void setPendrive(TFrm_Pendrive *pendrive);
    // What the export and the pendrive window need from this window.
    vorn::exchange::ExchangeHost exchangeHost();
    // What the comparison of measurements needs from this window.
    vorn::graphui::CompareHost compareHost();
    // The comparison window while it is open.
    vorn::graphui::TFrm_Compare *compareWindow() const;

    // The caption: base, or base + " - [" + the active graph window's caption
    // + "]" while that window is maximised. The start-up sets the base to the
    // instance marker.
    void setBaseCaption(const QString &caption);
    // The eight chart colours _c1 .. _c8.
    vorn::ChartColors colors() const;
    void setColors(const vorn::ChartColors &colors);
    // Receives paths from later copies of the program into the queue. Only the
    // copy that holds the instance lock may call it. False when it cannot listen.
    bool startHandOver();

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
    QToolButton *Btn_Compare = nullptr; // the comparison of measurements
    QAction *Menu_Compare = nullptr;
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
    void Btn_PenDriveClick();
    void Menu_Exp_ExcelClick();
    void Menu_AboutClick();
    void Menu_RenameClick();
    void Menu_SettingClick();
    void Menu_CorrectionClick();
    void Menu_horizontalClick();
    void Menu_verticalClick();
    void Menu_cascadeClick();
    void Menu_littleClick();
    void Menu_CompareClick();
    void ChangeToGraph();
    void Timer1Timer();
    void Time_LFFTimer();

protected:
    void showEvent(QShowEvent *event) override;   // FormShow: the splash
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    friend struct TFrm_MainTestAccess;
    using FileAction = std::function<void(TFrm_Main &, const QString &)>;

    void createBanner();
    void connectBanner();
    void createActions();
    void createMenus();
    void createTimers();
    void applyStartState();
    void applyTexts();
    void createCompareCommand();
    void applyCompareTexts();
    void runStartUp();
    void updateCaption();
    void syncWindowMenu(bool enabled);
    void applyHelpShortcut();
    void restoreGraphs();
    void tileGraphs(Qt::Orientation orientation);
    QList<TFrm_Graph *> graphsTopFirst() const;
    QWidget *activeForm() const;
    bool queueWindowActive() const;
    // Packed DOS modification time of path, -1 when it does not exist.
    static int32_t fileDateOf(const QString &path);
    void loadQueued(const QString &path);
    bool eventFilter(QObject *watched, QEvent *event) override;

    QMdiArea *m_mdi = nullptr;
    MainBanner *m_banner = nullptr;
    QWidget *m_panel3 = nullptr;
    TFrm_Loader *m_splash = nullptr;
    TFrm_About *m_about = nullptr;
    TFrm_Settings *m_settings = nullptr;
    TFrm_Pendrive *m_pendrive = nullptr;
    HandOverServer *m_handOver = nullptr;
    QString m_baseCaption;
    QString m_helpCaption;
    bool m_startedUp = false;
    // Dlg_Open keeps its title and filter between uses (Help leaves its own).
    vorn::prompts::FileRequest m_dlgOpen;
    bool m_helpPicked = false; // Help has opened a document: no more guide folder
    // What opening a file and a document do; tests watch them.
    FileAction m_loadFile;
    std::function<void(const QString &)> m_openDocument;
    // The window that counts as active for the queue; tests choose it.
    std::function<QWidget *()> m_activeForm;
    QPointer<QWidget> m_lastActive;
    QPointer<vorn::graphui::TFrm_Compare> m_compare;
};
