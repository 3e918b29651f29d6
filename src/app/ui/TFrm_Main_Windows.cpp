// The main window's graph windows: the Window menu's commands, the state of
// that menu, and the caption that names a maximised graph window.
#include "TFrm_Main.h"

#include "MdiTiling.h"
#include "graph/ui/TFrm_Graph.h"

#include <QAction>
#include <QEvent>
#include <QMdiArea>
#include <QMenu>
#include <QTimer>

TFrm_Graph *TFrm_Main::activeGraph() const
{
    // The current child, also while a dialog of the program has the focus.
    return qobject_cast<TFrm_Graph *>(m_mdi->currentSubWindow());
}

QList<TFrm_Graph *> TFrm_Main::graphWindows() const
{
    QList<TFrm_Graph *> graphs;
    for (QMdiSubWindow *window : m_mdi->subWindowList(QMdiArea::CreationOrder)) {
        if (auto *graph = qobject_cast<TFrm_Graph *>(window))
            graphs.append(graph);
    }
    return graphs;
}

QList<TFrm_Graph *> TFrm_Main::graphsTopFirst() const
{
    QList<TFrm_Graph *> graphs;
    const QList<QMdiSubWindow *> stack = m_mdi->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stack.crbegin(); it != stack.crend(); ++it) {
        if (auto *graph = qobject_cast<TFrm_Graph *>(*it))
            graphs.append(graph);
    }
    return graphs;
}

void TFrm_Main::addGraphWindow(TFrm_Graph *graph)
{
    m_mdi->addSubWindow(graph);
    // The caption follows the window's state and name; queued so that it runs
    // after Qt's own handling of a maximised child.
    connect(graph, &QMdiSubWindow::windowStateChanged, this, &TFrm_Main::updateCaption,
            Qt::QueuedConnection);
    connect(graph, &QWidget::windowTitleChanged, this, &TFrm_Main::updateCaption,
            Qt::QueuedConnection);
    connect(graph, &QObject::destroyed, this, &TFrm_Main::updateCaption, Qt::QueuedConnection);
}

void TFrm_Main::setBaseCaption(const QString &caption)
{
    m_baseCaption = caption;
    updateCaption();
}

void TFrm_Main::updateCaption()
{
    QString caption = m_baseCaption;
    const TFrm_Graph *graph = activeGraph();
    if (graph && graph->isMaximized())
        caption += QStringLiteral(" - [") + graph->windowTitle() + u']';
    if (windowTitle() != caption)
        setWindowTitle(caption);
}

// ---- Window menu state -------------------------------------------------------

bool TFrm_Main::eventFilter(QObject *watched, QEvent *event)
{
    // Only the menu's own switch counts: while this whole window is disabled,
    // the menu is disabled with it and must come back as it was.
    if (watched == Fmenu_Window && event->type() == QEvent::EnabledChange)
        syncWindowMenu(!Fmenu_Window->testAttribute(Qt::WA_ForceDisabled));
    return QMainWindow::eventFilter(watched, event);
}

void TFrm_Main::syncWindowMenu(bool enabled)
{
    // The menu can be switched through its widget or its menu-bar entry; the
    // other one, the arranging commands and their shortcuts follow.
    Fmenu_Window->menuAction()->setEnabled(enabled);
    Fmenu_Window->setEnabled(enabled);
    for (QAction *action : {Menu_horizontal, Menu_vertical, Menu_cascade, Menu_little})
        action->setEnabled(enabled);
    applyHelpShortcut();
}

void TFrm_Main::applyHelpShortcut()
{
    // Ctrl+H stands on both tile-horizontally and Help. Qt would trigger
    // neither while both are on; tiling wins, as in the menu's order, and
    // Help only shows the key.
    const QKeySequence key = Menu_horizontal->shortcut();
    if (Menu_horizontal->isEnabled()) {
        Menu_Help->setShortcut(QKeySequence());
        Menu_Help->setText(m_helpCaption + u'\t' + key.toString(QKeySequence::NativeText));
    } else {
        Menu_Help->setShortcut(key);
        Menu_Help->setText(m_helpCaption);
    }
}

// ---- Window menu commands ----------------------------------------------------

void TFrm_Main::restoreGraphs()
{
    // While one child is maximised, Qt maximises every child it activates;
    // restoring them one by one would maximise the next one again.
    const bool keepMaximising = !m_mdi->testOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    m_mdi->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, true);
    for (TFrm_Graph *graph : graphWindows())
        graph->showNormal();
    m_mdi->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, !keepMaximising);
}

void TFrm_Main::tileGraphs(Qt::Orientation orientation)
{
    restoreGraphs();
    const QList<TFrm_Graph *> graphs = graphsTopFirst();
    const QList<QRect> rects =
        vorn::ui::tileRects(m_mdi->viewport()->rect(), int(graphs.size()), orientation);
    for (qsizetype i = 0; i < graphs.size() && i < rects.size(); ++i)
        graphs[i]->setGeometry(rects[i]);
}

void TFrm_Main::Menu_horizontalClick()
{
    tileGraphs(Qt::Horizontal);
}

void TFrm_Main::Menu_verticalClick()
{
    tileGraphs(Qt::Vertical);
}

void TFrm_Main::Menu_cascadeClick()
{
    restoreGraphs();
    m_mdi->cascadeSubWindows();
}

void TFrm_Main::Menu_littleClick()
{
    for (TFrm_Graph *graph : graphWindows())
        graph->showMinimized();
}

void TFrm_Main::ChangeToGraph()
{
    const auto *entry = qobject_cast<const QAction *>(sender());
    if (!entry)
        return;
    for (TFrm_Graph *graph : graphWindows()) {
        if (QStringLiteral("GRAPH") + QString::number(graph->GraphNoID) != entry->objectName())
            continue;
        if (graph->isMinimized())
            graph->showNormal();
        m_mdi->setActiveSubWindow(graph);
    }
    if (TFrm_Graph *graph = activeGraph())
        graph->SetMenu();
}
