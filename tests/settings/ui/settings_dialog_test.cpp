// The settings dialog: editing, saving and discarding the chart colours, the
// default colours, and switching the language from its list.
#include "dialog_test_support.h"

#include "app/ui/UserPrompts.h"
#include "engines/ChartWidget.h"
#include "graph/ui/TFrm_Graph.h"
#include "settings/ui/TFrm_Settings.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

using dialogtest::DialogTest;

const vorn::ChartColors kUserColors{0x010203, 0x040506, 0x070809, 0x0A0B0C,
                                    0x0D0E0F, 0x101112, 0x131415, 0x161718};

class SettingsDialogTest : public DialogTest {
protected:
    SettingsDialogTest()
    {
        main.setColors(kUserColors);
        dialog.Change_Language();
        dialog.loadColors();
    }

    template<typename T>
    T *child(const char *name) const
    {
        T *widget = dialog.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QColor swatch(const char *name) const { return child<QFrame>(name)->palette().color(QPalette::Window); }
    void pick(const char *button, const QColor &color)
    {
        vorn::prompts::setColorHook([color](const QColor &) { return color; });
        dialog.Btn_F_HClick(child<QToolButton>(button));
    }
    QComboBox *languages() const { return child<QComboBox>("Cmb_Lang"); }

    TFrm_Settings dialog{main};
};

// ---- colours ------------------------------------------------------------------

TEST_F(SettingsDialogTest, SwatchesShowTheMainWindowColoursByField)
{
    const std::pair<const char *, int> expected[] = {
        {"Pan_F_H", kUserColors._c1}, {"Pan_J_H", kUserColors._c2},  {"Pan_V_F", kUserColors._c3},
        {"Pan_V_AA", kUserColors._c4}, {"Pan_J_F", kUserColors._c5}, {"Pan_J_AA", kUserColors._c6},
        {"Pan_V_AB", kUserColors._c7}, {"Pan_J_AB", kUserColors._c8},
    };
    for (const auto &[name, bgr] : expected)
        EXPECT_EQ(swatch(name), vorn::colorFromBgr(bgr)) << name;
}

TEST_F(SettingsDialogTest, EachButtonEditsItsOwnSwatchStartingFromItsColour)
{
    QColor offered;
    vorn::prompts::setColorHook([&offered](const QColor &initial) {
        offered = initial;
        return QColor(Qt::red);
    });
    dialog.Btn_F_HClick(child<QToolButton>("Btn_V_AA"));
    EXPECT_EQ(offered, vorn::colorFromBgr(kUserColors._c4));
    EXPECT_EQ(swatch("Pan_V_AA"), QColor(Qt::red));
    vorn::ChartColors expected = kUserColors;
    expected._c4 = vorn::bgrFromColor(Qt::red);
    EXPECT_EQ(dialog.swatchColors(), expected);
    // Nothing is stored before Save.
    EXPECT_EQ(main.colors(), kUserColors);
    EXPECT_FALSE(QFile::exists(settingsPath()));

    // A cancelled picker leaves the swatch as it was.
    vorn::prompts::setColorHook([](const QColor &) { return std::nullopt; });
    child<QToolButton>("Btn_J_H")->click();
    EXPECT_EQ(swatch("Pan_J_H"), vorn::colorFromBgr(kUserColors._c2));
}

TEST_F(SettingsDialogTest, SaveWritesTheColoursInTheFileOrderOfANewSection)
{
    pick("Btn_J_AB", QColor(0x12, 0x34, 0x56));
    dialog.show();
    child<QPushButton>("Btn_Save")->click();

    EXPECT_FALSE(dialog.isVisible());
    const QStringList order{QStringLiteral("C1"), QStringLiteral("C2"), QStringLiteral("C3"),
                            QStringLiteral("C5"), QStringLiteral("C4"), QStringLiteral("C6"),
                            QStringLiteral("C7"), QStringLiteral("C8")};
    EXPECT_EQ(settingsKeys(QStringLiteral("Color")), order);
    EXPECT_EQ(settingsValue(QStringLiteral("Color"), QStringLiteral("C5")),
              QString::number(kUserColors._c5));
    EXPECT_EQ(settingsValue(QStringLiteral("Color"), QStringLiteral("C8")), QStringLiteral("5649426"));
    vorn::ChartColors expected = kUserColors;
    expected._c8 = 0x563412;
    EXPECT_EQ(main.colors(), expected);
    EXPECT_TRUE(shown().empty());
}

TEST_F(SettingsDialogTest, AFailedSaveKeepsTheOldColoursAndSaysSo)
{
    blockSettingsFile();
    pick("Btn_F_H", Qt::green);
    dialog.show();
    dialog.Btn_SaveClick();
    EXPECT_EQ(main.colors(), kUserColors);
    EXPECT_EQ(shownTexts(), QStringList{main.texts.Err_List(10)});
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(SettingsDialogTest, CancelDiscardsTheSwatchesAndWritesNothing)
{
    pick("Btn_V_F", Qt::magenta);
    dialog.show();
    child<QPushButton>("Btn_Cancel")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(main.colors(), kUserColors);
    EXPECT_FALSE(QFile::exists(settingsPath()));
    dialog.loadColors();
    EXPECT_EQ(swatch("Pan_V_F"), vorn::colorFromBgr(kUserColors._c3));
}

TEST_F(SettingsDialogTest, DefaultColoursFillTheSwatchesAndOnlySaveStoresThem)
{
    child<QPushButton>("Btn_Set_Def")->click();
    EXPECT_EQ(dialog.swatchColors(), vorn::kDefaultColors);
    EXPECT_EQ(swatch("Pan_F_H"), QColor(0xBF, 0xBA, 0xAC));
    EXPECT_EQ(main.colors(), kUserColors);
    EXPECT_FALSE(QFile::exists(settingsPath()));

    dialog.Btn_SaveClick();
    EXPECT_EQ(main.colors(), vorn::kDefaultColors);
    EXPECT_EQ(settingsValue(QStringLiteral("Color"), QStringLiteral("C1")), QStringLiteral("11319999"));
}

TEST_F(SettingsDialogTest, ClosingRecoloursOnlyTheActiveGraphWindow)
{
    main.show();
    auto open = [this] {
        auto *graph = new TFrm_Graph(main);
        main.addGraphWindow(graph);
        graph->show();
        main.mdiArea()->setActiveSubWindow(graph);
        graph->Set_Chart_Color();
        return graph;
    };
    TFrm_Graph *first = open();
    TFrm_Graph *second = open();
    ASSERT_EQ(main.activeGraph(), second);

    vorn::prompts::setColorHook([](const QColor &) { return QColor(Qt::darkCyan); });
    QTimer::singleShot(0, &dialog, [this] {
        child<QToolButton>("Btn_F_H")->click();
        child<QPushButton>("Btn_Save")->click();
    });
    showSettingsDialog(main, dialog);

    EXPECT_EQ(second->Main_Chart->backgroundColor(), QColor(Qt::darkCyan));
    EXPECT_EQ(first->Main_Chart->backgroundColor(), vorn::colorFromBgr(kUserColors._c1));
}

// ---- language -----------------------------------------------------------------

TEST_F(SettingsDialogTest, ChoosingALanguageSwitchesTheProgramAtOnceAndCancelKeepsIt)
{
    ASSERT_EQ(main.texts.Used_Lang, QStringLiteral("Magyar"));
    EXPECT_EQ(languages()->currentText(), QStringLiteral("Magyar"));
    dialog.show();

    languages()->setCurrentIndex(0);
    EXPECT_EQ(main.texts.Used_Lang, QStringLiteral("English"));
    EXPECT_EQ(main.Menu_Setting->text(), QStringLiteral("Settings"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Settings"));
    EXPECT_EQ(child<QLabel>("Lbl_Lang")->text(), QStringLiteral("Language"));
    EXPECT_TRUE(fileBytes(languagePath()).contains("Language=English"));

    child<QPushButton>("Btn_Cancel")->click();
    EXPECT_EQ(main.texts.Used_Lang, QStringLiteral("English"));
    EXPECT_EQ(main.Menu_Setting->text(), QStringLiteral("Settings"));
}

TEST_F(SettingsDialogTest, TheLanguageInUseIsNotSwitchedAgain)
{
    const QByteArray before = fileBytes(languagePath());
    int switched = 0;
    QObject::connect(&main, &TFrm_Main::languageChanged, &dialog, [&switched] { ++switched; });
    dialog.Cmb_LangChange(languages()->findText(QStringLiteral("Magyar")));
    EXPECT_EQ(switched, 0);
    EXPECT_EQ(fileBytes(languagePath()), before);
}

TEST_F(SettingsDialogTest, ASwitchThatCannotBeStoredShowsTheLanguageInUseAgain)
{
    // A folder in place of the language file: the choice cannot be written.
    ASSERT_TRUE(QFile::remove(languagePath()));
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("Language.ini")));
    languages()->setCurrentIndex(0);
    EXPECT_EQ(shownTexts(), QStringList{main.texts.Err_List(10)});
    EXPECT_EQ(main.texts.Used_Lang, QStringLiteral("Magyar"));
    EXPECT_EQ(languages()->currentText(), QStringLiteral("Magyar"));
}

TEST_F(SettingsDialogTest, TheDialogFollowsASwitchMadeElsewhere)
{
    main.switchLanguage(QStringLiteral("German"));
    EXPECT_EQ(languages()->currentIndex(), 2);
    EXPECT_EQ(dialog.windowTitle(), main.texts.Menu_List(9));
    EXPECT_EQ(child<QGroupBox>("Grb_Jegy")->title(), main.texts.Text_List(83));
    EXPECT_EQ(child<QLabel>("Lbl_J_AramB")->text(),
              main.texts.Text_List(37) + QStringLiteral(" (") + main.texts.Text_List(9) + u')');
    EXPECT_EQ(child<QPushButton>("Btn_Save")->text(), main.texts.Menu_List(5));
}

TEST_F(SettingsDialogTest, EveryTextFitsInEveryLanguage)
{
    dialog.setSwatchColors(vorn::kDefaultColors);
    dialog.show();
    for (const char *language : {"English", "Magyar", "German"}) {
        languages()->setCurrentIndex(languages()->findText(QString::fromLatin1(language)));
        ASSERT_EQ(main.texts.Used_Lang, QString::fromLatin1(language));
        dialog.adjustSize();
        for (QLabel *label : dialog.findChildren<QLabel *>())
            EXPECT_GE(label->width(), label->sizeHint().width())
                << language << " " << label->objectName().toStdString();
        for (QPushButton *button : dialog.findChildren<QPushButton *>())
            EXPECT_GE(button->width(), button->sizeHint().width())
                << language << " " << button->objectName().toStdString();
        const QString shots = qEnvironmentVariable("VORN_SCREENSHOT_DIR");
        if (!shots.isEmpty())
            dialog.grab().save(shots + QStringLiteral("/settings_%1.png").arg(QLatin1String(language)));
    }
}

} // namespace
