// The slim strip above a graph window's chart that tells about a file's
// integrity warnings: how many, the first one, a button that opens the full
// list (a window of its own, not modal) and one that hides the strip.
#pragma once

#include "graph/IntegrityWarnings.h"

#include <QFrame>
#include <QPointer>

#include <vector>

class QDialog;
class QLabel;
class QListWidget;
class QToolButton;
class TFrm_Graph;

namespace vorn {
class TextTables;
}

class WarningStrip : public QFrame {
    Q_OBJECT
public:
    // Puts a strip between the graph window's panel and its chart. With no
    // warnings nothing is made and null is returned. `texts` must outlive it.
    static WarningStrip *attach(TFrm_Graph &graph, std::vector<vorn::graph::IntegrityWarning> warnings,
                                const vorn::TextTables &texts);

    // The warnings' sentences in the language in use.
    QStringList warningTexts() const;
    // The full list's window, null until it is opened.
    QDialog *listWindow() const { return m_list; }

    QLabel *Lbl_Summary = nullptr;
    QToolButton *Btn_ShowAll = nullptr;
    QToolButton *Btn_Hide = nullptr;

public slots:
    void Change_Language();
    void Btn_ShowAllClick();
    // Hides the strip (and its list) for the rest of the window's life.
    void Btn_HideClick();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    WarningStrip(TFrm_Graph &graph, std::vector<vorn::graph::IntegrityWarning> warnings,
                 const vorn::TextTables &texts);
    void showSummary();
    void fillList();

    TFrm_Graph &m_graph;
    std::vector<vorn::graph::IntegrityWarning> m_warnings;
    const vorn::TextTables &m_texts;
    QString m_summary; // the whole line, elided to the label's width
    QPointer<QDialog> m_list;
    QListWidget *m_listView = nullptr;
};
