// Shared helpers of the report tests: the shipped English texts, measurement
// records with a chosen number of charge and discharge periods, a private DATA
// folder, and the poppler tools that read a PDF back.
#pragma once

#include "measurement/MeasurementRecord.h"
#include "settings/LanguageTables.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <ostream>

void PrintTo(const QString &text, std::ostream *out);

namespace reporttest {

// The English section of the shipped language file.
const vorn::TextTables &texts();

// A measurement of `periods` alternating charge and discharge periods (two
// samples each, charging first) at 60 s, with every parameter reported:
// threshold 80 %, measured capacity `capacity` %.
TFile_Datas periodRecord(int periods, int capacity = 93);

// Runs a program; its standard output, or empty when it failed.
QByteArray run(const QString &program, const QStringList &arguments, int *exitCode = nullptr,
               QByteArray *errorOutput = nullptr);

int pdfPages(const QString &pdf);
QString pdfText(const QString &pdf);
// Page `page` (from 1) rendered at `dpi`.
QImage pdfPage(const QString &pdf, int page, int dpi = 50);

// Pixels that are clearly coloured (not grey), and the share of pixels of a
// colour close to `color`.
int colouredPixels(const QImage &image);
int pixelsNear(const QImage &image, const QColor &color, int tolerance = 40);

} // namespace reporttest
