// The progress window: load and export modes over one set of pictures.
#include "TFrm_LoadGraph.h"

#include "app/Artwork.h"
#include "app/ui/AppFonts.h"
#include "measurement/ProgressMath.h"
#include "settings/LanguageTables.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr QSize kClientSize(485, 154);
constexpr QPoint kBarPosition(56, 23);
constexpr QPoint kExcelPosition(379, 32);
constexpr QSize kExcelSize(48, 48);
constexpr QRect kLabelRect(73, 57, 325, 23);
constexpr QRect kCancelRect(193, 104, 98, 30);

} // namespace

TFrm_LoadGraph::TFrm_LoadGraph(QWidget *owner, const vorn::TextTables &texts)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowCloseButtonHint),
      m_texts(texts)
{
    setObjectName(QStringLiteral("Frm_LoadGraph"));
    setFixedSize(kClientSize);

    // Created from back to front.
    Image1 = picture(QStringLiteral("progress_bg"), QPoint(0, 0));
    Img_Gr_gray = picture(QStringLiteral("bar_track"), kBarPosition);
    Img_Gr = picture(QStringLiteral("bar_fill"), kBarPosition);
    Img_Ex_Bg = picture(QStringLiteral("export_track"), kBarPosition);
    Img_Ex = picture(QStringLiteral("export_fill"), kBarPosition);
    // A fill picture is revealed, not stretched: the label shows its left part.
    for (QLabel *fill : {Img_Gr, Img_Ex})
        fill->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label1 = new QLabel(this);
    Label1->setGeometry(kLabelRect);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(vorn::ui::courierNewPx(21, true));
    Label1->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    Label1->setText(QStringLiteral("0 %"));

    Img_Excel = new QLabel(this);
    Img_Excel->setGeometry(QRect(kExcelPosition, kExcelSize));
    Img_Excel->setPixmap(vorn::art::pixmap(QStringLiteral("excel_icon"), kExcelSize));
    Img_Excel->setScaledContents(true);
    Img_Gr_Bg = picture(QStringLiteral("bar_overlay"), kBarPosition);

    Btn_Cancel = new QPushButton(this);
    Btn_Cancel->setGeometry(kCancelRect);
    Btn_Cancel->setFont(vorn::ui::tahomaPx(12, true));
    connect(Btn_Cancel, &QPushButton::clicked, this, &TFrm_LoadGraph::Btn_CancelClick);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QLabel *TFrm_LoadGraph::picture(const QString &name, QPoint position)
{
    const QSize size = vorn::art::intendedSize(name);
    auto *label = new QLabel(this);
    label->setGeometry(QRect(position, size));
    label->setPixmap(vorn::art::pixmap(name, size));
    return label;
}

void TFrm_LoadGraph::resetBar(QLabel *fill)
{
    fill->resize(0, fill->height());
    fill->show();
    Label1->setText(QStringLiteral("0 %"));
    m_shownWidth = 0;
    m_shownPercent = 0;
}

void TFrm_LoadGraph::Set_Calc_G()
{
    Img_Ex->hide();
    Img_Ex_Bg->hide();
    Img_Excel->hide();
    for (QLabel *bar : {Img_Gr, Img_Gr_gray, Img_Gr_Bg}) {
        bar->move(kBarPosition);
        bar->show();
    }
    resetBar(Img_Gr);
    setWindowTitle(m_texts.Text_List(167));
    Btn_Cancel->setText(m_texts.Text_List(41));
}

void TFrm_LoadGraph::Set_Calc_E()
{
    Img_Gr->hide();
    Img_Gr_gray->hide();
    Img_Gr_Bg->hide();
    Img_Ex_Bg->move(kBarPosition);
    Img_Ex_Bg->show();
    Img_Excel->move(kExcelPosition);
    Img_Excel->show();
    Img_Ex->move(kBarPosition);
    resetBar(Img_Ex);
    setWindowTitle(m_texts.Text_List(13));
    Btn_Cancel->setText(m_texts.Text_List(41));
}

bool TFrm_LoadGraph::Calc_sz(int Start_Sz, int End_Sz, qint64 Start_i, qint64 Max_i,
                             qint64 Allapot, bool Is_Inc)
{
    return advance(Img_Gr, Start_Sz, End_Sz, Start_i, Max_i, Allapot, Is_Inc);
}

bool TFrm_LoadGraph::Calc_sz_E(int Start_Sz, int End_Sz, qint64 Start_i, qint64 Max_i,
                               qint64 Allapot, bool Is_Inc)
{
    return advance(Img_Ex, Start_Sz, End_Sz, Start_i, Max_i, Allapot, Is_Inc);
}

bool TFrm_LoadGraph::advance(QLabel *fill, int Start_Sz, int End_Sz, qint64 Start_i,
                             qint64 Max_i, qint64 Allapot, bool Is_Inc)
{
    using namespace vorn::measurement;
    const std::optional<double> percent =
        progressPercent(Start_Sz, End_Sz, Start_i, Max_i, Allapot, Is_Inc);
    if (!percent)
        return false;
    // Most steps of a long operation change nothing that is shown: compare
    // before building any text.
    const int width = roundHalfEven(*percent / 100.0 * kProgressBarWidth);
    const int whole = roundHalfEven(*percent);
    if (width == m_shownWidth && whole == m_shownPercent)
        return true;
    const ProgressStep step = progressStep(*percent);
    m_shownWidth = step.fillWidth;
    m_shownPercent = whole;
    fill->resize(step.fillWidth, fill->height());
    Label1->setText(step.label);
    // Let the window repaint (and the rest of the program breathe) only when
    // what it shows has changed.
    QCoreApplication::processEvents();
    return true;
}

void TFrm_LoadGraph::Btn_CancelClick()
{
    hide();
}
