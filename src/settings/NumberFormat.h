// The program-wide number format: one decimal separator that every number the
// program shows, saves or parses follows, with the formats the program uses.
#pragma once

#include <QString>
#include <QStringView>
#include <QByteArrayView>
#include <cstdint>
#include <optional>

namespace vorn::numfmt {

// The decimal separator in force. At start it is the user's regional one;
// from the first graph window on it is "," (useComma()).
QChar decimalSeparator();
void setDecimalSeparator(QChar separator);
// The separator of the user's locale (QLocale::system()).
QChar regionalSeparator();
void useRegionalSeparator();
void useComma();

// "#0.00": at least one integer digit, exactly two decimals, rounded half away
// from zero on the value's 15-significant-digit decimal form (so 2.675 gives
// "2,68"), no thousands separator. -0.004 gives "0,00".
QString formatFixed2(double value);
QString formatFixed2(double value, QChar separator);

// "###0.0#": one or two decimals, rounded as formatFixed2 (12.5 -> "12,5",
// 3.0 -> "3,0", 1.234 -> "1,23").
QString formatCharge(double value);
QString formatCharge(double value, QChar separator);

// General form: the shortest text with at most 15 significant digits (1 -> "1",
// 0.5 -> "0,5"). Non-zero magnitudes below 0,00001 and magnitudes with more
// than 15 integer digits use an exponent: "1E-6", "1,5E20", "-2,5E-7".
QString formatGeneral(double value);
QString formatGeneral(double value, QChar separator);

QString formatInt(qint64 value);

// Integer text: optional leading blanks, optional sign, decimal digits, nothing
// after them. Fails on overflow of 32 bits, on an empty text and on junk.
std::optional<int> parseInt(QStringView text);
std::optional<int> parseInt(QByteArrayView text);

// Decimal text with the current separator: optional blanks around it, optional
// sign, digits with at most one separator, optional exponent ("E" or "e",
// optional sign, digits). Rejects any other character, a "." while the
// separator is ",", thousands separators, "inf", "nan" and values beyond the
// range of a double ("1E400").
std::optional<double> parseFloat(QStringView text);
std::optional<double> parseFloat(QStringView text, QChar separator);
std::optional<double> parseFloat(QByteArrayView text, char separator);

} // namespace vorn::numfmt
