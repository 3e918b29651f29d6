// The integrity warning strip of the graph window and its full list.
#include "WarningStrip.h"

#include "TFrm_Graph.h"
#include "app/ui/AppFonts.h"
#include "graph/IntegrityTexts.h"
#include "settings/LanguageTables.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kStripHeight = 26;
constexpr QSize kListSize(640, 320);

} // namespace

WarningStrip *WarningStrip::attach(TFrm_Graph &graph,
                                   std::vector<vorn::graph::IntegrityWarning> warnings,
                                   const vorn::TextTables &texts)
{
    QWidget *content = graph.widget();
    auto *layout = content ? qobject_cast<QBoxLayout *>(content->layout()) : nullptr;
    if (warnings.empty() || !layout)
        return nullptr;
    auto *strip = new WarningStrip(graph, std::move(warnings), texts);
    // Right below the button panel, above the chart.
    layout->insertWidget(layout->indexOf(graph.Main_Panel) + 1, strip);
    return strip;
}

WarningStrip::WarningStrip(TFrm_Graph &graph, std::vector<vorn::graph::IntegrityWarning> warnings,
                           const vorn::TextTables &texts)
    : QFrame(graph.widget()), m_graph(graph), m_warnings(std::move(warnings)), m_texts(texts)
{
    setObjectName(QStringLiteral("Warning_Strip"));
    setFixedHeight(kStripHeight);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral(
        "#Warning_Strip { background: #fff4ce; border-bottom: 1px solid #e0c97a; }"
        "QToolButton { border: none; color: #015a77; text-decoration: underline; padding: 0 4px; }"
        "QToolButton:hover { color: #01384a; }"));
    Lbl_Summary = new QLabel(this);
    Lbl_Summary->setObjectName(QStringLiteral("Lbl_Summary"));
    Lbl_Summary->setFont(vorn::ui::tahomaPt(8));
    Lbl_Summary->setMinimumWidth(1);
    Btn_ShowAll = new QToolButton(this);
    Btn_ShowAll->setObjectName(QStringLiteral("Btn_ShowAll"));
    Btn_Hide = new QToolButton(this);
    Btn_Hide->setObjectName(QStringLiteral("Btn_Hide"));
    Btn_Hide->setText(QStringLiteral("✕"));
    for (QToolButton *button : {Btn_ShowAll, Btn_Hide}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setCursor(Qt::PointingHandCursor);
    }
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(8, 0, 4, 0);
    row->setSpacing(6);
    row->addWidget(Lbl_Summary, 1);
    row->addWidget(Btn_ShowAll);
    row->addWidget(Btn_Hide);
    connect(Btn_ShowAll, &QToolButton::clicked, this, &WarningStrip::Btn_ShowAllClick);
    connect(Btn_Hide, &QToolButton::clicked, this, &WarningStrip::Btn_HideClick);
    Change_Language();
}

QStringList WarningStrip::warningTexts() const
{
    QStringList lines;
    for (const vorn::graph::IntegrityWarning &warning : m_warnings)
        lines.append(vorn::graph::warningText(warning, m_texts));
    return lines;
}

void WarningStrip::Change_Language()
{
    using namespace vorn::graph;
    const QStringList lines = warningTexts();
    m_summary = m_texts.Text_List(kTextWarnStripHeading).arg(lines.size()) + u' ' + lines.first();
    if (lines.size() > 1)
        m_summary += QStringLiteral(", …");
    Lbl_Summary->setToolTip(m_summary);
    Btn_ShowAll->setText(m_texts.Text_List(kTextWarnShowAll));
    Btn_Hide->setToolTip(m_texts.Text_List(kTextWarnHide));
    showSummary();
    if (m_list)
        fillList();
}

void WarningStrip::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    showSummary();
}

// One line however narrow the window: the end gives way.
void WarningStrip::showSummary()
{
    const int width = std::max(Lbl_Summary->width(), 1);
    Lbl_Summary->setText(Lbl_Summary->fontMetrics().elidedText(m_summary, Qt::ElideRight, width));
}

void WarningStrip::Btn_ShowAllClick()
{
    if (!m_list) {
        m_list = new QDialog(this, Qt::Window);
        m_list->setObjectName(QStringLiteral("Warning_List"));
        m_list->resize(kListSize);
        m_listView = new QListWidget(m_list);
        m_listView->setWordWrap(true);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, m_list);
        connect(buttons, &QDialogButtonBox::rejected, m_list, &QDialog::close);
        auto *layout = new QVBoxLayout(m_list);
        layout->addWidget(m_listView, 1);
        layout->addWidget(buttons);
        fillList();
        // Over the middle of the graph window, which it does not cover whole.
        m_list->move(m_graph.mapToGlobal(m_graph.rect().center()) - m_list->rect().center());
    }
    // Not modal: the graph window stays usable beside the list.
    m_list->show();
    m_list->raise();
    m_list->activateWindow();
}

void WarningStrip::fillList()
{
    m_list->setWindowTitle(m_texts.Text_List(vorn::graph::kTextWarnListTitle).arg(m_graph.windowTitle()));
    m_listView->clear();
    m_listView->addItems(warningTexts());
}

void WarningStrip::Btn_HideClick()
{
    if (m_list)
        m_list->close();
    hide();
    deleteLater();
}
