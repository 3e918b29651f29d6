// Pictures of both dialogs filled from a sample measurement file: each is
// drawn at its fixed size with the verdict in its colour. With
// VORN_SCREENSHOT_DIR set, the pictures are kept there for a look.
#include "graph_dialogs_support.h"

#include "app/ui/SaveLoad.h"
#include "settings/ui/GraphDialogs.h"
#include "settings/ui/TFrm_GraphInfo.h"
#include "settings/ui/TFrm_SetGraph.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QPushButton>

namespace graphdialogs {
namespace {

using namespace Qt::StringLiterals;

void keep(const QPixmap &picture, const QString &name)
{
    const QString folder = qEnvironmentVariable("VORN_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(picture.save(QDir(folder).filePath(name)));
    }
}

bool holdsColour(const QImage &image, const QColor &colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour)
                return true;
        }
    }
    return false;
}

class Pictures : public GraphDialogTest {
protected:
    TFrm_Graph *openSample()
    {
        Load_FROM_File(*main, QStringLiteral(VORN_SOURCE_DIR "/tests/measurement/data/cycles.VRN"));
        return main->graphWindows().isEmpty() ? nullptr : main->graphWindows().last();
    }
};

TEST_F(Pictures, BothDialogsAreDrawnFromASampleFileInEveryLanguage)
{
    TFrm_Graph *graph = openSample();
    ASSERT_NE(graph, nullptr);
    for (const QString &language : {u"Magyar"_s, u"English"_s, u"German"_s}) {
        SCOPED_TRACE(language.toStdString());
        chooseLanguage(language);
        whenShown<TFrm_GraphInfo>([language](TFrm_GraphInfo &dialog) {
            // As on screen, where the first painting follows the pending layout.
            QCoreApplication::processEvents();
            const QPixmap picture = dialog.grab();
            keep(picture, u"graph_info_%1.png"_s.arg(language));
            EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(602, 463));
            // The sample passes: its verdict stands in green.
            EXPECT_TRUE(holdsColour(picture.toImage(), QColor(0x00, 0x80, 0x00)));
            dialog.Btn_Save()->click();
        });
        bGraphInfoClick(*graph);

        whenShown<TFrm_SetGraph>([language](TFrm_SetGraph &dialog) {
            QCoreApplication::processEvents();
            const QPixmap picture = dialog.grab();
            keep(picture, u"set_graph_%1.png"_s.arg(language));
            EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(502, 239));
            // The visible-curves group has its red caption.
            EXPECT_TRUE(holdsColour(picture.toImage(), QColor(0xFF, 0x00, 0x00)));
            dialog.reject();
        });
        bSetGraphClick(*graph);
    }
}

} // namespace
} // namespace graphdialogs
