// The graph window's two cursors A and B: their button, their entry in the
// window's menus (the chart's context menu and the window menu), and the
// chart's pictures, which show the cursors while they are on.
#include "TFrm_Graph.h"

#include "ReadoutPanel.h"
#include "SpanCursors.h"
#include "app/ui/TFrm_Main.h"
#include "app/ui/UserPrompts.h"
#include "engines/ChartCanvas.h"
#include "engines/ChartWidget.h"
#include "graph/MeasuringTexts.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

void TFrm_Graph::buildSpan()
{
    using vorn::chart::ChartWidget;
    vorn::graphui::SpanCursors::Source source;
    source.chart = Main_Chart;
    source.voltage = Series1;
    source.current = Series2;
    source.record = &File_Datas;
    source.texts = &m_main.texts;
    source.timeUnit = [this] { return Cmb_Time->currentIndex(); };
    m_span = new vorn::graphui::SpanCursors(source, this);

    connect(Btn_Span, &QToolButton::clicked, this, &TFrm_Graph::Btn_SpanClick);
    connect(Main_Chart, &ChartWidget::mouseDown, m_span,
            [this](QPoint pos, Qt::MouseButton button) { m_span->mouseDown(pos, button); });
    connect(Main_Chart, &ChartWidget::mouseMoved, m_span,
            [this](QPoint pos, Qt::MouseButtons buttons) { m_span->mouseMoved(pos, buttons); });
    connect(Main_Chart, &ChartWidget::mouseUp, m_span,
            [this](QPoint, Qt::MouseButton button) { m_span->mouseUp(button); });
    connect(Main_Chart, &ChartWidget::keyDown, m_span, &vorn::graphui::SpanCursors::keyDown);
    connect(Main_Chart, &ChartWidget::afterDraw, m_span,
            [this](vorn::chart::ChartCanvas *canvas) { m_span->chartDrawn(*canvas); });
    Main_Chart->setOverlay([this](vorn::chart::ChartCanvas &canvas) { m_span->drawCursors(canvas); });
    buildChartMenus();
}

void TFrm_Graph::buildChartMenus()
{
    Menu_Span = new QAction(this);
    Menu_Span->setObjectName(QStringLiteral("Menu_Span"));
    Menu_Span->setCheckable(true);
    connect(Menu_Span, &QAction::triggered, this, [this](bool on) {
        Btn_Span->setChecked(on);
        Btn_SpanClick();
    });
    auto *copy = new QAction(this);
    copy->setObjectName(QStringLiteral("Menu_CopyChart"));
    connect(copy, &QAction::triggered, this, &TFrm_Graph::copyChart);
    auto *save = new QAction(this);
    save->setObjectName(QStringLiteral("Menu_SaveChart"));
    connect(save, &QAction::triggered, this, &TFrm_Graph::saveChartPicture);
    // The window's menus: the chart's context menu and the window menu.
    Main_Chart->setContextMenuPolicy(Qt::ActionsContextMenu);
    Main_Chart->addActions({Menu_Span, copy, save});
    systemMenu()->addSeparator();
    systemMenu()->addActions({Menu_Span, copy, save});
}

void TFrm_Graph::spanLanguage()
{
    const vorn::TextTables &t = m_main.texts;
    Btn_Span->setToolTip(t.Text_List(vorn::graph::kTextSpanCursors));
    Menu_Span->setText(t.Text_List(vorn::graph::kTextSpanCursors));
    findChild<QAction *>(QStringLiteral("Menu_CopyChart"))->setText(t.Text_List(110));
    findChild<QAction *>(QStringLiteral("Menu_SaveChart"))->setText(t.Text_List(57));
    m_span->panel()->setToolTip(t.Text_List(vorn::graph::kTextSpanCopyHint));
    m_span->refresh();
}

void TFrm_Graph::Btn_SpanClick()
{
    const bool on = Btn_Span->isChecked();
    Menu_Span->setChecked(on);
    if (on) {
        // The cursors take the left mouse button and the arrow keys.
        if (Btn_Mark->isChecked()) {
            Btn_Mark->setChecked(false);
            Btn_MarkClick();
        }
        Main_Chart->setZoomEnabled(false);
        Zoom_Img->hide();
        bZoom->setChecked(false);
    }
    m_span->setShown(on);
    if (on)
        focusChart();
}

void TFrm_Graph::copyChart()
{
    m_span->copyChartToClipboard();
    m_main.Sajat_Dlg(m_main.texts.Text_List(55), dtInformation);
}

void TFrm_Graph::saveChartPicture()
{
    vorn::prompts::FileRequest request;
    request.title = m_main.texts.Text_List(57);
    request.filter = QStringLiteral("Bitmap (*.bmp *.BMP)");
    request.proposedName = windowTitle().section(u'.', 0, 0);
    const QString path = vorn::prompts::saveFileNameWithSuffix(this, request, QStringLiteral("bmp"));
    if (path.isEmpty())
        return;
    QString error;
    if (m_span->saveChartBmp(path, &error))
        m_main.Sajat_Dlg(m_main.texts.Text_List(56), dtInformation);
    else
        m_main.Sajat_Dlg(m_main.texts.Err_List(2) + u'\n' + error, dtError);
}
