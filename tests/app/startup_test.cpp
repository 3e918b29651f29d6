// The start-up: the splash with its texts, the settings read into the chart
// colours, the queue timer and the tooltip look once the splash has gone.
#include "app/SingleInstance.h"
#include "app/ui/TFrm_Loader.h"
#include "app/ui/TFrm_Main.h"
#include "app/ui/ToolTipStyle.h"
#include "shell_test_support.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QStyle>
#include <QTimer>
#include <QToolTip>

#include <gtest/gtest.h>

namespace {

using shelltest::shippedText;

class StartupTest : public ::testing::Test {
protected:
    StartupTest() { main.setSplash(splash); }

    // Shows the main window and waits for the splash phase to end.
    void startUp(int splashMs)
    {
        splash->Timer1->setInterval(splashMs);
        main.show();
        ASSERT_TRUE(shelltest::waitUntil([this] { return main.Time_LFF->isActive(); }));
    }

    shelltest::ProgramFolder folder;
    TFrm_Main main;
    TFrm_Loader *splash = new TFrm_Loader(main);
};

TEST_F(StartupTest, TheSplashIsABorderlessWindowWithItsTimerRunning)
{
    EXPECT_EQ(splash->size(), QSize(497, 250));
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash->Timer1->isActive());
    EXPECT_EQ(splash->Timer1->interval(), 5000);
}

TEST_F(StartupTest, InitialisationSetsCaptionTextsAndSplashLabels)
{
    folder.chooseLanguage(QStringLiteral("English"));
    splash->Inicializalas();
    EXPECT_EQ(main.windowTitle(), SingleInstance::kInstanceMarker.toString());
    EXPECT_EQ(main.texts.Used_Lang, QStringLiteral("English"));
    const auto text = [](int i) {
        return shippedText(QStringLiteral("English"), QStringLiteral("Text%1").arg(i));
    };
    EXPECT_EQ(splash->Lbl_Version->text(), text(164) + QStringLiteral(" (ver 5.0.0.9)"));
    EXPECT_EQ(splash->Lbl_Label->text(), text(0) + u' ' + text(1));
    EXPECT_EQ(splash->Lbl_Loading->text(), text(165) + u' ' + text(166));
    EXPECT_EQ(main.Menu_Open->text(),
              shippedText(QStringLiteral("English"), QStringLiteral("Menu4")));
}

TEST_F(StartupTest, WithoutASettingsFileTheDefaultColoursApply)
{
    splash->Inicializalas();
    EXPECT_EQ(main.colors(), vorn::kDefaultColors);
    EXPECT_EQ(main._c1, 11319999);
    EXPECT_EQ(main._c3, 8388608);
    EXPECT_EQ(main._c7, 65535);
}

TEST_F(StartupTest, ColoursComeFromTheSettingsFile)
{
    folder.writeFile(QStringLiteral("vorn.ini"),
                     "[Color]\r\nC1=1\r\nC2=2\r\nC3=0xFF\r\nC4=4\r\nC5=5\r\nC6=6\r\nC7=7\r\nC8=junk\r\n");
    splash->Inicializalas();
    EXPECT_EQ(main._c1, 1);
    EXPECT_EQ(main._c2, 2);
    EXPECT_EQ(main._c3, 255);
    EXPECT_EQ(main._c7, 7);
    EXPECT_EQ(main._c8, 65535); // unreadable: its default
}

TEST_F(StartupTest, TheSplashEndsWithItsTimerAndTheQueueStarts)
{
    main.Add_File_List(QStringLiteral("/queued.VRN"));
    TFrm_MainTestAccess::setActiveForm(main, [this] { return &main; });
    QStringList loaded;
    TFrm_MainTestAccess::setLoader(main, [&](TFrm_Main &, const QString &p) { loaded << p; });
    startUp(50);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_EQ(main.windowTitle(), SingleInstance::kInstanceMarker.toString());
    main.Time_LFF->setInterval(5);
    EXPECT_TRUE(shelltest::waitUntil([&] { return !loaded.isEmpty(); }));
}

TEST_F(StartupTest, AnUnreadableScaleValueEndsTheSplashAtOnceWithTheColoursInEffect)
{
    folder.writeFile(QStringLiteral("vorn.ini"),
                     "[Color]\r\nC3=255\r\n[Scale]\r\nUMAX=abc\r\n");
    QElapsedTimer clock;
    clock.start();
    startUp(60000);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(main._c3, 255);
}

TEST_F(StartupTest, AfterTheSplashTooltipsTakeTheProgramsLook)
{
    startUp(20);
    const QFont font = QToolTip::font();
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.pointSizeF(), 12.0);
    EXPECT_EQ(font.family(), QStringLiteral("Arno Pro Caption"));
    // A missing family falls back to an installed serif face.
    EXPECT_FALSE(QFontInfo(font).family().isEmpty());
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipText), QColor(0x66, 0x66, 0xFF));
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 300);
}

TEST(ToolTipLookTest, ShowsATooltipForTheWholeDisplayTime)
{
    vorn::ui::ToolTipLook look = vorn::ui::programToolTipLook();
    EXPECT_EQ(look.delayMs, 300);
    EXPECT_EQ(look.displayMs, 10000);
    look.displayMs = 200;
    vorn::ui::applyToolTipLook(look);
    QWidget widget;
    widget.setToolTip(QStringLiteral("a hint"));
    widget.show();
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), widget.mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(&widget, &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("a hint"));
    EXPECT_TRUE(shelltest::waitUntil([] { return !QToolTip::isVisible(); }, 3000));
    vorn::ui::applyToolTipLook(vorn::ui::programToolTipLook());
}

} // namespace
