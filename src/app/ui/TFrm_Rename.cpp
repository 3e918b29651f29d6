// The rename dialog.
#include "TFrm_Rename.h"

#include "AppFonts.h"
#include "settings/LanguageTables.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

TFrm_Rename::TFrm_Rename(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Frm_Rename"));
    setFixedSize(310, 116);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setFont(vorn::ui::tahomaPt(9));

    Edt_Name = new QLineEdit(this);
    Edt_Name->setGeometry(38, 22, 233, 26);

    Btn_Save = new QPushButton(this);
    Btn_Save->setGeometry(58, 66, 92, 30);
    Btn_Save->setDefault(true);
    Btn_Cancel = new QPushButton(this);
    Btn_Cancel->setGeometry(160, 66, 92, 30);
    for (QPushButton *button : {Btn_Save, Btn_Cancel})
        button->setFont(vorn::ui::tahomaPt(9, true));

    connect(Btn_Save, &QPushButton::clicked, this, &TFrm_Rename::Btn_SaveClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &TFrm_Rename::Btn_CancelClick);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFrm_Rename::prepare(const vorn::TextTables &texts, const QString &name)
{
    setWindowTitle(texts.Text_List(23));
    Edt_Name->setText(name);
    Edt_Name->selectAll();
    Btn_Save->setText(texts.Menu_List(5));
    Btn_Cancel->setText(texts.Text_List(41));
}

void TFrm_Rename::Btn_SaveClick()
{
    accept();
}

void TFrm_Rename::Btn_CancelClick()
{
    reject();
}
