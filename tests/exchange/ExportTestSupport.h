// Helpers of the export tests: measurement records made to measure, and a
// workbook as openpyxl reads it.
#pragma once

#include "measurement/MeasurementRecord.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

namespace exporttest {

// `samples` samples at Mint_ido seconds: the first three charging, voltage
// 10.25 + (k mod 100) x 0.01 V, current 2.5 + (k mod 7) x 0.125 A.
inline TFile_Datas sampleRun(int samples, int Mint_ido)
{
    TFile_Datas record;
    record.Mint_ido = Mint_ido;
    record.Meres_Datas.reserve(std::size_t(samples));
    for (int k = 0; k < samples; ++k)
        record.Meres_Datas.push_back({2.5 + (k % 7) * 0.125, 10.25 + (k % 100) * 0.01, k < 3});
    return record;
}

// The sheets of the workbook as data/read_workbook.py prints them (see
// there); with widths, also the column widths (slow on large workbooks).
inline QJsonArray readWorkbook(const QString &path, bool widths = false)
{
    QProcess python;
    QStringList args{QStringLiteral(VORN_TEST_DATA_DIR "/read_workbook.py"), path};
    if (widths)
        args << QStringLiteral("widths");
    python.start(QStringLiteral("/usr/bin/python3"), args);
    python.waitForFinished(120000);
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().constData();
    return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
}

} // namespace exporttest
