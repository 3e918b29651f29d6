// A second process for the single-instance tests. Options come first:
//   --codepage NAME   pins the ANSI code page (e.g. windows-1250)
//   --retry-ms N      how long a starting copy is retried (default 5000)
//   --pause-ms N      pause after a hand-over (default 1000)
// then one command:
//   decide PATH       runs the start-up decision; the exit code tells it
//   first PATH        the same; as first copy it then listens, prints
//                     "first", then "received:<hex of UTF-8>" for each
//                     hand-over, and ends when stdin closes (or after 15 s,
//                     printing "timeout")
//   wait              prints "ready" and runs until stdin closes
//   count             prints ProcessCount of its own file name as given,
//                     upper-cased and lower-cased, one per line
#include "app/HandOverServer.h"
#include "app/SingleInstance.h"
#include "settings/AnsiCodePage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>

namespace {

// Exit codes of "decide" and "first".
int exitCodeFor(SingleInstance::Decision decision)
{
    switch (decision) {
    case SingleInstance::Decision::RunAsFirst: return 10;
    case SingleInstance::Decision::HandedOver: return 11;
    case SingleInstance::Decision::NoMatchingCopy: return 12;
    }
    return 2;
}

void printLine(const QString &text)
{
    std::printf("%s\n", text.toUtf8().constData());
    std::fflush(stdout);
}

int listenAsFirst(QCoreApplication &app)
{
    HandOverServer server([] { return SingleInstance::kInstanceMarker.toString(); });
    if (!server.listen()) {
        printLine(QStringLiteral("listen failed: ") + server.errorString());
        return 3;
    }
    printLine(QStringLiteral("first"));
    QObject::connect(&server, &HandOverServer::pathReceived, &app, [](const QString &path) {
        printLine(QStringLiteral("received:") + QString::fromLatin1(path.toUtf8().toHex()));
    });
    // Ending at once could cut off the answer to the sender.
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&app, &input] {
        char buffer[256];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
            input.setEnabled(false);
            app.exit(10);
        }
    });
    QTimer::singleShot(15000, &app, [&app] {
        printLine(QStringLiteral("timeout"));
        app.exit(4);
    });
    return app.exec();
}

int waitForStdinToClose()
{
    printLine(QStringLiteral("ready"));
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    return 0;
}

int countOwnName(const QString &argv0)
{
    const QString name = QFileInfo(argv0).fileName();
    for (const QString &variant : {name, name.toUpper(), name.toLower()})
        printLine(QString::number(SingleInstance::ProcessCount(variant)));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    const QString argv0 = args.takeFirst();
    SingleInstance::DecideOptions options;
    while (args.size() >= 2 && args.front().startsWith(QStringLiteral("--"))) {
        const QString option = args.takeFirst();
        const QString value = args.takeFirst();
        if (option == QStringLiteral("--codepage"))
            vorn::codepage::setAnsiCodePage(value.toLatin1());
        else if (option == QStringLiteral("--retry-ms"))
            options.retryMs = value.toInt();
        else if (option == QStringLiteral("--pause-ms"))
            options.pauseMs = value.toInt();
    }
    const QString command = args.value(0);
    if (command == QStringLiteral("wait"))
        return waitForStdinToClose();
    if (command == QStringLiteral("count"))
        return countOwnName(argv0);
    if (command != QStringLiteral("decide") && command != QStringLiteral("first"))
        return 2;
    const auto decision = SingleInstance::decide(argv0, args.value(1), options);
    if (command == QStringLiteral("first") && decision == SingleInstance::Decision::RunAsFirst)
        return listenAsFirst(app);
    return exitCodeFor(decision);
}
