// The integrity warning strip of the graph window: there for a damaged file,
// absent for a sound one, its full list beside the window, and dismissed.
#include "GraphWindowTestSupport.h"

#include "graph/ui/WarningStrip.h"
#include "measurement/MeasurementWriter.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QToolButton>

namespace graphtest {
namespace {

using WarningStripTest = GraphWindowTest;

// A written file with samples 10 to 19 missing and its "<EOF>" cut off.
QByteArray damagedFile()
{
    TFile_Datas record = sampleRecord(40, 60, 15);
    QByteArray bytes = vorn::measurement::writeMeasurement(record);
    const qsizetype from = bytes.indexOf("\r\n10\t") + 2;
    bytes.remove(from, bytes.indexOf("\r\n20\t") + 2 - from);
    bytes.chop(7); // "<EOF>" and its line end
    return bytes;
}

TEST_F(WarningStripTest, DamagedFileShowsTheStripAboveTheChartAndItsList)
{
    TFrm_Graph *graph = open(writeBytes(QStringLiteral("damaged.VRN"), damagedFile()));
    ASSERT_NE(graph, nullptr);
    auto *strip = graph->findChild<WarningStrip *>();
    ASSERT_NE(strip, nullptr);
    EXPECT_TRUE(strip->isVisible());
    EXPECT_LT(strip->geometry().bottom(), graph->Main_Chart->geometry().top() + 1);
    EXPECT_GT(strip->geometry().top(), graph->Main_Panel->geometry().top());
    const QStringList texts = strip->warningTexts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0], QStringLiteral("Samples missing after index 9: 10 (line 12)"));
    EXPECT_TRUE(strip->Lbl_Summary->toolTip().startsWith(
        QStringLiteral("Warnings about this file (2): Samples missing after index 9")));

    // The full list opens beside the window without blocking it.
    strip->Btn_ShowAll->click();
    QDialog *list = strip->listWindow();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    EXPECT_FALSE(list->isModal());
    EXPECT_EQ(list->findChild<QListWidget *>()->count(), 2);
    EXPECT_TRUE(graph->isEnabled());

    // The texts follow the language.
    main->switchLanguage(QStringLiteral("German"));
    EXPECT_EQ(strip->warningTexts()[0], QStringLiteral("Fehlende Messpunkte nach Index 9: 10 (Zeile 12)"));
    EXPECT_EQ(list->findChild<QListWidget *>()->item(0)->text(), strip->warningTexts()[0]);

    // Dismissed, the strip leaves the window for good, its list with it.
    const QPointer<WarningStrip> gone = strip;
    strip->Btn_Hide->click();
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(strip->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(gone.isNull());
}

TEST_F(WarningStripTest, SoundFileHasNoStrip)
{
    TFrm_Graph *graph = open(writeFile(QStringLiteral("sound.VRN"), sampleRecord(40, 60, 15)));
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->findChild<WarningStrip *>(), nullptr);
}

} // namespace
} // namespace graphtest
