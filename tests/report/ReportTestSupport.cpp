// Shared helpers of the report tests.
#include "ReportTestSupport.h"

#include "settings/NumberFormat.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace reporttest {

namespace {

// The report works with the decimal comma, as every graph window does.
class DecimalCommaEnvironment : public ::testing::Environment {
public:
    void SetUp() override { vorn::numfmt::useComma(); }
};
const auto *const kComma = ::testing::AddGlobalTestEnvironment(new DecimalCommaEnvironment);

} // namespace

const vorn::TextTables &texts()
{
    static const vorn::TextTables english =
        vorn::loadLanguageSection(QStringLiteral(VORN_BIN_DIR "/"), QStringLiteral("English"));
    return english;
}

TFile_Datas periodRecord(int periods, int capacity)
{
    TFile_Datas record;
    record.Mint_ido = 60;
    record.Kis_Aram = 2.5;
    record.N_Kapac = 60;
    record.Tolt_ido = 12;
    record.Kis_vegfesz = 10.5;
    record.Minosit_szaz = 80;
    record.Pass_100 = 3725;
    record.Meres_No = 7;
    record.U0 = 12.75;
    record.Mert_kap = capacity;
    record.MDT = QStringLiteral("2024.05.14 09:30");
    for (int p = 0; p < periods; ++p) {
        const bool charging = p % 2 == 0;
        for (int k = 0; k < 2; ++k)
            record.Meres_Datas.push_back({charging ? 2.5 : 5.0, charging ? 13.0 + 0.1 * k : 12.5 - 0.1 * k,
                                          charging});
    }
    return record;
}

QByteArray run(const QString &program, const QStringList &arguments, int *exitCode,
               QByteArray *errorOutput)
{
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(60'000);
    if (exitCode)
        *exitCode = finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    if (errorOutput)
        *errorOutput = process.readAllStandardError();
    return finished ? process.readAllStandardOutput() : QByteArray();
}

int pdfPages(const QString &pdf)
{
    const QString info = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {pdf}));
    for (const QString &line : info.split(u'\n')) {
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

QString pdfText(const QString &pdf)
{
    return QString::fromUtf8(run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
}

QImage pdfPage(const QString &pdf, int page, int dpi)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                                     QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                     QString::number(page), QStringLiteral("-singlefile"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

int colouredPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const int spread = std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)});
            count += spread > 24;
        }
    }
    return count;
}

int pixelsNear(const QImage &image, const QColor &color, int tolerance)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            count += std::abs(qRed(p) - color.red()) + std::abs(qGreen(p) - color.green())
                         + std::abs(qBlue(p) - color.blue())
                     <= tolerance;
        }
    }
    return count;
}

} // namespace reporttest
