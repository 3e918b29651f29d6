// The settings dialog: colour swatches with the colour picker, saving the
// colours, and the language switch.
#include "TFrm_Settings.h"
#include "ui_TFrm_Settings.h"

#include "app/Artwork.h"
#include "app/ui/AppFonts.h"
#include "app/ui/TFrm_Main.h"
#include "app/ui/UserPrompts.h"
#include "graph/ui/TFrm_Graph.h"

#include <QFrame>
#include <QToolButton>

#include <tuple>

namespace {

// Each swatch and the main-window field it stands for.
struct SwatchField {
    const char16_t *panel;
    int vorn::ChartColors::*field;
};

constexpr SwatchField kSwatches[] = {
    {u"Pan_F_H", &vorn::ChartColors::_c1},  {u"Pan_J_H", &vorn::ChartColors::_c2},
    {u"Pan_V_F", &vorn::ChartColors::_c3},  {u"Pan_V_AA", &vorn::ChartColors::_c4},
    {u"Pan_J_F", &vorn::ChartColors::_c5},  {u"Pan_J_AA", &vorn::ChartColors::_c6},
    {u"Pan_V_AB", &vorn::ChartColors::_c7}, {u"Pan_J_AB", &vorn::ChartColors::_c8},
};

// The swatch's own background is the dialog's only store of the colour.
QColor swatchColor(const QFrame &swatch)
{
    return swatch.palette().color(QPalette::Window);
}

void paintSwatch(QFrame &swatch, const QColor &color)
{
    QPalette palette = swatch.palette();
    palette.setColor(QPalette::Window, color);
    swatch.setPalette(palette);
}

} // namespace

TFrm_Settings::TFrm_Settings(TFrm_Main &main)
    : QDialog(&main, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      ui(std::make_unique<Ui::TFrm_Settings>()), m_main(main)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("Frm_Settings"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setFont(vorn::ui::tahomaPt(9));
    for (QPushButton *button : {ui->Btn_Save, ui->Btn_Cancel})
        button->setFont(vorn::ui::tahomaPt(9, true));
    ui->Btn_Save->setIcon(vorn::art::icon(QStringLiteral("btn_ok")));
    ui->Btn_Cancel->setIcon(vorn::art::icon(QStringLiteral("btn_cancel")));
    // No language is selected until the one in use is known.
    ui->Cmb_Lang->setCurrentIndex(-1);
    connectHandlers();
}

TFrm_Settings::~TFrm_Settings() = default;

void TFrm_Settings::connectHandlers()
{
    for (QToolButton *button : findChildren<QToolButton *>()) {
        if (button->objectName().startsWith(u"Btn_"))
            connect(button, &QToolButton::clicked, this, [this, button] { Btn_F_HClick(button); });
    }
    connect(ui->Btn_Set_Def, &QPushButton::clicked, this, &TFrm_Settings::Btn_Set_DefClick);
    connect(ui->Btn_Save, &QPushButton::clicked, this, &TFrm_Settings::Btn_SaveClick);
    connect(ui->Btn_Cancel, &QPushButton::clicked, this, &TFrm_Settings::Btn_CancelClick);
    connect(ui->Cmb_Lang, &QComboBox::currentIndexChanged, this, &TFrm_Settings::Cmb_LangChange);
    connect(&m_main, &TFrm_Main::languageChanged, this, &TFrm_Settings::Change_Language);
}

// ---- colours ------------------------------------------------------------------

QFrame *TFrm_Settings::swatch(const QString &name) const
{
    return findChild<QFrame *>(name);
}

vorn::ChartColors TFrm_Settings::swatchColors() const
{
    vorn::ChartColors colors;
    for (const SwatchField &entry : kSwatches)
        colors.*entry.field = vorn::bgrFromColor(swatchColor(*swatch(QString::fromUtf16(entry.panel))));
    return colors;
}

void TFrm_Settings::setSwatchColors(const vorn::ChartColors &colors)
{
    for (const SwatchField &entry : kSwatches)
        paintSwatch(*swatch(QString::fromUtf16(entry.panel)), vorn::colorFromBgr(colors.*entry.field));
}

void TFrm_Settings::loadColors()
{
    setSwatchColors(m_main.colors());
}

void TFrm_Settings::Btn_F_HClick(QAbstractButton *Sender)
{
    // "Btn_V_AA" edits "Pan_V_AA".
    QFrame *target = swatch(QStringLiteral("Pan") + Sender->objectName().mid(3));
    if (!target)
        return;
    if (const std::optional<QColor> chosen = vorn::prompts::pickColor(this, swatchColor(*target)))
        paintSwatch(*target, *chosen);
}

void TFrm_Settings::Btn_Set_DefClick()
{
    // Only the swatches change; Save stores them like any other choice.
    setSwatchColors(vorn::kDefaultColors);
}

// ---- closing ------------------------------------------------------------------

void TFrm_Settings::Btn_SaveClick()
{
    const vorn::ChartColors colors = swatchColors();
    if (vorn::SettingsFile().writeColors(colors))
        m_main.setColors(colors);
    else
        m_main.Sajat_Dlg(m_main.texts.Err_List(10), dtError);
    accept();
}

void TFrm_Settings::Btn_CancelClick()
{
    // The next showing reloads the swatches from the main window.
    reject();
}

// ---- language -----------------------------------------------------------------

void TFrm_Settings::Cmb_LangChange(int index)
{
    if (m_loading || index < 0)
        return;
    m_main.switchLanguage(ui->Cmb_Lang->itemText(index));
    // A switch that could not be stored keeps the old language: show it again.
    selectLanguage(m_main.texts.Used_Lang);
}

void TFrm_Settings::selectLanguage(const QString &name)
{
    const int index = ui->Cmb_Lang->findText(name, Qt::MatchExactly);
    if (index < 0)
        return;
    m_loading = true;
    ui->Cmb_Lang->setCurrentIndex(index);
    m_loading = false;
}

void TFrm_Settings::Change_Language()
{
    const vorn::TextTables &t = m_main.texts;
    selectLanguage(t.Used_Lang);
    setWindowTitle(t.Menu_List(9));
    ui->Grb_graphcolors->setTitle(t.Text_List(77));
    ui->Grb_Fo->setTitle(t.Text_List(82));
    ui->Grb_Jegy->setTitle(t.Text_List(83));
    const QString charging = t.Text_List(37) + QStringLiteral(" (") + t.Text_List(10) + u')';
    const QString discharging = t.Text_List(37) + QStringLiteral(" (") + t.Text_List(9) + u')';
    for (auto [hatter, vonal, fesz, aramA, aramB] :
         {std::tuple{ui->Lbl_F_Hatter, ui->Lbl_F_Vonal, ui->Lbl_F_Fesz, ui->Lbl_F_AramA, ui->Lbl_F_AramB},
          std::tuple{ui->Lbl_J_Hatter, ui->Lbl_J_Vonal, ui->Lbl_J_Fesz, ui->Lbl_J_AramA, ui->Lbl_J_AramB}}) {
        hatter->setText(t.Text_List(78));
        vonal->setText(t.Text_List(79));
        fesz->setText(t.Text_List(36));
        aramA->setText(charging);
        aramB->setText(discharging);
    }
    for (QToolButton *button : findChildren<QToolButton *>())
        button->setToolTip(t.Text_List(81));
    ui->Btn_Set_Def->setText(t.Text_List(80));
    ui->Lbl_Lang->setText(t.Text_List(123));
    ui->Btn_Save->setText(t.Menu_List(5));
    ui->Btn_Cancel->setText(t.Text_List(41));
}

void showSettingsDialog(TFrm_Main &main, TFrm_Settings &dialog)
{
    dialog.loadColors();
    dialog.exec();
    if (TFrm_Graph *graph = main.activeGraph())
        graph->Set_Chart_Color();
}
