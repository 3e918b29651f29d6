// The pendrive window: list, buttons, texts and the choice of a file.
#include "TFrm_Pendrive.h"

#include "TLxListViewSearch.h"
#include "app/Artwork.h"
#include "app/ui/AppFonts.h"
#include "settings/LanguageTables.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr QSize kClientSize(560, 320);
constexpr QSize kButtonSize(100, 30);
constexpr int kButtonGap = 12;
// Pan_Button stands this far below the list, and this far above the bottom edge.
constexpr int kPanelGap = 14;
constexpr int kBottomMargin = 12;
constexpr int kPathColumn = 1;
constexpr int kRowPadding = 4;

} // namespace

TFrm_Pendrive::TFrm_Pendrive(const vorn::exchange::ExchangeHost &host, QWidget *parent)
    : QDialog(parent, Qt::Dialog), m_host(host),
      m_drives(std::make_shared<vorn::exchange::SystemDrives>())
{
    setObjectName(QStringLiteral("Frm_Pendrive"));
    setFont(vorn::ui::tahomaPt(8));
    setMinimumSize(320, 160);
    createList();
    createButtons();
    resize(kClientSize);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFrm_Pendrive::createList()
{
    Lsv_Lista = new TLxListViewSearch(this);
    Lsv_Lista->setObjectName(QStringLiteral("Lsv_Lista"));
    TNewListView *list = Lsv_Lista->ListView_SET();
    list->setColumnCount(2);
    // Column 0 (the row captions, always empty) stays 0 wide for good.
    list->setColumnWidth(0, 0);
    Lsv_Lista->setColumn_resize(QStringLiteral("0;"));
    list->header()->setStretchLastSection(true);
    Lsv_Lista->setUse_Sort(false);
    connect(list, &QTreeWidget::itemSelectionChanged, this,
            [this] { Btn_Load->setEnabled(selectedRow() >= 0); });
    connect(list, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (selectedRow() >= 0)
            Btn_LoadClick();
    });
}

void TFrm_Pendrive::createButtons()
{
    Pan_Button = new QWidget(this);
    Pan_Button->setObjectName(QStringLiteral("Pan_Button"));
    Pan_Button->resize(2 * kButtonSize.width() + kButtonGap, kButtonSize.height());
    Btn_Load = new QPushButton(Pan_Button);
    Btn_Load->setGeometry(QRect(QPoint(0, 0), kButtonSize));
    Btn_Load->setIcon(vorn::art::icon(QStringLiteral("btn_ok")));
    Btn_Load->setEnabled(false);
    Btn_Load->setDefault(true);
    Btn_Cancel = new QPushButton(Pan_Button);
    Btn_Cancel->setGeometry(QRect(QPoint(kButtonSize.width() + kButtonGap, 0), kButtonSize));
    Btn_Cancel->setIcon(vorn::art::icon(QStringLiteral("btn_cancel")));
    for (QPushButton *button : {Btn_Load, Btn_Cancel}) {
        button->setFont(vorn::ui::tahomaPt(8, true));
        button->setAutoDefault(false);
    }
    connect(Btn_Load, &QPushButton::clicked, this, &TFrm_Pendrive::Btn_LoadClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &TFrm_Pendrive::Btn_CancelClick);
}

void TFrm_Pendrive::setDriveSource(std::shared_ptr<const vorn::exchange::DriveSource> drives)
{
    m_drives = std::move(drives);
}

bool TFrm_Pendrive::Scan()
{
    Clear_Lista();
    bool found = false;
    for (const QString &path : vorn::exchange::findMeasurementFiles(m_drives->removableDrives())) {
        found = true;
        Add_Lista(path);
    }
    return found;
}

void TFrm_Pendrive::Clear_Lista()
{
    Lsv_Lista->ListView_SET()->clear();
    Btn_Load->setEnabled(false);
}

void TFrm_Pendrive::Add_Lista(const QString &FN)
{
    TNewListView *list = Lsv_Lista->ListView_SET();
    Lsv_Lista->NewRow();
    Lsv_Lista->MaxRowEdit(list->headerItem()->text(kPathColumn), FN);
    // A little taller than the text, so that the grid line under a row does
    // not hide the underscores that file names often hold.
    list->topLevelItem(list->topLevelItemCount() - 1)
        ->setSizeHint(kPathColumn, QSize(0, list->fontMetrics().height() + kRowPadding));
}

void TFrm_Pendrive::Set_Language()
{
    const vorn::TextTables &texts = *m_host.texts;
    setWindowTitle(texts.Text_List(174));
    Lsv_Lista->ListView_SET()->headerItem()->setText(kPathColumn, texts.Text_List(175));
    Btn_Cancel->setText(texts.Text_List(41));
    Btn_Load->setText(texts.Menu_List(4));
}

int TFrm_Pendrive::selectedRow() const
{
    const TNewListView *list = Lsv_Lista->ListView_SET();
    const QList<QTreeWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.first());
}

void TFrm_Pendrive::Btn_LoadClick()
{
    const int row = selectedRow();
    if (row < 0) {
        m_host.Sajat_Dlg(m_host.texts->Err_List(30), dtError);
        return;
    }
    const QString path = Lsv_Lista->ListView_SET()->topLevelItem(row)->text(kPathColumn);
    if (!QFileInfo::exists(path)) {
        m_host.Sajat_Dlg(m_host.texts->Err_List(31), dtError);
        return;
    }
    m_host.Add_File_List(path);
    accept();
}

void TFrm_Pendrive::Btn_CancelClick()
{
    reject();
}

void TFrm_Pendrive::showEvent(QShowEvent *event)
{
    Set_Language();
    QDialog::showEvent(event);
}

void TFrm_Pendrive::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int listHeight = height() - kPanelGap - Pan_Button->height() - kBottomMargin;
    Lsv_Lista->setGeometry(0, 0, width(), std::max(listHeight, 0));
    Pan_Button->move(qRound(width() / 2.0 - Pan_Button->width() / 2.0),
                     Lsv_Lista->geometry().bottom() + 1 + kPanelGap);
}
