// The main window: construction, menus, the start-up sequence and the
// commands that act on the program as a whole or on the active graph window.
#include "TFrm_Main.h"

#include "AppFonts.h"
#include "MainBanner.h"
#include "ReportCommand.h"
#include "SaveLoad.h"
#include "TFrm_About.h"
#include "TFrm_Loader.h"
#include "TFrm_Rename.h"
#include "ToolTipStyle.h"
#include "app/Artwork.h"
#include "exchange/ui/ExcelExport.h"
#include "exchange/ui/TFrm_Pendrive.h"
#include "graph/ui/TFrm_Graph.h"
#include "settings/ProgramFolder.h"
#include "settings/ui/TFrm_Correction.h"
#include "settings/ui/TFrm_Settings.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QPointer>
#include <QToolButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

namespace {

QAction *makeAction(QObject *parent, const char *name, const QKeySequence &key = {},
                    const QString &icon = {})
{
    auto *action = new QAction(parent);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(key);
    if (!icon.isEmpty())
        action->setIcon(vorn::art::icon(icon));
    return action;
}

// The folder of the user guides beside the program, empty when it is missing.
QString guideFolder()
{
    const QDir docs(vorn::programFolder() + QStringLiteral("docs"));
    return docs.exists() ? docs.absolutePath() : QString();
}

} // namespace

TFrm_Main::TFrm_Main(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Frm_Main"));
    setMinimumWidth(1032);
    resize(1228, 650);
    setFont(vorn::ui::tahomaPt(8));
    // Also the icon of the graph windows (and of a maximised one's menu).
    setWindowIcon(vorn::art::icon(QStringLiteral("app_logo")));
    setAcceptDrops(true);

    m_loadFile = [](TFrm_Main &main, const QString &path) { Load_FROM_File(main, path); };
    m_openDocument = [](const QString &path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
    m_activeForm = [this] { return activeForm(); };
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this] {
        if (QWidget *active = QApplication::activeWindow())
            m_lastActive = active;
    });

    createBanner();
    createActions();
    createCompareCommand();
    createMenus();
    createTimers();
    applyStartState();
    Timer1Timer();

    // FormCreate: a measurement named on the command line waits in the queue.
    Load_From_Params(QCoreApplication::arguments().value(1));
}

TFrm_Main::~TFrm_Main()
{
    // Graph windows go first, while the menus and buttons they update still
    // exist; nothing asks about unsaved changes on the way out.
    const QList<QMdiSubWindow *> windows = m_mdi->subWindowList();
    qDeleteAll(windows);
}

void TFrm_Main::createBanner()
{
    auto *central = new QWidget(this);
    central->setAutoFillBackground(true);
    QPalette palette = central->palette();
    palette.setColor(QPalette::Window, Qt::white);
    central->setPalette(palette);

    m_banner = new MainBanner(central);
    m_mdi = new QMdiArea(central);
    m_mdi->setObjectName(QStringLiteral("ClientArea"));
    m_mdi->setBackground(Qt::white);
    m_panel3 = new QWidget(central);
    m_panel3->setObjectName(QStringLiteral("Panel3"));
    m_panel3->setFixedHeight(26);
    m_panel3->setStyleSheet(QStringLiteral(
        "#Panel3 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f3f6f8, stop:1 #e2e8ec);"
        " border-top: 1px solid #c5ced5; }"));

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_banner);
    layout->addWidget(m_mdi, 1);
    layout->addWidget(m_panel3);
    setCentralWidget(central);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] { updateCaption(); });

    connectBanner();
}

void TFrm_Main::connectBanner()
{
    Btn_Cert = m_banner->Btn_Cert;
    Btn_PenDrive = m_banner->Btn_PenDrive;
    Btn_Open = m_banner->Btn_Open;
    Btn_Save = m_banner->Btn_Save;
    Btn_Close = m_banner->Btn_Close;
    Btn_Help = m_banner->Btn_Help;
    Btn_Exit = m_banner->Btn_Exit;
    Lbl_Name = m_banner->Lbl_Name;
    Lbl_Time = m_banner->Lbl_Time;

    connect(Btn_Cert, &QToolButton::clicked, this, &TFrm_Main::Btn_CertClick);
    connect(Btn_PenDrive, &QToolButton::clicked, this, &TFrm_Main::Btn_PenDriveClick);
    connect(Btn_Open, &QToolButton::clicked, this, &TFrm_Main::Btn_OpenClick);
    connect(Btn_Save, &QToolButton::clicked, this, &TFrm_Main::Btn_SaveClick);
    connect(Btn_Close, &QToolButton::clicked, this, &TFrm_Main::Btn_CloseClick);
    connect(Btn_Help, &QToolButton::clicked, this, &TFrm_Main::Btn_HelpClick);
    connect(Btn_Exit, &QToolButton::clicked, this, &TFrm_Main::Btn_ExitClick);
}

void TFrm_Main::createActions()
{
    Menu_Open = makeAction(this, "Menu_Open", QKeySequence(Qt::CTRL | Qt::Key_O), QStringLiteral("menu_open"));
    Menu_Save = makeAction(this, "Menu_Save", QKeySequence(Qt::CTRL | Qt::Key_S), QStringLiteral("menu_save"));
    Menu_Exp_Excel = makeAction(this, "Menu_Exp_Excel", {}, QStringLiteral("menu_excel"));
    Menu_Report = makeAction(this, "Menu_Report", QKeySequence(Qt::CTRL | Qt::Key_J));
    Menu_Setting = makeAction(this, "Menu_Setting", QKeySequence(Qt::CTRL | Qt::Key_A));
    Menu_Correction = makeAction(this, "Menu_Correction");
    Menu_Rename = makeAction(this, "Menu_Rename");
    Menu_Exit = makeAction(this, "Menu_Exit");
    Menu_horizontal = makeAction(this, "Menu_horizontal", QKeySequence(Qt::CTRL | Qt::Key_H));
    Menu_vertical = makeAction(this, "Menu_vertical", QKeySequence(Qt::CTRL | Qt::Key_V));
    Menu_cascade = makeAction(this, "Menu_cascade", QKeySequence(Qt::CTRL | Qt::Key_K));
    Menu_little = makeAction(this, "Menu_little", QKeySequence(Qt::CTRL | Qt::Key_M));
    Menu_Close = makeAction(this, "Menu_Close", QKeySequence(Qt::CTRL | Qt::Key_B));
    Menu_Help = makeAction(this, "Menu_Help", QKeySequence(Qt::CTRL | Qt::Key_H));
    Menu_About = makeAction(this, "Menu_About");

    connect(Menu_Open, &QAction::triggered, this, &TFrm_Main::Btn_OpenClick);
    connect(Menu_Save, &QAction::triggered, this, &TFrm_Main::Btn_SaveClick);
    connect(Menu_Exp_Excel, &QAction::triggered, this, &TFrm_Main::Menu_Exp_ExcelClick);
    connect(Menu_Report, &QAction::triggered, this, &TFrm_Main::Btn_CertClick);
    connect(Menu_Setting, &QAction::triggered, this, &TFrm_Main::Menu_SettingClick);
    connect(Menu_Correction, &QAction::triggered, this, &TFrm_Main::Menu_CorrectionClick);
    connect(Menu_Rename, &QAction::triggered, this, &TFrm_Main::Menu_RenameClick);
    connect(Menu_Exit, &QAction::triggered, this, &TFrm_Main::Btn_ExitClick);
    connect(Menu_horizontal, &QAction::triggered, this, &TFrm_Main::Menu_horizontalClick);
    connect(Menu_vertical, &QAction::triggered, this, &TFrm_Main::Menu_verticalClick);
    connect(Menu_cascade, &QAction::triggered, this, &TFrm_Main::Menu_cascadeClick);
    connect(Menu_little, &QAction::triggered, this, &TFrm_Main::Menu_littleClick);
    connect(Menu_Close, &QAction::triggered, this, &TFrm_Main::Btn_CloseClick);
    connect(Menu_Help, &QAction::triggered, this, &TFrm_Main::Btn_HelpClick);
    connect(Menu_About, &QAction::triggered, this, &TFrm_Main::Menu_AboutClick);
}

void TFrm_Main::createMenus()
{
    // The menu bar keeps the system's menu font, as its drop-down menus do,
    // rather than the window's smaller default font.
    menuBar()->setFont(QApplication::font("QMenu"));
    Fmenu_File = menuBar()->addMenu(QString());
    Fmenu_File->setObjectName(QStringLiteral("Fmenu_File"));
    Fmenu_File->addAction(Menu_Open);
    Fmenu_File->addAction(Menu_Save);
    Fmenu_File->addSeparator()->setObjectName(QStringLiteral("N1"));
    Fmenu_File->addAction(Menu_Exp_Excel);
    Fmenu_File->addAction(Menu_Compare);
    Fmenu_File->addSeparator()->setObjectName(QStringLiteral("N2"));
    for (QAction *action : {Menu_Report, Menu_Setting, Menu_Correction, Menu_Rename})
        Fmenu_File->addAction(action);
    Fmenu_File->addSeparator()->setObjectName(QStringLiteral("N3"));
    Fmenu_File->addAction(Menu_Exit);

    // Seven fixed entries; the graph windows append theirs after them.
    Fmenu_Window = menuBar()->addMenu(QString());
    Fmenu_Window->setObjectName(QStringLiteral("Fmenu_Window"));
    for (QAction *action : {Menu_horizontal, Menu_vertical, Menu_cascade})
        Fmenu_Window->addAction(action);
    Fmenu_Window->addSeparator()->setObjectName(QStringLiteral("N4"));
    Fmenu_Window->addAction(Menu_little);
    Fmenu_Window->addAction(Menu_Close);
    Fmenu_Window->addSeparator()->setObjectName(QStringLiteral("N5"));
    Fmenu_Window->installEventFilter(this);
    // (While this whole window is disabled, the menu entry follows it without
    // switching the menu: it must come back as it was.)
    connect(Fmenu_Window->menuAction(), &QAction::changed, this, [this] {
        if (isEnabled())
            syncWindowMenu(Fmenu_Window->menuAction()->isEnabled());
    });

    Fmenu_Help = menuBar()->addMenu(QString());
    Fmenu_Help->setObjectName(QStringLiteral("Fmenu_Help"));
    Fmenu_Help->addAction(Menu_Help);
    Fmenu_Help->addAction(Menu_About);
}

void TFrm_Main::createTimers()
{
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TFrm_Main::Timer1Timer);
    Timer1->start();

    Time_LFF = new QTimer(this);
    Time_LFF->setInterval(1000);
    connect(Time_LFF, &QTimer::timeout, this, &TFrm_Main::Time_LFFTimer);

    // Bound to the pendrive scan, which runs from its button instead.
    Time_Pendrive = new QTimer(this);
}

void TFrm_Main::applyStartState()
{
    // With no graph window open, every command that acts on one is off.
    for (QToolButton *button : {Btn_Cert, Btn_Save, Btn_Close})
        button->setEnabled(false);
    for (QAction *action : {Menu_Save, Menu_Exp_Excel, Menu_Report, Menu_Rename, Menu_Close})
        action->setEnabled(false);
    syncWindowMenu(false);
}

TDialog_Result TFrm_Main::Sajat_Dlg(const QString &Uzenet, TDialog_Type Tipus)
{
    return ::Sajat_Dlg(this, texts, Uzenet, Tipus);
}

vorn::ChartColors TFrm_Main::colors() const
{
    return {_c1, _c2, _c3, _c4, _c5, _c6, _c7, _c8};
}

void TFrm_Main::setColors(const vorn::ChartColors &colors)
{
    _c1 = colors._c1;
    _c2 = colors._c2;
    _c3 = colors._c3;
    _c4 = colors._c4;
    _c5 = colors._c5;
    _c6 = colors._c6;
    _c7 = colors._c7;
    _c8 = colors._c8;
}

// ---- start-up -------------------------------------------------------------

void TFrm_Main::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_startedUp || !m_splash)
        return;
    m_startedUp = true;
    // The splash runs its own modal loop; it starts once this window is up.
    QTimer::singleShot(0, this, &TFrm_Main::runStartUp);
}

void TFrm_Main::runStartUp()
{
    m_splash->exec();
    Time_LFF->start();
    vorn::ui::applyToolTipLook(vorn::ui::programToolTipLook());
}

// ---- commands ---------------------------------------------------------------

void TFrm_Main::Btn_OpenClick()
{
    m_dlgOpen.title = texts.Text_List(24);
    // Linux file names are case-sensitive: the filter shows every spelling.
    m_dlgOpen.filter = QStringLiteral("*.Vrn (*.Vrn *.VRN *.vrn)");
    const QString path = vorn::prompts::openFileName(this, m_dlgOpen);
    if (path.isEmpty())
        return;
    fileDate_report = fileDateOf(path);
    m_loadFile(*this, path);
}

void TFrm_Main::Btn_SaveClick()
{
    if (TFrm_Graph *graph = activeGraph())
        Save_TO_File(*this, *graph);
}

void TFrm_Main::Btn_CloseClick()
{
    QPointer<TFrm_Graph> graph = activeGraph();
    if (!graph)
        return;
    // Closing runs the window's own close handling (save question, menus).
    graph->close();
    delete graph.data();
}

void TFrm_Main::Btn_HelpClick()
{
    // The filter stays until the next Open sets its own.
    m_dlgOpen.filter = QStringLiteral("*.pdf (*.pdf *.PDF)");
    vorn::prompts::FileRequest request = m_dlgOpen;
    // Until a document is picked, the dialog opens where the guides are;
    // afterwards it opens where the user last was.
    if (!m_helpPicked)
        request.directory = guideFolder();
    const QString path = vorn::prompts::openFileName(this, request);
    if (path.isEmpty())
        return;
    m_helpPicked = true;
    m_openDocument(path);
}

void TFrm_Main::Btn_ExitClick()
{
    close();
}

void TFrm_Main::Btn_CertClick()
{
    openReportCommand(*this);
}

void TFrm_Main::Btn_PenDriveClick()
{
    Time_Pendrive->stop();
    if (!m_pendrive)
        return;
    Talalat = m_pendrive->Scan();
    if (Talalat)
        m_pendrive->exec();
}

void TFrm_Main::Menu_Exp_ExcelClick()
{
    if (TFrm_Graph *graph = activeGraph())
        vorn::exchange::Save_ExcelToFile(exchangeHost(), graph->File_Datas);
}

void TFrm_Main::Menu_SettingClick()
{
    if (m_settings)
        showSettingsDialog(*this, *m_settings);
}

void TFrm_Main::Menu_CorrectionClick()
{
    showCorrectionDialog(*this);
}

void TFrm_Main::Menu_AboutClick()
{
    if (m_about)
        m_about->exec();
}

void TFrm_Main::Menu_RenameClick()
{
    TFrm_Graph *graph = activeGraph();
    if (!graph)
        return;
    TFrm_Rename dialog(this);
    dialog.prepare(texts, graph->windowTitle());
    if (dialog.exec() != QDialog::Accepted)
        return;
    graph->setWindowTitle(dialog.Edt_Name->text());
    graph->ChangeMenu();
}

void TFrm_Main::Timer1Timer()
{
    m_banner->setTime(clockText(QLocale::system(), QDateTime::currentDateTime()));
}
