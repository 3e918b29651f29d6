// Comparison of two list rows by the texts of the sorted column, read as the
// kind of value the column's Tag names.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>

namespace vorn::exchange {

// The Tag of a list column chooses how its texts compare; any other value
// compares them as text, ignoring letter case.
enum ColumnTag : int {
    TagInteger = 1,  // whole numbers (32 bit)
    TagDecimal = 2,  // decimal numbers with the program's decimal separator
    TagDateTime = 3, // dates with optional time, in the user's regional form
    TagIPv4 = 4,     // dotted IPv4 addresses
};

// Negative when a sorts before b, positive after, 0 when equal. A text that
// does not read as the column's kind of value sorts before every one that
// does, and such texts compare among themselves as text.
int compareCells(const QString &a, const QString &b, int tag);

// compareCells for the sort: with sortDir 1 (descending) the two texts are
// swapped first.
int compareForSort(const QString &a, const QString &b, int tag, int sortDir);

// "a.b.c.d" with four decimal octets 0..255, the first one most significant,
// as a signed 32-bit number (so 128.0.0.0 and above are negative).
std::optional<qint32> parseIPv4(QStringView text);

// A date, or a date and time, in the short or long form of the user's
// locale, or in ISO 8601 form.
std::optional<QDateTime> parseDateTime(const QString &text);

} // namespace vorn::exchange
