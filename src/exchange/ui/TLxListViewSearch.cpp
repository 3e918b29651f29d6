// The searchable list view: panel, search strip and incremental search.
#include "TLxListViewSearch.h"

#include "app/Artwork.h"
#include "app/ui/AppFonts.h"
#include "settings/SettingsFile.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

#include <algorithm>

namespace {

// Colours as $00BBGGRR.
constexpr int PanelColor = 12937777;    // RGB 31 6A C5, a mid blue
constexpr int FoundColor = 16777215;    // white: the text matches a row
constexpr int NotFoundColor = 4151807;  // RGB FF 59 3F, red: no row matches

// Height of the search strip under the list.
constexpr int StripHeight = 14;

bool isEnterOrEscape(const QKeyEvent *event)
{
    const int key = event->key();
    return key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter;
}

// A character the user typed, not a control key or a shortcut.
bool isTypedText(const QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

} // namespace

TLxListViewSearch::TLxListViewSearch(QWidget *parent)
    : QWidget(parent)
{
    // The panel paints its own colour; a palette would hand it down to the
    // list's header and scroll bars too.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(300, 300);

    for (const char *name : {"lv_arrow_down", "lv_arrow_up"})
        Nyilak.append(vorn::art::pixmap(QLatin1String(name), QSize(16, 16)));

    createSearchStrip();

    ListView_lista = new TNewListView(this);
    ListView_lista->setGeometry(0, 0, width(), height());
    ListView_lista->installEventFilter(this);
    // The list lies over the strip, which shows only when the list shrinks.
    ListView_lista->raise();
    connect(ListView_lista->header(), &QHeaderView::sectionClicked,
            this, &TLxListViewSearch::LsvColumnClick);
}

void TLxListViewSearch::createSearchStrip()
{
    const int w = width();
    const int h = height();
    Label_Search = new QLabel(QStringLiteral("Keres:"), this);
    Label_Search->setFont(vorn::ui::tahomaPt(7, true));
    QPalette labelPalette = Label_Search->palette();
    labelPalette.setColor(QPalette::WindowText, Qt::white);
    Label_Search->setPalette(labelPalette);
    Label_Search->setGeometry(5, h - 12, 81, 13);

    Edit_Search = new QLineEdit(this);
    Edit_Search->setFont(vorn::ui::tahomaPt(6, true));
    Edit_Search->setFrame(false);
    Edit_Search->setGeometry(40, h - 14, 87, 15);
    Edit_Search->setEnabled(false);
    Edit_Search->installEventFilter(this);
    setEditColor(FoundColor);
    connect(Edit_Search, &QLineEdit::textChanged, this, &TLxListViewSearch::Edit_Search_Change);

    Image_Search = new QLabel(this);
    Image_Search->setScaledContents(true);
    Image_Search->setPixmap(vorn::art::pixmap(QStringLiteral("lv_close"), QSize(13, 13)));
    Image_Search->setGeometry(w - 36, h - 14, 13, 13);
    Image_Search->setCursor(Qt::PointingHandCursor);
    Image_Search->installEventFilter(this);
}

void TLxListViewSearch::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), panelColor());
}

QColor TLxListViewSearch::panelColor()
{
    return vorn::colorFromBgr(PanelColor);
}

void TLxListViewSearch::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Panel_Resize();
}

void TLxListViewSearch::Panel_Resize()
{
    if (!ListView_lista) // a resize while the constructor still builds the parts
        return;
    const int w = width();
    const int h = height();
    Image_Search->move(w - 20, h - StripHeight);
    Edit_Search->move(Edit_Search->x(), h - StripHeight);
    Label_Search->move(Label_Search->x(), h - 12);
    ListView_lista->setGeometry(0, 0, w, isSearchOpen() ? h - StripHeight : h);
}

bool TLxListViewSearch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == ListView_lista)
            return ListKeypress(key);
        if (watched == Edit_Search)
            return Edit_Search_KeyDown(key);
    }
    if (watched == Image_Search && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && Image_Search->rect().contains(mouse->position().toPoint()))
            ImageClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Enter and Esc do nothing in the list; a typed character opens the strip.
bool TLxListViewSearch::ListKeypress(QKeyEvent *event)
{
    if (isEnterOrEscape(event))
        return true;
    if (!isTypedText(event))
        return false;
    openSearch(event->text());
    return true;
}

bool TLxListViewSearch::Edit_Search_KeyDown(QKeyEvent *event)
{
    if (!isEnterOrEscape(event))
        return false;
    ImageClick();
    return true;
}

void TLxListViewSearch::openSearch(const QString &typed)
{
    const int w = width();
    const int h = height();
    ListView_lista->resize(w, h - StripHeight);
    Edit_Search->setGeometry(Edit_Search->x(), h - StripHeight, Edit_Search->width(), StripHeight);
    Image_Search->move(w - 25, h - StripHeight);
    Label_Search->move(Label_Search->x(), h - 12);
    Edit_Search->setEnabled(true);
    Edit_Search->setFocus();
    ListView_lista->Search_Is_Open = true;
    // The search runs even when the strip still holds the same text.
    if (Edit_Search->text() == typed)
        Edit_Search_Change(typed);
    else
        Edit_Search->setText(typed);
    Edit_Search->end(false);
}

void TLxListViewSearch::ImageClick()
{
    ListView_lista->resize(width(), height());
    ListView_lista->Search_Is_Open = false;
    ListView_lista->setFocus();
    Edit_Search->setEnabled(false);
}

void TLxListViewSearch::Edit_Search_Change(const QString &text)
{
    const int column = Search_Oszlopindex(ListView_lista->C_N) + 1;
    QStringList cells;
    cells.reserve(ListView_lista->topLevelItemCount());
    for (int row = 0; row < ListView_lista->topLevelItemCount(); ++row)
        cells.append(ListView_lista->topLevelItem(row)->text(column));
    const int hit = vorn::exchange::findSearchHit(cells, text);
    if (hit < 0) {
        setEditColor(NotFoundColor);
        return;
    }
    showSearchHit(hit);
    setEditColor(FoundColor);
}

// Selects the row and scrolls so that the row above it is at the top, which
// shows the hit with one row of context.
void TLxListViewSearch::showSearchHit(int row)
{
    QTreeWidgetItem *item = ListView_lista->topLevelItem(row);
    ListView_lista->setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (row == 0)
        ListView_lista->scrollToItem(item);
    else
        ListView_lista->scrollToItem(ListView_lista->topLevelItem(row - 1), QAbstractItemView::PositionAtTop);
}

void TLxListViewSearch::setEditColor(int bgr)
{
    QPalette palette = Edit_Search->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, vorn::colorFromBgr(bgr));
    Edit_Search->setPalette(palette);
}
