// The program's own message dialog and `Sajat_Dlg`, the one way the program
// shows a message or asks a yes/no question.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

enum TDialog_Type { dtInformation = 0, dtError = 1, dtWarning = 2, dtQuestion = 3 };
enum TDialog_Result { drOk = 0, drCancel = 1, drYes = 2, drNo = 3 };

namespace vorn { class TextTables; }

class TFrm_Dialog : public QDialog {
    Q_OBJECT
public:
    explicit TFrm_Dialog(QWidget *owner);

    // Prepares captions, picture, buttons and text for one message.
    void prepare(const QString &Uzenet, TDialog_Type Tipus, const vorn::TextTables &texts);

    TDialog_Result B_Result = drOk;

    QLabel *Img_Error = nullptr;
    QLabel *Img_Info = nullptr;
    QLabel *Img_Warning = nullptr;
    QLabel *Lbl_Uzenet = nullptr;
    QPushButton *Btn_OK = nullptr;
    QPushButton *Btn_Yes = nullptr;
    QPushButton *Btn_No = nullptr;
    QPushButton *Btn_Cancel = nullptr;

    // Tests answer messages through this hook: when set, it is called with the
    // dialog once the dialog is shown modally, and is expected to press one of
    // its buttons or close it. It stays set until cleared.
    using TestHook = std::function<void(TFrm_Dialog &)>;
    static void setTestHook(TestHook hook);
    static const TestHook &testHook();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QPushButton *makeButton(const QString &glyph, TDialog_Result result);
    void showKind(QLabel *picture, const QString &caption);
    void setMessage(const QString &text);
};

// Shows Uzenet modally in the kind Tipus and returns the button pressed
// (drOk when the dialog was closed with its close box).
TDialog_Result Sajat_Dlg(QWidget *owner, const vorn::TextTables &texts,
                         const QString &Uzenet, TDialog_Type Tipus);
