// The screenshot tour: waits for the first measurement to open, then shows
// the program's menus and windows one after the other and saves the screen.
#include "ScreenshotTour.h"

#include "SaveLoad.h"
#include "TFrm_Main.h"
#include "UserPrompts.h"
#include "engines/ChartWidget.h"
#include "exchange/ui/TFrm_Pendrive.h"
#include "graph/Readout.h"
#include "graph/ui/SpanCursors.h"
#include "graph/ui/TFrm_Compare.h"
#include "graph/ui/TFrm_Graph.h"
#include "graph/ui/WarningStrip.h"
#include "measurement/ui/TFrm_LoadGraph.h"
#include "report/ui/TFrm_Report.h"

#include <QApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <functional>

namespace vorn::ui {

namespace {

// Time for the window system to show what a step opened, ms.
constexpr int kSettle = 700;
constexpr int kPoll = 200;
constexpr int kStartTimeoutMs = 60'000;

class ScreenshotTour : public QObject {
public:
    explicit ScreenshotTour(const QString &folder) : m_folder(folder) {}

    void begin()
    {
        m_deadline = QDeadlineTimer(kStartTimeoutMs);
        waitForFirstMeasurement();
    }

private:
    using Step = std::function<void()>;

    TFrm_Main *mainWindow() const
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *main = qobject_cast<TFrm_Main *>(widget))
                return main;
        }
        return nullptr;
    }

    bool ready(const TFrm_Main *main) const
    {
        return main && main->isVisible() && !QApplication::activeModalWidget()
               && !main->graphWindows().isEmpty() && main->isEnabled()
               && !main->findChild<TFrm_LoadGraph *>();
    }

    void waitForFirstMeasurement()
    {
        m_main = mainWindow();
        if (ready(m_main)) {
            // Without a window manager "maximised" means nothing: fill the screen.
            if (const QScreen *screen = m_main->screen())
                m_main->setGeometry(screen->availableGeometry());
            buildSteps();
            QTimer::singleShot(kSettle, this, [this] { runNext(); });
            return;
        }
        if (m_deadline.hasExpired()) {
            std::fprintf(stderr, "screenshot tour: no measurement opened\n");
            QCoreApplication::exit(2);
            return;
        }
        QTimer::singleShot(kPoll, this, [this] { waitForFirstMeasurement(); });
    }

    void runNext()
    {
        if (!m_main || m_steps.isEmpty()) {
            QCoreApplication::exit(m_main ? 0 : 3);
            return;
        }
        const Step step = m_steps.takeFirst();
        step();
        QTimer::singleShot(kSettle, this, [this] { runNext(); });
    }

    void shot(const QString &name)
    {
        QScreen *screen = QGuiApplication::primaryScreen();
        const QString path = QDir(m_folder).filePath(name + QStringLiteral(".png"));
        if (!screen || !screen->grabWindow(0).save(path))
            std::fprintf(stderr, "screenshot tour: cannot save %s\n", qPrintable(path));
        else
            std::printf("%s\n", qPrintable(path));
    }

    // Shows a modal window through `open`, which returns when it closes: the
    // screen is saved and the window closed while it is up.
    void modalShot(const QString &name, const std::function<void()> &open)
    {
        QTimer::singleShot(kSettle, this, [this, name] {
            shot(name);
            if (QWidget *modal = QApplication::activeModalWidget()) {
                // The window alone as well, for the user guides' pictures.
                modal->grab().save(QDir(m_folder).filePath(name + QStringLiteral("_window.png")));
                modal->close();
            }
        });
        open();
    }

    void menuShot(const QString &name, QMenu *menu)
    {
        QMenuBar *bar = m_main->menuBar();
        const QRect item = bar->actionGeometry(menu->menuAction());
        menu->popup(bar->mapToGlobal(item.bottomLeft()));
        QTimer::singleShot(kSettle, this, [this, name, menu] {
            shot(name);
            menu->hide();
        });
    }

    TFrm_Graph *graph() const { return m_main ? m_main->activeGraph() : nullptr; }

    void pointAtSample(TFrm_Graph *g, double share)
    {
        const int k = int(share * (g->Series1->count() - 1));
        const QPoint at(g->Series1->pixelX(k), g->Main_Chart->plotRect().center().y());
        QCursor::setPos(g->Main_Chart->mapToGlobal(at));
    }

    void buildSteps();
    QList<Step> graphSteps();
    QList<Step> dialogSteps();
    QList<Step> settingsSteps();
    QList<Step> exchangeSteps();
    QList<Step> reportSteps();
    void reportShots(const QString &language, bool withPreview);
    QList<Step> languageSteps();
    QList<Step> warningSteps();
    QList<Step> largeMeasurementSteps();
    QList<Step> measuringSteps();

    QString m_folder;
    QPointer<TFrm_Main> m_main;
    QDeadlineTimer m_deadline;
    QList<Step> m_steps;
    QTemporaryDir m_exportFolder;
    QString m_languageBefore;
};

void ScreenshotTour::buildSteps()
{
    m_steps = graphSteps() + dialogSteps() + settingsSteps() + languageSteps() + measuringSteps()
              + exchangeSteps() + reportSteps() + warningSteps() + largeMeasurementSteps();
}

// Qt's own file dialog follows the program's language: the Open dialog in
// German, then the language in use again.
QList<ScreenshotTour::Step> ScreenshotTour::languageSteps()
{
    return {
        [this] {
            m_languageBefore = m_main->texts.Used_Lang;
            m_main->switchLanguage(QStringLiteral("German"));
        },
        [this] { modalShot(QStringLiteral("15_file_dialog_german"), [this] { m_main->Btn_OpenClick(); }); },
        [this] { m_main->switchLanguage(m_languageBefore); },
    };
}

QList<ScreenshotTour::Step> ScreenshotTour::graphSteps()
{
    const QString second = qEnvironmentVariable("VORN_SCREENSHOT_SECOND",
                                                QCoreApplication::arguments().value(1));
    return {
        [this] { shot(QStringLiteral("01_main_window_with_graph")); },
        [this] { menuShot(QStringLiteral("02_file_menu"), m_main->Fmenu_File); },
        [this] { menuShot(QStringLiteral("03_window_menu"), m_main->Fmenu_Window); },
        [this] {
            graph()->Btn_Mark->click();
            pointAtSample(graph(), 0.42);
        },
        [this] { shot(QStringLiteral("04_cursor_readout_and_marker")); },
        [this] {
            TFrm_Graph *g = graph();
            g->Btn_Mark->click();
            g->bZoomClick();
            const QRect plot = g->Main_Chart->plotRect();
            g->Main_Chart->zoomTo(QRect(plot.left() + plot.width() / 3, plot.top() + plot.height() / 5,
                                        plot.width() / 3, plot.height() / 2));
            pointAtSample(g, 0.5);
        },
        [this] { shot(QStringLiteral("05_zoomed_view")); },
        [this, second] {
            graph()->bZoomClick();
            graph()->Btn_Def_SizeClick();
            Load_FROM_File(*m_main, second);
        },
        [this] { m_main->Menu_verticalClick(); },
        [this] { shot(QStringLiteral("06_two_tiled_windows")); },
    };
}

QList<ScreenshotTour::Step> ScreenshotTour::dialogSteps()
{
    return {
        [this] {
            const vorn::TextTables &t = m_main->texts;
            const QString question = t.Text_List(19) + QStringLiteral(" \"")
                                     + graph()->windowTitle().toUpper() + QStringLiteral("\" ")
                                     + t.Text_List(20);
            modalShot(QStringLiteral("07_message_dialog"),
                      [this, question] { m_main->Sajat_Dlg(question, dtQuestion); });
        },
        [this] { modalShot(QStringLiteral("08_about_box"), [this] { m_main->Menu_AboutClick(); }); },
        [this] {
            modalShot(QStringLiteral("09_rename_dialog"), [this] { m_main->Menu_RenameClick(); });
        },
        [this] {
            auto *progress = new TFrm_LoadGraph(m_main, m_main->texts);
            progress->setObjectName(QStringLiteral("TourProgress"));
            progress->Set_Calc_G();
            progress->show();
            progress->Calc_sz(0, 100, 0, 100, 42, true);
        },
        [this] {
            shot(QStringLiteral("10_progress_window"));
            delete m_main->findChild<TFrm_LoadGraph *>(QStringLiteral("TourProgress"));
        },
    };
}

QList<ScreenshotTour::Step> ScreenshotTour::settingsSteps()
{
    return {
        [this] {
            modalShot(QStringLiteral("11_measurement_info"), [this] { graph()->bGraphInfo->click(); });
        },
        [this] {
            modalShot(QStringLiteral("12_graph_settings"), [this] { graph()->bSetGraph->click(); });
        },
        [this] {
            modalShot(QStringLiteral("13_settings_dialog"), [this] { m_main->Menu_SettingClick(); });
        },
        [this] {
            modalShot(QStringLiteral("14_correction_dialog"), [this] { m_main->Menu_CorrectionClick(); });
        },
    };
}

// The drive the tour's pendrive window lists: the folder of the first measurement.
class TourDrive : public vorn::exchange::DriveSource {
public:
    explicit TourDrive(QString root) : m_root(std::move(root)) {}
    QList<vorn::exchange::RemovableDrive> removableDrives() const override { return {{m_root, false}}; }

private:
    QString m_root;
};

QList<ScreenshotTour::Step> ScreenshotTour::exchangeSteps()
{
    return {
        [this] {
            auto *pendrive = m_main->findChild<TFrm_Pendrive *>();
            if (!pendrive)
                return;
            const QString first = QCoreApplication::arguments().value(1);
            pendrive->setDriveSource(std::make_shared<TourDrive>(QFileInfo(first).absolutePath()));
            modalShot(QStringLiteral("16_pendrive_window"), [this] { m_main->Btn_PenDriveClick(); });
        },
        [this] {
            auto *progress = new TFrm_LoadGraph(m_main, m_main->texts);
            progress->setObjectName(QStringLiteral("TourExport"));
            progress->Set_Calc_E();
            progress->show();
            progress->Calc_sz_E(0, 100, 0, 100, 42, true);
        },
        [this] {
            shot(QStringLiteral("17_export_progress"));
            delete m_main->findChild<TFrm_LoadGraph *>(QStringLiteral("TourExport"));
        },
        [this] {
            // A real export of the active measurement, up to its closing message.
            const QString target = m_exportFolder.filePath(QStringLiteral("tour.xlsx"));
            vorn::prompts::setSaveFileHook([target](const vorn::prompts::FileRequest &) { return target; });
            modalShot(QStringLiteral("18_export_message"), [this] { m_main->Menu_Exp_ExcelClick(); });
            vorn::prompts::setSaveFileHook({});
        },
        [this] { menuShot(QStringLiteral("19_window_menu_after_export"), m_main->Fmenu_Window); },
    };
}

QList<ScreenshotTour::Step> ScreenshotTour::reportSteps()
{
    // The report window in each language (with two labels on its chart), its
    // print preview, and its PDF, which tools/screenshot_tour.sh renders.
    QList<Step> steps;
    const QString original = m_main->texts.Used_Lang;
    int number = 20;
    for (const QString &language : {QStringLiteral("Magyar"), QStringLiteral("English"), QStringLiteral("German")}) {
        const bool preview = language == QStringLiteral("English");
        steps.append([this, language] { m_main->switchLanguage(language); });
        steps.append([this, language, preview, number] {
            QTimer::singleShot(kSettle, this, [this, language, preview, number] {
                reportShots(QStringLiteral("%1_report_window_%2").arg(number).arg(language.toLower()), preview);
            });
            m_main->Btn_CertClick();
        });
        number += preview ? 2 : 1;
    }
    steps.append([this, original] { m_main->switchLanguage(original); });
    return steps;
}

void ScreenshotTour::reportShots(const QString &name, bool withPreview)
{
    auto *report = qobject_cast<TFrm_Report *>(QApplication::activeModalWidget());
    if (!report)
        return;
    const int last = report->series.Series1->count() - 1;
    for (const int i : {last / 3, last * 2 / 3}) {
        const int slot = report->labels.place(i, true, report->series.Series1->pixelOf(i),
                                              vorn::graph::voltageReadout(report->series.Series1->yValue(i)));
        report->labels.slot(slot).desc = QStringLiteral("#%1").arg(slot);
    }
    report->JChart->refresh();
    QApplication::processEvents();
    shot(name);
    const QString pdf = QDir(m_folder).filePath(name.section(u'_', 1) + QStringLiteral(".pdf"));
    vorn::prompts::setSaveFileHook([pdf](const vorn::prompts::FileRequest &) { return pdf; });
    report->Btn_PDFClick();
    vorn::prompts::setSaveFileHook({});
    if (withPreview) {
        const QString previewName = QStringLiteral("%1_report_preview").arg(name.left(2).toInt() + 1);
        QTimer::singleShot(2 * kSettle, this, [this, previewName] {
            shot(previewName);
            if (QWidget *preview = QApplication::activeModalWidget())
                preview->close();
        });
        report->Btn_PrintClick();
    }
    report->close();
}

// A damaged copy of the first measurement (sample lines 40 to 59 gone, the
// "<EOF>" cut off) opened with its warning strip, then the strip's list.
QList<ScreenshotTour::Step> ScreenshotTour::warningSteps()
{
    return {
        [this] {
            QFile original(QCoreApplication::arguments().value(1));
            QByteArray bytes = original.open(QIODevice::ReadOnly) ? original.readAll() : QByteArray();
            const qsizetype from = bytes.indexOf("\n40\t") + 1;
            const qsizetype to = bytes.indexOf("\n60\t") + 1;
            if (from > 0 && to > from)
                bytes.remove(from, to - from);
            bytes.truncate(bytes.lastIndexOf("<EOF>"));
            const QString damaged = m_exportFolder.filePath(QStringLiteral("damaged.VRN"));
            QFile copy(damaged);
            if (copy.open(QIODevice::WriteOnly) && copy.write(bytes) == bytes.size()) {
                copy.close();
                Load_FROM_File(*m_main, damaged);
            }
        },
        [] {}, // the progress window lingers for a second
        [this] { shot(QStringLiteral("30_warning_strip")); },
        [this] {
            for (WarningStrip *strip : m_main->findChildren<WarningStrip *>())
                strip->Btn_ShowAll->click();
        },
        [this] {
            shot(QStringLiteral("31_warning_list"));
            for (WarningStrip *strip : m_main->findChildren<WarningStrip *>()) {
                if (strip->listWindow())
                    strip->listWindow()->close();
            }
        },
    };
}

// A measurement of a million samples shown in minutes, when the tour is
// given one: the range edits show their long numbers whole.
QList<ScreenshotTour::Step> ScreenshotTour::largeMeasurementSteps()
{
    const QString large = qEnvironmentVariable("VORN_SCREENSHOT_LARGE");
    if (large.isEmpty())
        return {};
    return {
        [this, large] { Load_FROM_File(*m_main, large); },
        [] {}, // the progress window stays a second after the load
        [this] { shot(QStringLiteral("32_million_samples_in_minutes")); },
    };
}

// The two cursors in the graph window and the comparison of the open
// measurements, in each of the three languages.
QList<ScreenshotTour::Step> ScreenshotTour::measuringSteps()
{
    QList<Step> steps{[this] { m_languageBefore = m_main->texts.Used_Lang; }};
    int number = 40;
    for (const char *language : {"Magyar", "English", "German"}) {
        const QString suffix = QString::fromLatin1(language).toLower();
        steps += {
            [this, language] {
                m_main->switchLanguage(QString::fromLatin1(language));
                TFrm_Graph *g = graph();
                g->showMaximized();
                g->Btn_Span->click();
                const QRect plot = g->Main_Chart->plotRect();
                for (double share : {0.3, 0.7}) {
                    const QPoint at(plot.left() + int(share * plot.width()), plot.center().y());
                    g->spanCursors()->mouseDown(at, Qt::LeftButton);
                    g->spanCursors()->mouseUp(Qt::LeftButton);
                }
            },
            [this, number, suffix] { shot(QStringLiteral("%1_span_cursors_%2").arg(number).arg(suffix)); },
            [this, number, suffix] {
                graph()->Btn_Span->click();
                modalShot(QStringLiteral("%1_compare_picker_%2").arg(number + 1).arg(suffix),
                          [this] { m_main->Btn_Compare->click(); });
            },
            [this] {
                auto *compare = new vorn::graphui::TFrm_Compare(m_main->compareHost());
                QList<vorn::graphui::CompareChoice> choices;
                for (const vorn::graphui::CompareOffer &offer : m_main->compareHost().openMeasurements())
                    choices.append({offer, nullptr, {}});
                compare->setMeasurements(choices);
                compare->setGeometry(m_main->geometry().adjusted(60, 60, -60, -60));
                compare->show();
            },
            [this] {
                auto *compare = m_main->findChild<vorn::graphui::TFrm_Compare *>();
                const QRect plot = compare->Main_Chart->plotRect();
                const QPoint at(plot.left() + plot.width() / 2, plot.center().y());
                compare->setCursorTime(compare->Main_Chart->bottomAxis()->pixelToValue(at.x()) * 60);
            },
            [this, number, suffix] {
                shot(QStringLiteral("%1_compare_%2").arg(number + 1).arg(suffix));
                delete m_main->findChild<vorn::graphui::TFrm_Compare *>();
            },
        };
        number += 2;
    }
    steps.append([this] { m_main->switchLanguage(m_languageBefore); });
    return steps;
}

} // namespace

void armScreenshotTour()
{
    const QString folder = qEnvironmentVariable("VORN_SCREENSHOT_DIR");
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return;
    auto *tour = new ScreenshotTour(folder);
    tour->setParent(QCoreApplication::instance());
    QTimer::singleShot(0, tour, [tour] { tour->begin(); });
}

} // namespace vorn::ui
