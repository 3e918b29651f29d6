// Finding the picture block of a measurement file in its raw bytes.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace vorn::measurement {

// Where the picture block lies in a file of N bytes.
struct PicturePlace {
    qsizetype marker = -1; // the last "<Kep>" at a position 1..N-8, -1 when none
    qsizetype end = -1;    // the last "<EOF>" at or after the marker, -1 when none
    qsizetype begin() const { return marker + 7; } // after "<Kep>" and its CR LF
    bool found() const { return marker >= 0 && end >= 0; }
};

// The picture marker: the last "<Kep>" starting at a position from 1 to N-8,
// unless a "<Result>" starts after it within that range (then there is none).
qsizetype findPictureMarker(QByteArrayView bytes);

// The end of the picture: the last "<EOF>" that starts at or after marker and
// lies wholly in the file; -1 when there is none.
qsizetype findPictureEnd(QByteArrayView bytes, qsizetype marker);

// Both searches in one pass over a file handed over front to back in pieces
// of any size, so that the file need not be in memory as a whole. Gives the
// same places as the two functions above on the whole file.
class PictureScan {
public:
    void add(QByteArrayView piece);
    // After the last piece.
    PicturePlace place() const;

private:
    void check(qsizetype at, QByteArrayView from);

    qsizetype m_size = 0;
    // The last bytes seen: a marker may start there and go on in the next
    // piece. Never longer than a marker ("<Result>") less one byte.
    QByteArray m_pending;
    // The last two "<Kep>" or "<Result>" found from position 1 on: the last
    // one may lie too near the end to count, the one before cannot.
    struct Hit {
        qsizetype at = -1;
        bool picture = false;
    };
    Hit m_hits[2];
    qsizetype m_lastEnd = -1;
};

} // namespace vorn::measurement
