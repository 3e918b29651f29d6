// The dialog that chooses the measurements to compare.
#include "TFrm_ComparePick.h"

#include "CompareMeasurement.h"
#include "app/ui/AppFonts.h"
#include "app/ui/UserPrompts.h"
#include "graph/MeasuringTexts.h"
#include "settings/LanguageTables.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vorn::graphui {

namespace {

TFrm_ComparePick::TestHook &hookStorage()
{
    static TFrm_ComparePick::TestHook hook;
    return hook;
}

QString pathOf(const CompareChoice &choice)
{
    return choice.offer ? choice.offer->path : choice.kept ? choice.kept->path() : choice.file;
}

} // namespace

void TFrm_ComparePick::setTestHook(TestHook hook)
{
    hookStorage() = std::move(hook);
}

TFrm_ComparePick::TFrm_ComparePick(QWidget *owner, const vorn::TextTables &texts)
    : QDialog(owner), m_texts(texts)
{
    setObjectName(QStringLiteral("Frm_ComparePick"));
    setWindowTitle(texts.Text_List(vorn::graph::kTextCompareChoose));
    setFont(vorn::ui::tahomaPt(8));
    resize(480, 360);
    Lst_Choices = new QListWidget(this);
    Lst_Choices->setObjectName(QStringLiteral("Lst_Choices"));
    Btn_AddFiles = new QPushButton(texts.Text_List(vorn::graph::kTextCompareAddFiles), this);
    Btn_Ok = new QPushButton(texts.Text_List(40), this);
    Btn_Ok->setDefault(true);
    Btn_Cancel = new QPushButton(texts.Text_List(41), this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Btn_AddFiles);
    buttons->addStretch(1);
    buttons->addWidget(Btn_Ok);
    buttons->addWidget(Btn_Cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Lst_Choices, 1);
    layout->addLayout(buttons);

    connect(Btn_AddFiles, &QPushButton::clicked, this, &TFrm_ComparePick::Btn_AddFilesClick);
    connect(Btn_Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrm_ComparePick::addChoice(const CompareChoice &choice, const QString &text, bool ticked)
{
    auto *item = new QListWidgetItem(text, Lst_Choices);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    item->setToolTip(QDir::toNativeSeparators(pathOf(choice)));
    m_choices.append(choice);
}

QList<CompareChoice> TFrm_ComparePick::chosen() const
{
    QList<CompareChoice> result;
    for (int i = 0; i < Lst_Choices->count(); ++i) {
        if (Lst_Choices->item(i)->checkState() == Qt::Checked)
            result.append(m_choices[i]);
    }
    return result;
}

void TFrm_ComparePick::Btn_AddFilesClick()
{
    vorn::prompts::FileRequest request;
    request.title = m_texts.Text_List(24);
    request.filter = QStringLiteral("*.Vrn (*.Vrn *.VRN *.vrn)");
    for (const QString &path : vorn::prompts::openFileNames(this, request)) {
        // A file already listed is ticked rather than listed twice.
        bool listed = false;
        for (int i = 0; i < m_choices.size(); ++i) {
            const QString known = pathOf(m_choices[i]);
            if (!known.isEmpty() && samePathKey(known) == samePathKey(path)) {
                Lst_Choices->item(i)->setCheckState(Qt::Checked);
                listed = true;
            }
        }
        if (!listed)
            addChoice({std::nullopt, nullptr, path}, QFileInfo(path).fileName(), true);
    }
}

void TFrm_ComparePick::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (hookStorage()) {
        // Called from the dialog's own event loop, once exec() runs.
        QTimer::singleShot(0, this, [this] {
            if (const TestHook hook = hookStorage())
                hook(*this);
        });
    }
}

} // namespace vorn::graphui
