// vorn_guide: the build's tool that turns the Markdown guides into PDFs.
//   vorn_guide GUIDE.md OUT.pdf
// Exit status 0 when the PDF is written (warnings about pictures on standard
// error), 1 when it is not, 2 for a usage error.
#include "GuidePdf.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // Fonts and pictures need a GUI application, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fputs("usage: vorn_guide GUIDE.md OUT.pdf\n", stderr);
        return 2;
    }
    const vorn::guide::GuideResult result = vorn::guide::writeGuidePdf(args[1], args[2]);
    for (const QString &warning : result.warnings)
        std::fprintf(stderr, "vorn_guide: warning: %s\n", qPrintable(warning));
    if (!result.ok) {
        std::fprintf(stderr, "vorn_guide: %s\n", qPrintable(result.error));
        return 1;
    }
    std::printf("%s: %d pages\n", qPrintable(args[2]), result.pages);
    return 0;
}
