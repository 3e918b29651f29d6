// Reading and building "A1"-style cell names.
#include "CellAddress.h"

#include <algorithm>

namespace vorn::exchange {

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

} // namespace

std::optional<CellPosition> parseCellName(QStringView name)
{
    qsizetype at = 0;
    int column = 0;
    while (at < name.size() && isAsciiLetter(name[at]) && at < 3) {
        column = column * 26 + (name[at].toUpper().unicode() - u'A' + 1);
        ++at;
    }
    const qsizetype digits = name.size() - at;
    // The row: 1 to 7 digits, not starting with 0.
    if (at == 0 || digits < 1 || digits > 7 || name[at] == u'0')
        return std::nullopt;
    int row = 0;
    for (; at < name.size(); ++at) {
        if (name[at] < u'0' || name[at] > u'9')
            return std::nullopt;
        row = row * 10 + (name[at].unicode() - u'0');
    }
    if (column > kMaxSheetColumns || row > kMaxSheetRows)
        return std::nullopt;
    return CellPosition{row - 1, column - 1};
}

CellName::CellName(int column, qint64 row)
{
    // Column letters, most significant first (bijective base 26).
    std::array<char16_t, 8> letters{};
    qsizetype count = 0;
    for (int n = column + 1; n > 0 && count < qsizetype(letters.size()); n = (n - 1) / 26)
        letters[count++] = char16_t(u'A' + (n - 1) % 26);
    while (count > 0)
        m_text[m_length++] = letters[--count];

    std::array<char16_t, 20> digits{};
    qsizetype used = 0;
    qint64 rest = std::max<qint64>(row, 0);
    do {
        digits[used++] = char16_t(u'0' + rest % 10);
        rest /= 10;
    } while (rest > 0);
    while (used > 0)
        m_text[m_length++] = digits[--used];
}

} // namespace vorn::exchange
