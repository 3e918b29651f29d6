// Choosing the measurements to compare: the open graph windows and the
// measurements already compared, ticked or not, and files added through the
// file dialog (several at once).
#pragma once

#include "CompareHost.h"

#include <QDialog>
#include <QList>

#include <functional>
#include <optional>

class QListWidget;
class QPushButton;

namespace vorn::graphui {

class CompareMeasurement;

// One measurement that may be compared: exactly one of the three is given.
struct CompareChoice {
    std::optional<CompareOffer> offer;    // an open graph window's
    CompareMeasurement *kept = nullptr;   // one the comparison already holds
    QString file;                         // a file to read
};

class TFrm_ComparePick : public QDialog {
    Q_OBJECT
public:
    TFrm_ComparePick(QWidget *owner, const vorn::TextTables &texts);

    void addChoice(const CompareChoice &choice, const QString &text, bool ticked);
    // The ticked ones, in the list's order.
    QList<CompareChoice> chosen() const;

    QListWidget *Lst_Choices = nullptr;
    QPushButton *Btn_AddFiles = nullptr;
    QPushButton *Btn_Ok = nullptr;
    QPushButton *Btn_Cancel = nullptr;

    // Tests answer the dialog here: called once it is shown modally, it is
    // expected to accept or reject it. It stays set until cleared.
    using TestHook = std::function<void(TFrm_ComparePick &)>;
    static void setTestHook(TestHook hook);

public slots:
    void Btn_AddFilesClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    const vorn::TextTables &m_texts;
    QList<CompareChoice> m_choices; // item i of the list is choice i
};

} // namespace vorn::graphui
