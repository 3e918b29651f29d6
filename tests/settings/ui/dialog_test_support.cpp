// Shared set-up of the settings and correction dialog tests.
#include "dialog_test_support.h"

#include "measurement/MeasurementWriter.h"
#include "settings/IniFile.h"
#include "settings/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace dialogtest {

DialogTest::DialogTest() : m_separator(vorn::numfmt::decimalSeparator())
{
    const QString shipped = QStringLiteral(VORN_SOURCE_DIR "/src/app/resources/Language.ini");
    EXPECT_TRUE(QFile::copy(shipped, languagePath()));
    QFile::setPermissions(languagePath(), QFile::ReadOwner | QFile::WriteOwner);
    vorn::setProgramFolder(folder());
    main.Set_Language();

    TFrm_Dialog::setTestHook([this](TFrm_Dialog &dialog) {
        const bool question = dialog.Btn_Yes->isVisible();
        m_shown.push_back({dialog.Lbl_Uzenet->text(), question});
        if (!question)
            dialog.Btn_OK->click();
        else if (answer == Answer::Yes)
            dialog.Btn_Yes->click();
        else if (answer == Answer::No)
            dialog.Btn_No->click();
        else
            dialog.close();
    });
}

DialogTest::~DialogTest()
{
    TFrm_Dialog::setTestHook({});
    vorn::prompts::clearHooks();
    vorn::setProgramFolder(QString());
    // Opening a graph window switches the whole program to the decimal comma.
    vorn::numfmt::setDecimalSeparator(m_separator);
}

QByteArray DialogTest::fileBytes(const QString &path) const
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void DialogTest::writeFile(const QString &path, const QByteArray &bytes) const
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void DialogTest::blockSettingsFile() const
{
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("vorn.ini")));
}

QStringList DialogTest::settingsKeys(const QString &section) const
{
    QStringList keys;
    for (const QString &line : vorn::IniFile(settingsPath()).readSection(section))
        keys << line.section(u'=', 0, 0);
    return keys;
}

QString DialogTest::settingsValue(const QString &section, const QString &key) const
{
    return vorn::IniFile(settingsPath()).readString(section, key, QStringLiteral("<missing>"));
}

QStringList DialogTest::shownTexts() const
{
    QStringList texts;
    for (const Shown &message : m_shown)
        texts << message.text;
    return texts;
}

QString DialogTest::makeMeasurementFile(const QString &name, const std::vector<double> &volts) const
{
    TFile_Datas record;
    record.Mint_ido = 10;
    record.DeltaM = Def_File_Datas.DeltaM;
    for (size_t i = 0; i < volts.size(); ++i) {
        const bool charging = i < volts.size() / 2;
        record.Meres_Datas.push_back({charging ? 2.0 : 1.5, volts[i], charging});
    }
    // Files are read with the decimal comma of an open graph window.
    const QChar saved = vorn::numfmt::decimalSeparator();
    vorn::numfmt::useComma();
    const QString path = folder() + name;
    EXPECT_TRUE(vorn::measurement::saveMeasurementFile(path, record).ok);
    vorn::numfmt::setDecimalSeparator(saved);
    return path;
}

} // namespace dialogtest
