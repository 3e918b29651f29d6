// The message dialog as Sajat_Dlg shows it: picture, buttons and caption of
// each kind, the answers, the close box, and a fresh dialog per message.
#include "app/ui/TFrm_Dialog.h"
#include "shell_test_support.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// What the shown dialog looked like when the hook saw it.
struct Seen {
    QString caption;
    QStringList pictures; // visible ones
    QStringList buttons;  // visible ones, with their captions
    QPoint okPos, yesPos, noPos;
    QSize clientSize;
    QPoint picturePos;
    QRect labelRect;
    QString labelText;
    Qt::Alignment labelAlignment;
    bool labelBold = false;
    int labelPixelSize = 0;
};

Seen look(TFrm_Dialog &dialog)
{
    Seen seen;
    seen.caption = dialog.windowTitle();
    const std::pair<QLabel *, const char *> pictures[] = {
        {dialog.Img_Error, "error"}, {dialog.Img_Info, "info"}, {dialog.Img_Warning, "warning"}};
    for (const auto &[picture, name] : pictures) {
        if (picture->isVisible())
            seen.pictures << QLatin1String(name);
    }
    for (QPushButton *button : {dialog.Btn_OK, dialog.Btn_Yes, dialog.Btn_No, dialog.Btn_Cancel}) {
        if (button->isVisible())
            seen.buttons << button->text();
    }
    seen.okPos = dialog.Btn_OK->pos();
    seen.yesPos = dialog.Btn_Yes->pos();
    seen.noPos = dialog.Btn_No->pos();
    seen.clientSize = dialog.size();
    seen.picturePos = dialog.Img_Warning->pos();
    seen.labelRect = dialog.Lbl_Uzenet->geometry();
    seen.labelText = dialog.Lbl_Uzenet->text();
    seen.labelAlignment = dialog.Lbl_Uzenet->alignment();
    seen.labelBold = dialog.Lbl_Uzenet->font().bold();
    seen.labelPixelSize = dialog.Lbl_Uzenet->font().pixelSize();
    return seen;
}

class MessageDialogTest : public ::testing::Test {
protected:
    void TearDown() override { TFrm_Dialog::setTestHook({}); }

    // Shows one message; the hook records the dialog and then acts on it.
    TDialog_Result show(const QString &text, TDialog_Type kind,
                        const std::function<void(TFrm_Dialog &)> &act)
    {
        TFrm_Dialog::setTestHook([this, act](TFrm_Dialog &dialog) {
            seen = look(dialog);
            act(dialog);
        });
        return Sajat_Dlg(nullptr, texts, text, kind);
    }

    static void pressOk(TFrm_Dialog &dialog) { dialog.Btn_OK->click(); }

    vorn::TextTables texts = shelltest::namedTexts();
    Seen seen;
};

TEST_F(MessageDialogTest, EachSingleButtonKindShowsItsPictureOkAndCaption)
{
    const struct {
        TDialog_Type kind;
        const char *picture;
        const char *caption;
    } kinds[] = {{dtInformation, "info", "T33"}, {dtError, "error", "T34"}, {dtWarning, "warning", "T35"}};
    for (const auto &kind : kinds) {
        SCOPED_TRACE(kind.picture);
        EXPECT_EQ(show(QStringLiteral("Hello"), kind.kind, pressOk), drOk);
        EXPECT_EQ(seen.pictures, QStringList{QLatin1String(kind.picture)});
        EXPECT_EQ(seen.buttons, QStringList{QStringLiteral("T40")});
        EXPECT_EQ(seen.okPos, QPoint(274, 131));
        EXPECT_EQ(seen.caption, QLatin1String(kind.caption));
        EXPECT_EQ(seen.labelText, QStringLiteral("Hello"));
    }
}

TEST_F(MessageDialogTest, QuestionShowsYesAndNoAndReturnsTheButtonPressed)
{
    EXPECT_EQ(show(QStringLiteral("Save?"), dtQuestion,
                   [](TFrm_Dialog &d) { d.Btn_Yes->click(); }),
              drYes);
    EXPECT_EQ(seen.pictures, QStringList{QStringLiteral("warning")});
    EXPECT_EQ(seen.buttons, (QStringList{QStringLiteral("T42"), QStringLiteral("T43")}));
    EXPECT_EQ(seen.yesPos, QPoint(219, 131));
    EXPECT_EQ(seen.noPos, QPoint(322, 131));
    EXPECT_EQ(seen.caption, QStringLiteral("T32"));

    EXPECT_EQ(show(QStringLiteral("Save?"), dtQuestion, [](TFrm_Dialog &d) { d.Btn_No->click(); }),
              drNo);
}

TEST_F(MessageDialogTest, ClosingAQuestionWithTheCloseBoxAnswersOk)
{
    EXPECT_EQ(show(QStringLiteral("Save?"), dtQuestion, [](TFrm_Dialog &d) { d.close(); }), drOk);
}

TEST_F(MessageDialogTest, TwoMessagesInARowEachShowOnlyTheirOwnPictureAndButtons)
{
    show(QStringLiteral("first"), dtQuestion, [](TFrm_Dialog &d) { d.Btn_No->click(); });
    show(QStringLiteral("second"), dtError, pressOk);
    EXPECT_EQ(seen.pictures, QStringList{QStringLiteral("error")});
    EXPECT_EQ(seen.buttons, QStringList{QStringLiteral("T40")});
    EXPECT_EQ(seen.labelText, QStringLiteral("second"));
}

TEST_F(MessageDialogTest, PictureFillsTheWindowAndTheMessageHasItsBox)
{
    show(QStringLiteral("<b>not markup</b>"), dtInformation, pressOk);
    EXPECT_EQ(seen.clientSize, QSize(530, 180));
    EXPECT_EQ(seen.picturePos, QPoint(0, 0));
    EXPECT_EQ(seen.labelRect, QRect(171, 24, 321, 81));
    EXPECT_TRUE(seen.labelBold);
    EXPECT_EQ(seen.labelPixelSize, 13);
    // The text is shown as it is, never read as markup.
    EXPECT_EQ(seen.labelText, QStringLiteral("<b>not markup</b>"));
    EXPECT_TRUE(seen.labelAlignment & Qt::AlignHCenter);
}

TEST_F(MessageDialogTest, ALongMessageStartsAtTheTopAndIsCutAtTheBottom)
{
    show(QStringLiteral("short"), dtInformation, pressOk);
    EXPECT_TRUE(seen.labelAlignment & Qt::AlignVCenter);

    const QString longText = QStringLiteral("word ").repeated(120);
    show(longText, dtInformation, pressOk);
    EXPECT_TRUE(seen.labelAlignment & Qt::AlignTop);
    EXPECT_EQ(seen.labelRect.size(), QSize(321, 81));
}

TEST_F(MessageDialogTest, TheMainWindowsSajatDlgUsesItsOwnTexts)
{
    TFrm_Main main;
    main.texts = texts;
    TFrm_Dialog::setTestHook([this](TFrm_Dialog &dialog) {
        seen = look(dialog);
        dialog.Btn_Yes->click();
    });
    EXPECT_EQ(main.Sajat_Dlg(QStringLiteral("Q"), dtQuestion), drYes);
    EXPECT_EQ(seen.caption, QStringLiteral("T32"));
}

} // namespace
