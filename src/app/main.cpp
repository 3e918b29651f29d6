// The program's entry point: one copy per user; a later copy hands its file
// to the running one and ends.
#include "app/SingleInstance.h"
#include "app/ui/TFrm_About.h"
#include "app/ui/TFrm_Loader.h"
#include "app/ui/ScreenshotTour.h"
#include "app/ui/TFrm_Main.h"
#include "exchange/ui/TFrm_Pendrive.h"
#include "settings/ui/TFrm_Settings.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // No display name: Qt would append it to every window title on X11 and
    // Wayland, and the captions are to read exactly as the program sets them.
    // The application name titles only the plain system message boxes.
    QApplication::setApplicationName(QStringLiteral("VORN"));

    const QStringList arguments = QApplication::arguments();
    switch (SingleInstance::decide(arguments.value(0), arguments.value(1))) {
    case SingleInstance::Decision::RunAsFirst:
        break;
    case SingleInstance::Decision::HandedOver:
        return 0;
    case SingleInstance::Decision::NoMatchingCopy:
        SingleInstance::showNoMatchingCopyBox();
        return 0;
    }

    // The long-lived windows, in their order; they live until the program
    // ends. The graph settings and info dialogs are made anew for each use;
    // the report, print and pendrive windows come with their own features.
    TFrm_Main mainWindow;
    auto *splash = new TFrm_Loader(mainWindow);
    auto *about = new TFrm_About(mainWindow);
    auto *settings = new TFrm_Settings(mainWindow);
    mainWindow.setSplash(splash);
    mainWindow.setAbout(about);
    mainWindow.setSettings(settings);
    mainWindow.setPendrive(new TFrm_Pendrive(mainWindow.exchangeHost(), &mainWindow));

    mainWindow.startHandOver();
    vorn::ui::armScreenshotTour();
    mainWindow.showMaximized();
    return QApplication::exec();
}
