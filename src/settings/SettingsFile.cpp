// The settings file: the start-up reading and the dialogs' reads and writes.
#include "SettingsFile.h"

#include "IniFile.h"
#include "NumberFormat.h"

#include <QFileInfo>

#include <array>

namespace vorn {

namespace {

const QString kColor = QStringLiteral("Color");
const QString kCorrection = QStringLiteral("Correction");
const QString kScale = QStringLiteral("Scale");
const QString kSettings = QStringLiteral("Settings");

struct ColorKey {
    QLatin1String key;
    int ChartColors::*field;
};

// The colour keys in the order the settings dialog saves them.
constexpr std::array<ColorKey, 8> kColorSaveOrder{{
    {QLatin1String("C1"), &ChartColors::_c1},
    {QLatin1String("C2"), &ChartColors::_c2},
    {QLatin1String("C3"), &ChartColors::_c3},
    {QLatin1String("C5"), &ChartColors::_c5},
    {QLatin1String("C4"), &ChartColors::_c4},
    {QLatin1String("C6"), &ChartColors::_c6},
    {QLatin1String("C7"), &ChartColors::_c7},
    {QLatin1String("C8"), &ChartColors::_c8},
}};

// The colour keys in the order the start-up reads them ("C1" is read twice;
// both reads give the same value).
constexpr std::array<ColorKey, 9> kColorReadOrder{{
    {QLatin1String("C1"), &ChartColors::_c1},
    {QLatin1String("C1"), &ChartColors::_c1},
    {QLatin1String("C2"), &ChartColors::_c2},
    {QLatin1String("C3"), &ChartColors::_c3},
    {QLatin1String("C4"), &ChartColors::_c4},
    {QLatin1String("C5"), &ChartColors::_c5},
    {QLatin1String("C6"), &ChartColors::_c6},
    {QLatin1String("C7"), &ChartColors::_c7},
    {QLatin1String("C8"), &ChartColors::_c8},
}};

bool saveFile(IniFile &file, QString *errorText)
{
    const bool saved = file.save();
    if (errorText)
        *errorText = file.errorString();
    return saved;
}

void readCorrection(const IniFile &file, StartupSettings &s)
{
    s.Fesz_Korr = file.readFloat(kCorrection, QStringLiteral("Fesz_Korr"), 1.0);
    s.Aram_Korr = file.readFloat(kCorrection, QStringLiteral("Aram_Korr"), 1.0);
    s.Fesz_Offs = file.readFloat(kCorrection, QStringLiteral("Fesz_Offs"), 0.0);
    s.Aram_Offs = file.readFloat(kCorrection, QStringLiteral("Aram_Offs"), 0.0);
    s.Delta_M = file.readInteger(kCorrection, QStringLiteral("Delta_M"), 10);
}

void readColors(const IniFile &file, ChartColors &colors)
{
    for (const ColorKey &c : kColorReadOrder)
        colors.*c.field = file.readInteger(kColor, c.key, kDefaultColors.*c.field);
}

// "UMAX" and "IMAX" are read as strings and then converted; a value that is no
// number ends the start-up reading.
bool readScaleLimits(const IniFile &file, StartupSettings &s)
{
    const auto umax = numfmt::parseFloat(
        QStringView(file.readString(kScale, QStringLiteral("UMAX"), QStringLiteral("100"))));
    if (!umax)
        return false;
    s.UMAX = *umax;
    const auto imax = numfmt::parseFloat(
        QStringView(file.readString(kScale, QStringLiteral("IMAX"), QStringLiteral("500"))));
    if (!imax)
        return false;
    s.IMAX = *imax;
    return true;
}

} // namespace

QColor colorFromBgr(int bgr)
{
    const auto value = static_cast<quint32>(bgr);
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

int bgrFromColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}

SettingsFile::SettingsFile(const QString &folder)
    : m_folder(folder), m_path(folder + QLatin1String("vorn.ini"))
{
}

StartupSettings SettingsFile::readStartup() const
{
    const IniFile file(m_path);
    StartupSettings s;
    const QString dataFolder = m_folder + QLatin1String("DATA/");
    s.LastDir = file.readString(kSettings, QStringLiteral("LastDir"), dataFolder);
    if (!QFileInfo(s.LastDir).isDir())
        s.LastDir = dataFolder;
    readCorrection(file, s);
    readColors(file, s);
    if (!readScaleLimits(file, s)) {
        s.stoppedEarly = true;
        return s;
    }
    s.ProgressBar = file.readInteger(kSettings, QStringLiteral("ProgressBar"), 1) == 1;
    return s;
}

CorrectionTexts SettingsFile::readCorrectionTexts(const CorrectionTexts &defaults) const
{
    const IniFile file(m_path);
    CorrectionTexts t;
    t.Fesz_Korr = file.readString(kCorrection, QStringLiteral("Fesz_Korr"), defaults.Fesz_Korr);
    t.Aram_Korr = file.readString(kCorrection, QStringLiteral("Aram_Korr"), defaults.Aram_Korr);
    t.Fesz_Offs = file.readString(kCorrection, QStringLiteral("Fesz_Offs"), defaults.Fesz_Offs);
    t.Aram_Offs = file.readString(kCorrection, QStringLiteral("Aram_Offs"), defaults.Aram_Offs);
    t.Delta_M = file.readString(kCorrection, QStringLiteral("Delta_M"), defaults.Delta_M);
    return t;
}

bool SettingsFile::writeColors(const ChartColors &colors, QString *errorText) const
{
    IniFile file(m_path);
    for (const ColorKey &c : kColorSaveOrder)
        file.writeInteger(kColor, c.key, colors.*c.field);
    return saveFile(file, errorText);
}

bool SettingsFile::writeCorrection(const CorrectionValues &values, QString *errorText) const
{
    IniFile file(m_path);
    file.writeFloat(kCorrection, QStringLiteral("Fesz_Korr"), values.Fesz_Korr);
    file.writeFloat(kCorrection, QStringLiteral("Aram_Korr"), values.Aram_Korr);
    file.writeFloat(kCorrection, QStringLiteral("Fesz_Offs"), values.Fesz_Offs);
    file.writeFloat(kCorrection, QStringLiteral("Aram_Offs"), values.Aram_Offs);
    file.writeInteger(kCorrection, QStringLiteral("Delta_M"), values.Delta_M);
    return saveFile(file, errorText);
}

bool SettingsFile::writeScale(const ScaleSteps &steps, QString *errorText) const
{
    IniFile file(m_path);
    file.writeFloat(kScale, QStringLiteral("Ulept"), steps.Ulept);
    file.writeFloat(kScale, QStringLiteral("Ilept"), steps.Ilept);
    file.writeFloat(kScale, QStringLiteral("tlept"), steps.tlept);
    file.writeFloat(kScale, QStringLiteral("step"), steps.step);
    return saveFile(file, errorText);
}

} // namespace vorn
