// Shared helpers of the measurement tests: files built from lines, the test
// data folder, and the program state a load runs in (decimal comma, the
// Central European code page).
#pragma once

#include "measurement/MeasurementReader.h"
#include "settings/AnsiCodePage.h"
#include "settings/NumberFormat.h"

#include <QFile>
#include <QString>
#include <gtest/gtest.h>
#include <initializer_list>

namespace vorn::measurement::test {

// The lines, each followed by CR LF, in the code page in force.
inline QByteArray vrn(std::initializer_list<const char16_t *> lines)
{
    QString text;
    for (const char16_t *line : lines)
        text += QString::fromUtf16(line) + QLatin1StringView("\r\n");
    return vorn::codepage::encodeAnsi(text);
}

// Sample by sample, two records hold the same values.
inline void expectSameSamples(const TFile_Datas &a, const TFile_Datas &b)
{
    ASSERT_EQ(a.Meres_Datas.size(), b.Meres_Datas.size());
    for (size_t i = 0; i < a.Meres_Datas.size(); ++i) {
        EXPECT_EQ(a.Meres_Datas[i].Meres_fesz, b.Meres_Datas[i].Meres_fesz) << i;
        EXPECT_EQ(a.Meres_Datas[i].Meres_Aram, b.Meres_Datas[i].Meres_Aram) << i;
        EXPECT_EQ(a.Meres_Datas[i].Is_Toltes, b.Meres_Datas[i].Is_Toltes) << i;
    }
}

inline QString dataPath(const char *name)
{
    return QStringLiteral(VORN_TEST_DATA_DIR "/") + QLatin1StringView(name);
}

inline QByteArray dataFile(const char *name)
{
    QFile file(dataPath(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

// A load as the program runs it: after the first graph window, with ","
// as the decimal separator, on a Hungarian system.
class MeasurementTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        vorn::numfmt::useComma();
        vorn::codepage::setAnsiCodePage("windows-1250");
    }
    static ReadResult load(const QByteArray &bytes) { return readMeasurement(bytes); }
    static TFile_Datas loaded(const QByteArray &bytes)
    {
        ReadResult result = readMeasurement(bytes);
        EXPECT_TRUE(result.ok()) << "error " << result.error << " at line " << result.failedLine;
        return std::move(result.record);
    }
};

} // namespace vorn::measurement::test
