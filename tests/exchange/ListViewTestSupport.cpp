// Helpers of the list view widget tests.
#include "ListViewTestSupport.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace lvtest {

vorn::TextTables namedTexts()
{
    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines << QStringLiteral("Menu%1=M%1").arg(i) << QStringLiteral("ErrMsg%1=E%1").arg(i)
              << QStringLiteral("Text%1=T%1").arg(i);
    vorn::TextTables texts;
    texts.loadSectionLines(lines);
    return texts;
}

std::unique_ptr<TLxListViewSearch> makeList()
{
    auto list = std::make_unique<TLxListViewSearch>();
    TNewListView *view = list->ListView_SET();
    view->setHeaderLabels({QStringLiteral("Caption"), QStringLiteral("Név"), QStringLiteral("Szám")});
    view->setColumnWidth(0, 0);
    view->setColumnWidth(1, 150);
    view->setColumnWidth(2, 80);
    list->setColumn_resize(QStringLiteral("0;"));
    list->resize(300, 200);
    list->show();
    return list;
}

void addRows(TLxListViewSearch &list, const QStringList &names)
{
    for (const QString &name : names) {
        list.NewRow();
        list.MaxRowEdit(QStringLiteral("Név"), name);
        list.MaxRowEdit(QStringLiteral("Szám"), QString::number(list.ListView_SET()->topLevelItemCount() - 1));
    }
}

QStringList columnTexts(const TLxListViewSearch &list, int column)
{
    QStringList texts;
    const TNewListView *view = list.ListView_SET();
    for (int row = 0; row < view->topLevelItemCount(); ++row)
        texts.append(view->topLevelItem(row)->text(column));
    return texts;
}

void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        const int key = c.isLetter() || c.isDigit() ? int(c.toUpper().unicode()) : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void typeIntoList(TLxListViewSearch &list, const QString &text)
{
    for (QChar c : text) {
        QWidget *focus = list.focusWidget();
        typeText(focus ? focus : list.ListView_SET(), QString(c));
    }
}

void pressKey(QWidget *widget, Qt::Key key)
{
    QString text;
    if (key == Qt::Key_Escape)
        text = QString(QChar(27));
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
        text = QString(QChar(13));
    else if (key == Qt::Key_Backspace)
        text = QString(QChar(8));
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

namespace {

void sendMouse(QWidget *target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

void clickHeader(TLxListViewSearch &list, int column)
{
    QHeaderView *header = list.ListView_SET()->header();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    sendMouse(header->viewport(), QEvent::MouseButtonPress, at, Qt::LeftButton);
    sendMouse(header->viewport(), QEvent::MouseButtonRelease, at, Qt::NoButton);
}

void dragDivider(TLxListViewSearch &list, int column, int dx)
{
    QHeaderView *header = list.ListView_SET()->header();
    const int size = header->sectionSize(column);
    const int edge = header->sectionViewportPosition(column) + size;
    // Just inside the section's right edge; for a 0-wide column just right of
    // it, where its grip lies at the start of the next column.
    const QPoint from(size > 0 ? edge - 2 : edge + 1, header->height() / 2);
    const QPoint to = from + QPoint(dx, 0);
    sendMouse(header->viewport(), QEvent::MouseButtonPress, from, Qt::LeftButton);
    sendMouse(header->viewport(), QEvent::MouseMove, from + QPoint(dx / 2, 0), Qt::LeftButton);
    sendMouse(header->viewport(), QEvent::MouseMove, to, Qt::LeftButton);
    sendMouse(header->viewport(), QEvent::MouseButtonRelease, to, Qt::NoButton);
}

void clickClosePicture(TLxListViewSearch &list)
{
    const QPoint at = list.Image_Search->rect().center();
    sendMouse(list.Image_Search, QEvent::MouseButtonPress, at, Qt::LeftButton);
    sendMouse(list.Image_Search, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

int selectedRow(const TLxListViewSearch &list)
{
    const TNewListView *view = list.ListView_SET();
    const QList<QTreeWidgetItem *> selected = view->selectedItems();
    return selected.size() == 1 ? view->indexOfTopLevelItem(selected.first()) : -1;
}

} // namespace lvtest
