// Comparison of list rows by column Tag.
#include "RowCompare.h"

#include "settings/NumberFormat.h"

#include <QLocale>

namespace vorn::exchange {

namespace {

template <typename T>
int threeWay(const T &a, const T &b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

int compareText(const QString &a, const QString &b)
{
    const QLocale locale;
    return QString::localeAwareCompare(locale.toLower(a), locale.toLower(b));
}

// Values that read as the column's kind compare by value; a text that does
// not read comes first, and two such texts compare as text.
template <typename Parse>
int compareParsed(const QString &a, const QString &b, Parse parse)
{
    const auto va = parse(a);
    const auto vb = parse(b);
    if (va && vb)
        return threeWay(*va, *vb);
    if (!va && !vb)
        return compareText(a, b);
    return va ? 1 : -1;
}

std::optional<QDateTime> dateTimeInForm(const QString &text, const QLocale &locale,
                                        QLocale::FormatType form)
{
    QDateTime value = locale.toDateTime(text, form);
    if (value.isValid())
        return value;
    const QDate date = locale.toDate(text, form);
    if (date.isValid())
        return date.startOfDay();
    return std::nullopt;
}

} // namespace

std::optional<qint32> parseIPv4(QStringView text)
{
    const QList<QStringView> parts = text.trimmed().split(u'.');
    if (parts.size() != 4)
        return std::nullopt;
    quint32 address = 0;
    for (QStringView part : parts) {
        if (part.isEmpty() || part.size() > 3)
            return std::nullopt;
        bool ok = false;
        const uint octet = part.toUInt(&ok);
        if (!ok || octet > 255 || !part.front().isDigit())
            return std::nullopt;
        address = (address << 8) | octet;
    }
    return qint32(address);
}

std::optional<QDateTime> parseDateTime(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const QLocale locale = QLocale::system();
    for (QLocale::FormatType form : {QLocale::ShortFormat, QLocale::LongFormat}) {
        if (auto value = dateTimeInForm(trimmed, locale, form))
            return value;
    }
    const QDateTime iso = QDateTime::fromString(trimmed, Qt::ISODate);
    if (iso.isValid())
        return iso;
    return std::nullopt;
}

int compareCells(const QString &a, const QString &b, int tag)
{
    switch (tag) {
    case TagInteger:
        return compareParsed(a, b, [](const QString &t) { return numfmt::parseInt(QStringView(t)); });
    case TagDecimal:
        return compareParsed(a, b, [](const QString &t) { return numfmt::parseFloat(QStringView(t)); });
    case TagDateTime:
        return compareParsed(a, b, parseDateTime);
    case TagIPv4:
        return compareParsed(a, b, [](const QString &t) { return parseIPv4(t); });
    default:
        return compareText(a, b);
    }
}

int compareForSort(const QString &a, const QString &b, int tag, int sortDir)
{
    return sortDir == 1 ? compareCells(b, a, tag) : compareCells(a, b, tag);
}

} // namespace vorn::exchange
