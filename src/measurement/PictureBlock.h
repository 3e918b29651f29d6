// Finding the picture block of a measurement file in its raw bytes.
#pragma once

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

} // namespace vorn::measurement
