// The graph window's entry in the main window's Window menu: created after
// loading, ticked while the window is active, renamed with it, removed when
// it closes. The entry's name "GRAPH<number>" identifies it, not its caption.
#include "TFrm_Graph.h"

#include "app/ui/TFrm_Main.h"

#include <QAction>
#include <QMenu>

namespace {

// The Window menu's own items (tile, tile, cascade, separator, minimise all,
// close, separator); graph entries follow them.
constexpr int kFixedItems = 7;

QString entryName(int32_t graphNoId)
{
    return QStringLiteral("GRAPH") + QString::number(graphNoId);
}

// A caption as menu text: an "&" would otherwise underline the next letter.
QString entryText(const QString &caption)
{
    QString text = caption;
    return text.replace(u'&', QStringLiteral("&&"));
}

} // namespace

QAction *TFrm_Graph::menuEntry() const
{
    const QList<QAction *> items = m_main.Fmenu_Window->actions();
    const QString name = entryName(GraphNoID);
    for (qsizetype i = kFixedItems; i < items.size(); ++i) {
        if (items[i]->objectName() == name)
            return items[i];
    }
    return nullptr;
}

void TFrm_Graph::MakeMenu()
{
    if (menuEntry())
        return;
    auto *entry = new QAction(m_main.Fmenu_Window);
    entry->setObjectName(entryName(GraphNoID));
    entry->setText(entryText(windowTitle()));
    entry->setCheckable(true);
    connect(entry, &QAction::triggered, &m_main, &TFrm_Main::ChangeToGraph);
    m_main.Fmenu_Window->addAction(entry);
}

void TFrm_Graph::SetMenu()
{
    const QList<QAction *> items = m_main.Fmenu_Window->actions();
    const TFrm_Graph *active = m_main.activeGraph();
    const QString activeName = active ? entryName(active->GraphNoID) : QString();
    for (qsizetype i = kFixedItems; i < items.size(); ++i)
        items[i]->setChecked(items[i]->objectName() == activeName);
}

void TFrm_Graph::ChangeMenu()
{
    if (QAction *entry = menuEntry())
        entry->setText(entryText(windowTitle()));
}

void TFrm_Graph::removeMenu()
{
    delete menuEntry();
}
