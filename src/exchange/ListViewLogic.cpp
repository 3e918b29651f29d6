// The searchable list view's logic without a window.
#include "ListViewLogic.h"

#include <QLocale>

#include <algorithm>

namespace vorn::exchange {

namespace {

QString lowerByLocale(const QString &text)
{
    return QLocale().toLower(text);
}

// A column number of the resize list: 1 to 3 decimal digits, blanks around.
int columnNumber(QStringView piece)
{
    piece = piece.trimmed();
    if (piece.isEmpty() || piece.size() > 3)
        return -1;
    int value = 0;
    for (QChar c : piece) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

} // namespace

QStringList searchCandidates(const QString &searchText)
{
    QString withTilde = searchText;
    withTilde.replace(QStringLiteral("ő"), QStringLiteral("õ"), Qt::CaseInsensitive);
    QString withTildeU = searchText;
    withTildeU.replace(QStringLiteral("ű"), QStringLiteral("ũ"), Qt::CaseInsensitive);
    return {lowerByLocale(searchText), lowerByLocale(withTilde), lowerByLocale(withTildeU)};
}

int findSearchHit(const QStringList &cells, const QString &searchText)
{
    const QStringList candidates = searchCandidates(searchText);
    const qsizetype length = searchText.size();
    for (qsizetype row = 0; row < cells.size(); ++row) {
        const QString start = lowerByLocale(cells.at(row)).left(length);
        if (candidates.contains(start))
            return int(row);
    }
    return -1;
}

ColumnResizeParse parseColumnResize(QStringView text)
{
    ColumnResizeParse result;
    result.C_R_A.fill(-1);
    int filled = 0;
    qsizetype from = 0;
    for (qsizetype end = text.indexOf(u';'); end >= 0; end = text.indexOf(u';', from)) {
        const int column = columnNumber(text.mid(from, end - from));
        from = end + 1;
        if (column < 0)
            continue;
        if (filled == ProtectedSlotCount) {
            result.tooMany = true;
            break;
        }
        result.C_R_A[std::size_t(filled++)] = column;
    }
    return result;
}

bool isProtectedColumn(const ProtectedColumns &protectedColumns, int column)
{
    return column >= 0 && std::find(protectedColumns.begin(), protectedColumns.end(), column)
        != protectedColumns.end();
}

QString tooManyColumnsText()
{
    return QStringLiteral("Csak 20 elem vihető fel!") + u'\r'
         + QStringLiteral("Kérlek váloztasd meg 20-ra, vagy bőviteni kell a komponenst");
}

void SortState::click(int clicked)
{
    if (clicked < 0)
        return;
    if (std::size_t(clicked) >= m_images.size())
        m_images.resize(std::size_t(clicked) + 1, NoHeaderImage);
    const int previous = m_images[std::size_t(clicked)];
    std::fill(m_images.begin(), m_images.end(), NoHeaderImage);
    m_images[std::size_t(clicked)] = previous == 0 ? 1 : 0;

    ColumnToSort = clicked;
    SortDir = clicked == LastSorted ? 1 - SortDir : 0;
    LastSorted = clicked;
}

int SortState::headerImage(int column) const
{
    if (column < 0 || std::size_t(column) >= m_images.size())
        return NoHeaderImage;
    return m_images[std::size_t(column)];
}

} // namespace vorn::exchange
