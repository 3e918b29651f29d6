// Helpers of the application shell's window tests.
#include "shell_test_support.h"

#include "settings/IniFile.h"
#include "settings/ProgramFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace shelltest {

vorn::TextTables namedTexts()
{
    QStringList lines;
    for (int i = 0; i < 40; ++i)
        lines << QStringLiteral("Menu%1=M%1").arg(i);
    for (int i = 0; i < 40; ++i)
        lines << QStringLiteral("ErrMsg%1=E%1").arg(i);
    for (int i = 0; i < 200; ++i)
        lines << QStringLiteral("Text%1=T%1").arg(i);
    vorn::TextTables texts;
    texts.loadSectionLines(lines);
    return texts;
}

ProgramFolder::ProgramFolder()
{
    const QString shipped = QStringLiteral(VORN_SOURCE_DIR "/src/app/resources/Language.ini");
    EXPECT_TRUE(QFile::copy(shipped, languageFile()));
    QFile::setPermissions(languageFile(), QFile::ReadOwner | QFile::WriteOwner);
    vorn::setProgramFolder(path());
}

ProgramFolder::~ProgramFolder()
{
    vorn::setProgramFolder(QString());
}

void ProgramFolder::chooseLanguage(const QString &language) const
{
    vorn::IniFile ini(languageFile());
    ini.writeString(QStringLiteral("Actual Language"), QStringLiteral("Language"), language);
    EXPECT_TRUE(ini.save()) << ini.errorString().toStdString();
}

void ProgramFolder::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(path() + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

bool waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return done();
}

QString shippedText(const QString &section, const QString &key)
{
    const vorn::IniFile ini(QStringLiteral(VORN_SOURCE_DIR "/src/app/resources/Language.ini"));
    for (const QString &line : ini.readSection(section)) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq >= 0 && line.left(eq) == key)
            return line.mid(eq + 1);
    }
    ADD_FAILURE() << "no " << key.toStdString() << " in " << section.toStdString();
    return {};
}

} // namespace shelltest
