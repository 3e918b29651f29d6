// The measurement record: one battery test run as the program holds it in memory.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

// One sample. Sample k lies at k x Mint_ido seconds.
struct TMeres_Datas {
    double Meres_Aram = 0; // current magnitude, A (never negative after reading)
    double Meres_fesz = 0; // battery voltage, V
    bool Is_Toltes = false; // true while charging
};

// The picture stored with a measurement (the report's logo). It keeps the BMP
// file it was read from, so that saving writes the same bytes back in the
// bitmap's own pixel format; replacing the image drops them.
class TBitmap {
public:
    const QImage &image() const { return m_image; }
    // The BMP file to save: the bytes read, or the image encoded as BMP.
    QByteArray bmpFile() const;
    bool isEmpty() const { return m_image.isNull(); }

    void setImage(const QImage &image);
    void setFromBmp(const QImage &image, const QByteArray &bmpFile);
    void clear();

private:
    QImage m_image;
    QByteArray m_bmpFile;
};

// The measurement record. Numeric parameters equal to -1 were not reported by
// the device; an empty string likewise.
struct TFile_Datas {
    int32_t Cellaszam = 0;     // number of cells, kept and written back
    double Kis_vegfesz = 0;    // discharge end voltage, V
    double Kis_Aram = 0;       // discharge current, A
    std::vector<TMeres_Datas> Meres_Datas; // the samples
    int32_t Mint_ido = 0;      // sampling interval, s
    bool Minosites = false;    // the device's verdict: true = PASS
    int32_t Mert_kap = 0;      // measured capacity, % of nominal
    int32_t Meres_No = 0;      // number of the measurement on the device
    int32_t Minosit_szaz = 0;  // qualification threshold, %
    double N_Kapac = 0;        // nominal capacity, Ah
    int32_t Pass_100 = 0;      // discharge duration of 100 % capacity, s
    int32_t Tolt_ido = 0;      // charge time, h
    double U0 = 0;             // voltage result of the device, V
    int32_t tipus = 0;         // 1 when the device reported no verdict
    QString MDT;               // date and time of the measurement, free text
    QString MH;                // place of the measurement
    QString MHM;               // measuring instrument
    QString MVN;               // person who measured
    QString RName;             // kept block, lines joined by CR LF
    QString Megj;              // the user's comment, lines joined by CR LF
    TBitmap Kep;               // the picture stored with the measurement
    bool Use_Kep = false;      // Kep holds a picture to show and save
    uint16_t DeltaM = 0;       // correction parameter, stored only
    double Ukorr = 1.0;        // voltage gain
    double Ikorr = 1.0;        // current gain
    double UOffs = 0.0;        // voltage offset, V
    double IOffs = 0.0;        // current offset, A
    int32_t Last_Time_Me = 1;  // time unit last shown: 0 s, 1 min, 2 h
    QString LRBZ;              // last shown axis ranges, "#0.00" x 6 joined by ";"
    double ULekapcs = 0;       // cut-off voltage, V, kept and written back
    QString sorszam;           // serial number reported by the device
    QString prog_verzio;       // program version reported by the device
};

struct TDef_File_Datas {
    double Ukorr;
    double Ikorr;
    double UOffs;
    double IOffs;
    uint16_t DeltaM;
};

// The default corrections.
inline constexpr TDef_File_Datas Def_File_Datas{1.0, 1.0, 0.0, 0.0, 10};
