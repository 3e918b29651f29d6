// ClearVariables and Set_Default: the record's state before a load.
#include "RecordReset.h"

namespace vorn::measurement {

namespace {

// The locale's long time format without its time-zone field ("t"): the
// time of a measurement is written as the wall clock shows it.
QString longTimeFormatWithoutZone(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u't') {
            while (!out.isEmpty() && out.back().isSpace())
                out.chop(1);
            continue;
        }
        out += c;
    }
    return out.trimmed();
}

} // namespace

QString localDateTimeText(const QDateTime &when, const QLocale &locale)
{
    return locale.toString(when.date(), QLocale::ShortFormat) + u' '
           + locale.toString(when.time(), longTimeFormatWithoutZone(locale));
}

void ClearVariables(TFile_Datas &record)
{
    record.Meres_Datas.clear();
    record.MH.clear();
    record.MHM.clear();
    record.MVN.clear();
    record.LRBZ.clear();
    record.MDT = localDateTimeText(QDateTime::currentDateTime());
    record.Cellaszam = 0;
    record.DeltaM = 0;
    record.Ikorr = 0;
    record.IOffs = 0;
    record.Kis_vegfesz = 0;
    record.Mint_ido = 0;
    record.Mert_kap = 0;
    record.Meres_No = 0;
    record.Minosit_szaz = 0;
    record.N_Kapac = 0;
    record.Tolt_ido = 0;
    record.Ukorr = 0;
    record.ULekapcs = 0;
    record.UOffs = 0;
    record.U0 = 0;
    record.Minosites = false;
    record.Last_Time_Me = 1;
}

void Set_Default(TFile_Datas &record)
{
    record.Ukorr = Def_File_Datas.Ukorr;
    record.Ikorr = Def_File_Datas.Ikorr;
    record.UOffs = Def_File_Datas.UOffs;
    record.IOffs = Def_File_Datas.IOffs;
}

} // namespace vorn::measurement
