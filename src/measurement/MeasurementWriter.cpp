// Save_TO_File without its dialog: the record as the bytes of a .VRN file.
#include "MeasurementWriter.h"

#include "FixedFormat.h"
#include "MemoryHints.h"
#include "PictureBlock.h"
#include "settings/AnsiCodePage.h"
#include "settings/NumberFormat.h"

#include <QDir>

#include <algorithm>

namespace vorn::measurement {

namespace numfmt = vorn::numfmt;

namespace {

const QLatin1StringView kCrLf("\r\n");

// Blank as a value: nothing left after trimming blanks and control characters.
bool isBlank(QStringView value)
{
    return std::all_of(value.begin(), value.end(), [](QChar c) { return c.unicode() <= 0x20; });
}

void AddFlag(QString &lines, QStringView text)
{
    lines += text;
    lines += kCrLf;
}

void AddSaveStr(QString &lines, QLatin1StringView name, QStringView value)
{
    if (isBlank(value))
        return;
    lines += name;
    lines += u'\t';
    lines += value;
    lines += kCrLf;
}

// One sample line: index, TAB, voltage, TAB, current with a "-" in front
// when charging, CR LF. Written to out (room for kSampleLineMax bytes) for
// the ordinary values; nullptr when a value needs the general formatter.
constexpr qsizetype kSampleLineMax = 64;

char *writeSampleLine(char *out, unsigned long long index, const TMeres_Datas &s, char separator)
{
    char *p = detail::writeUnsigned(out, index);
    *p++ = '\t';
    p = detail::writeFixed2(p, s.Meres_fesz, separator);
    if (!p)
        return nullptr;
    *p++ = '\t';
    if (s.Is_Toltes)
        *p++ = '-';
    p = detail::writeFixed2(p, s.Meres_Aram, separator);
    if (!p)
        return nullptr;
    *p++ = '\r';
    *p++ = '\n';
    return p;
}

void appendSampleLineSlowly(QByteArray &out, unsigned long long index, const TMeres_Datas &s,
                            char separator)
{
    char digits[20];
    out.append(digits, detail::writeUnsigned(digits, index) - digits);
    out += '\t';
    detail::appendFixed2(out, s.Meres_fesz, separator);
    out += s.Is_Toltes ? "\t-" : "\t";
    detail::appendFixed2(out, s.Meres_Aram, separator);
    out += "\r\n";
}

// The sample lines, written straight into out's buffer a batch at a time.
void appendSamplesAscii(QByteArray &out, const std::vector<TMeres_Datas> &samples, char separator)
{
    constexpr size_t kBatch = 1024;
    for (size_t k = 0; k < samples.size();) {
        const size_t batchEnd = std::min(samples.size(), k + kBatch);
        const qsizetype used = out.size();
        out.resize(used + qsizetype(batchEnd - k) * kSampleLineMax);
        char *p = out.data() + used;
        for (; k < batchEnd; ++k) {
            char *end = writeSampleLine(p, k, samples[k], separator);
            if (!end)
                break;
            p = end;
        }
        out.resize(p - out.data());
        if (k < batchEnd) {
            appendSampleLineSlowly(out, k, samples[k], separator);
            ++k;
        }
    }
}

// Steps 1-2: the sample section. With a non-ASCII decimal separator the
// lines go through the code page like every other text.
void AddMeas2SaveStr(QByteArray &out, const TFile_Datas &r, QChar separator)
{
    out += "<MEAS>\r\n";
    if (separator.unicode() < 0x80) {
        appendSamplesAscii(out, r.Meres_Datas, char(separator.unicode()));
        return;
    }
    QString lines;
    for (size_t k = 0; k < r.Meres_Datas.size(); ++k) {
        const TMeres_Datas &s = r.Meres_Datas[k];
        lines += QString::number(k) + u'\t' + numfmt::formatFixed2(s.Meres_fesz) + u'\t'
                 + (s.Is_Toltes ? QStringLiteral("-") : QString())
                 + numfmt::formatFixed2(s.Meres_Aram) + kCrLf;
    }
    out += vorn::codepage::encodeAnsi(lines);
}

// Steps 3-5: descriptive lines, the comment block and the RN block.
void AddReport2SaveStr(QString &lines, const TFile_Datas &r)
{
    const qsizetype before = lines.size();
    AddSaveStr(lines, QLatin1StringView("<MDT>"), r.MDT);
    AddSaveStr(lines, QLatin1StringView("<MH>"), r.MH);
    AddSaveStr(lines, QLatin1StringView("<MHM>"), r.MHM);
    AddSaveStr(lines, QLatin1StringView("<MVN>"), r.MVN);
    // Only a line starting with "<" ends the sample section; the block markers
    // do not. Without any of the lines above, comment or RN lines with TABs
    // would be read back as samples, or fail the load; the date line, even
    // blank, ends the section first.
    if (lines.size() == before && (r.Megj.contains(u'\t') || r.RName.contains(u'\t')))
        AddFlag(lines, QString(QLatin1StringView("<MDT>\t") + r.MDT));
    AddFlag(lines, u"<MEGJ>");
    AddFlag(lines, r.Megj);
    AddFlag(lines, u"<\\MEGJ>");
    AddFlag(lines, u"<RN>");
    AddFlag(lines, r.RName);
    AddFlag(lines, u"<\\RN>");
}

// Step 6: the parameter lines, in their fixed order.
void AddDiagram2SaveStr(QString &lines, const TFile_Datas &r)
{
    const auto integer = [](qint64 v) { return numfmt::formatInt(v); };
    const auto decimal = [](double v) { return numfmt::formatGeneral(v); };
    AddSaveStr(lines, QLatin1StringView("<CSZ>"), integer(r.Cellaszam));
    AddSaveStr(lines, QLatin1StringView("<DK>"), decimal(r.Kis_Aram));
    AddSaveStr(lines, QLatin1StringView("<DM>"), integer(r.DeltaM));
    AddSaveStr(lines, QLatin1StringView("<IKORR>"), decimal(r.Ikorr));
    AddSaveStr(lines, QLatin1StringView("<IOFFS>"), decimal(r.IOffs));
    AddSaveStr(lines, QLatin1StringView("<KV>"), decimal(r.Kis_vegfesz));
    AddSaveStr(lines, QLatin1StringView("<LTM>"), integer(r.Last_Time_Me));
    AddSaveStr(lines, QLatin1StringView("<LRBZ>"), r.LRBZ);
    AddSaveStr(lines, QLatin1StringView("<MI>"), integer(r.Mint_ido));
    AddSaveStr(lines, QLatin1StringView("<MIN>"), r.Minosites ? u"PASS" : u"FAIL");
    AddSaveStr(lines, QLatin1StringView("<MK>"), integer(r.Mert_kap));
    AddSaveStr(lines, QLatin1StringView("<MN>"), integer(r.Meres_No));
    AddSaveStr(lines, QLatin1StringView("<MSZ>"), integer(r.Minosit_szaz));
    AddSaveStr(lines, QLatin1StringView("<NK>"), decimal(r.N_Kapac));
    AddSaveStr(lines, QLatin1StringView("<P1>"), decimal(r.Pass_100));
    AddSaveStr(lines, QLatin1StringView("<TI>"), integer(r.Tolt_ido));
    AddSaveStr(lines, QLatin1StringView("<UKORR>"), decimal(r.Ukorr));
    AddSaveStr(lines, QLatin1StringView("<UL>"), decimal(r.ULekapcs));
    AddSaveStr(lines, QLatin1StringView("<UOFFS>"), decimal(r.UOffs));
    AddSaveStr(lines, QLatin1StringView("<U0>"), decimal(r.U0));
    AddSaveStr(lines, QLatin1StringView("<SN>"), r.sorszam);
    AddSaveStr(lines, QLatin1StringView("<PV>"), r.prog_verzio);
}

} // namespace

QByteArray writeMeasurement(const TFile_Datas &record)
{
    const QByteArray picture = record.Use_Kep ? record.Kep.bmpFile() : QByteArray();
    QByteArray out;
    // Room for the usual sample lines and one batch more, so that the buffer
    // grows no further in the common case.
    out.reserve(qsizetype(record.Meres_Datas.size()) * 24 + 1024 * kSampleLineMax
                + picture.size() + 4096);
    detail::preferHugePages(out.constData(), size_t(out.capacity()));
    AddMeas2SaveStr(out, record, numfmt::decimalSeparator());
    QString lines;
    AddReport2SaveStr(lines, record);
    AddDiagram2SaveStr(lines, record);
    out += vorn::codepage::encodeAnsi(lines);
    if (!picture.isEmpty()) {
        out += "<Kep>\r\n";
        out += picture;
        out += "<EOF>\r\n";
        return out;
    }
    out += "<EOF>\r\n";
    // A text such as the comment may hold "<Kep>": a "<Result>" line after it
    // keeps the reader from taking it for a picture that is not there.
    if (findPictureMarker(out) >= 0)
        out.insert(out.size() - 7, "<Result>\r\n");
    return out;
}

SaveResult saveMeasurementFile(const QString &path, const TFile_Datas &record)
{
    return writeFileSafely(path, writeMeasurement(record));
}

QString measurementSavePath(const QString &chosenPath)
{
    const qsizetype nameStart =
        std::max(chosenPath.lastIndexOf(u'/'), chosenPath.lastIndexOf(QDir::separator())) + 1;
    const qsizetype dot = chosenPath.indexOf(u'.', nameStart);
    return (dot >= 0 ? chosenPath.left(dot) : chosenPath) + QLatin1StringView(".VRN");
}

} // namespace vorn::measurement
