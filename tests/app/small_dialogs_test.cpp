// The About box and the rename dialog, and the arithmetic of tiling the
// graph windows.
#include "app/ui/MdiTiling.h"
#include "app/ui/QtTranslation.h"
#include "app/ui/TFrm_About.h"
#include "app/ui/TFrm_Rename.h"
#include "shell_test_support.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using shelltest::shippedText;

TEST(AboutBoxTest, ShowsTheLanguageInUseEachTimeItOpens)
{
    shelltest::ProgramFolder folder;
    TFrm_Main main;
    main.Set_Language();
    TFrm_About about(main);
    EXPECT_EQ(about.size(), QSize(550, 319));
    EXPECT_EQ(about.palette().color(QPalette::Window), QColor(0x01, 0x5A, 0x77));
    EXPECT_EQ(about.Image1->geometry(), QRect(0, 0, 110, 319));

    about.show();
    const QString magyarVersion = shippedText(QStringLiteral("Magyar"), QStringLiteral("Text164"));
    EXPECT_EQ(about.Lbl_Version->text(), magyarVersion + QStringLiteral(" (ver 5.0.0.9)"));
    about.close();

    main.switchLanguage(QStringLiteral("English"));
    about.show();
    const auto english = [](const char *key) {
        return shippedText(QStringLiteral("English"), QLatin1String(key));
    };
    EXPECT_EQ(about.Lbl_Label->text(),
              QStringLiteral("VORN ") + english("Text0") + u' ' + english("Text1"));
    EXPECT_EQ(about.Lbl_Version->text(), english("Text164") + QStringLiteral(" (ver 5.0.0.9)"));
    EXPECT_EQ(about.Btn_Close->text(), english("Menu16"));
    about.Btn_Close->click();
    EXPECT_FALSE(about.isVisible());
}

TEST(LanguageSwitchTest, StoresTheChoiceAndSkipsTheLanguageInUse)
{
    shelltest::ProgramFolder folder;
    TFrm_Main main;
    main.Set_Language();
    int changes = 0;
    QObject::connect(&main, &TFrm_Main::languageChanged, [&changes] { ++changes; });

    const QDateTime old(QDate(2020, 1, 1), QTime(12, 0));
    {
        QFile file(folder.languageFile());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    main.switchLanguage(QStringLiteral("Magyar")); // already in use: nothing written
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(QFileInfo(folder.languageFile()).lastModified(), old);

    main.switchLanguage(QStringLiteral("German"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(main.texts.Used_Lang, QStringLiteral("German"));
    EXPECT_EQ(main.Fmenu_File->title(), shippedText(QStringLiteral("German"), QStringLiteral("Menu0")));
    TFrm_Main restarted;
    restarted.Set_Language();
    EXPECT_EQ(restarted.texts.Used_Lang, QStringLiteral("German"));
}

TEST(LanguageSwitchTest, AnUnwritableLanguageFileKeepsTheTexts)
{
    shelltest::ProgramFolder folder;
    TFrm_Main main;
    main.Set_Language();
    // A folder where the file should be cannot be written, not even by root.
    ASSERT_TRUE(QFile::remove(folder.languageFile()));
    ASSERT_TRUE(QDir().mkdir(folder.languageFile()));
    QString shown;
    TFrm_Dialog::setTestHook([&shown](TFrm_Dialog &dialog) {
        shown = dialog.Lbl_Uzenet->text();
        dialog.Btn_OK->click();
    });
    main.switchLanguage(QStringLiteral("English"));
    TFrm_Dialog::setTestHook({});
    EXPECT_EQ(main.texts.Used_Lang, QStringLiteral("Magyar"));
    EXPECT_EQ(shown, main.texts.Err_List(10));
}

// The buttons of Qt's own file dialog (not the desktop's), '&' removed.
QStringList fileDialogButtons()
{
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QStringList texts;
    for (const QAbstractButton *button : dialog.findChild<QDialogButtonBox *>()->buttons())
        texts << button->text().remove(u'&');
    return texts;
}

TEST(LanguageSwitchTest, QtsOwnDialogsFollowTheLanguageAndFallBackToEnglish)
{
    shelltest::ProgramFolder folder;
    TFrm_Main main;
    main.Set_Language();
    EXPECT_EQ(fileDialogButtons(), QStringList({QStringLiteral("Megnyitás"), QStringLiteral("Mégse")}));
    main.switchLanguage(QStringLiteral("German"));
    EXPECT_EQ(fileDialogButtons(), QStringList({QStringLiteral("Öffnen"), QStringLiteral("Abbrechen")}));
    main.switchLanguage(QStringLiteral("English"));
    EXPECT_EQ(fileDialogButtons(), QStringList({QStringLiteral("Open"), QStringLiteral("Cancel")}));

    // Without the translation file the German one goes too, and Qt speaks English.
    main.switchLanguage(QStringLiteral("German"));
    QTemporaryDir empty;
    EXPECT_FALSE(vorn::ui::installQtTranslation(QStringLiteral("German"), empty.path()));
    EXPECT_EQ(fileDialogButtons(), QStringList({QStringLiteral("Open"), QStringLiteral("Cancel")}));
    main.switchLanguage(QStringLiteral("Magyar"));
}

TEST(RenameDialogTest, OffersTheNameAndAcceptsWhatIsTyped)
{
    const vorn::TextTables texts = shelltest::namedTexts();
    TFrm_Rename dialog(nullptr);
    dialog.prepare(texts, QStringLiteral("run.VRN"));
    EXPECT_EQ(dialog.size(), QSize(310, 116));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("T23"));
    EXPECT_EQ(dialog.Edt_Name->text(), QStringLiteral("run.VRN"));
    EXPECT_EQ(dialog.Edt_Name->width(), 233);
    EXPECT_EQ(dialog.Btn_Save->text(), QStringLiteral("M5"));
    EXPECT_EQ(dialog.Btn_Cancel->text(), QStringLiteral("T41"));

    dialog.show();
    dialog.Edt_Name->clear(); // an empty name is accepted too
    dialog.Btn_Save->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    dialog.show();
    dialog.Btn_Cancel->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(RenameDialogTest, RenameDoesNothingWithoutAGraphWindow)
{
    shelltest::ProgramFolder folder;
    TFrm_Main main;
    // With no graph window there is nothing to rename and no dialog to wait for.
    main.Menu_RenameClick();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// ---- tiling ---------------------------------------------------------------

bool coversWithoutOverlap(const QRect &area, const QList<QRect> &rects)
{
    qint64 total = 0;
    for (qsizetype i = 0; i < rects.size(); ++i) {
        if (!area.contains(rects[i]))
            return false;
        total += qint64(rects[i].width()) * rects[i].height();
        for (qsizetype j = i + 1; j < rects.size(); ++j) {
            if (rects[i].intersects(rects[j]))
                return false;
        }
    }
    return total == qint64(area.width()) * area.height();
}

TEST(TilingTest, HorizontalStacksWideWindowsAndVerticalPutsThemSideBySide)
{
    const QRect area(0, 0, 1000, 600);
    EXPECT_EQ(vorn::ui::tileRects(area, 2, Qt::Horizontal),
              (QList<QRect>{QRect(0, 0, 1000, 300), QRect(0, 300, 1000, 300)}));
    EXPECT_EQ(vorn::ui::tileRects(area, 2, Qt::Vertical),
              (QList<QRect>{QRect(0, 0, 500, 600), QRect(500, 0, 500, 600)}));
    EXPECT_EQ(vorn::ui::tileRects(area, 1, Qt::Vertical), QList<QRect>{area});
    EXPECT_TRUE(vorn::ui::tileRects(area, 0, Qt::Vertical).isEmpty());
}

TEST(TilingTest, AnyCountCoversTheAreaWithoutOverlapStartingTopLeft)
{
    const QRect area(3, 7, 997, 601);
    for (int count = 1; count <= 12; ++count) {
        for (Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
            SCOPED_TRACE(count);
            const QList<QRect> rects = vorn::ui::tileRects(area, count, orientation);
            ASSERT_EQ(rects.size(), count);
            EXPECT_TRUE(coversWithoutOverlap(area, rects));
            EXPECT_EQ(rects.first().topLeft(), area.topLeft());
        }
    }
    // Five windows tiled horizontally: two columns, the second with three.
    const QList<QRect> five = vorn::ui::tileRects(QRect(0, 0, 1000, 600), 5, Qt::Horizontal);
    EXPECT_EQ(five[0], QRect(0, 0, 500, 300));
    EXPECT_EQ(five[2], QRect(500, 0, 500, 200));
}

} // namespace
