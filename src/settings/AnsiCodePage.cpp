// Locale-derived 8-bit code page and byte-order-mark aware text decoding.
#include "AnsiCodePage.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

namespace vorn::codepage {

namespace {

QByteArray g_codePage;

bool isAscii(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// Length of the UTF-8 sequence a lead byte starts, 0 for a byte that cannot
// start one.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF and
// no sequence cut off at the end.
bool isUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    while (p != end) {
        const int len = sequenceLength(*p);
        if (len == 0 || end - p < len)
            return false;
        for (int i = 1; i < len; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
        }
        if ((p[0] == 0xE0 && p[1] < 0xA0) || (p[0] == 0xED && p[1] > 0x9F)
            || (p[0] == 0xF0 && p[1] < 0x90) || (p[0] == 0xF4 && p[1] > 0x8F))
            return false;
        p += len;
    }
    return true;
}

QByteArray encodeWithReplacement(QStringView text, const QByteArray &name)
{
    QStringEncoder encoder(name.constData());
    if (!encoder.isValid())
        return text.toLatin1();
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return bytes;
    // Some character has no byte in the code page (the converter put its own
    // substitute there): encode again, the non-ASCII characters one at a time
    // with a fresh converter, so that each unmappable one becomes "?".
    bytes.clear();
    bytes.reserve(text.size());
    QHash<char32_t, QByteArray> known;
    for (qsizetype i = 0; i < text.size();) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            bytes += char(c);
            ++i;
            continue;
        }
        const qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const char32_t code = len == 2 ? QChar::surrogateToUcs4(text[i], text[i + 1]) : c;
        auto found = known.constFind(code);
        if (found == known.cend()) {
            QStringEncoder single(name.constData());
            const QByteArray piece = single.encode(text.sliced(i, len));
            found = known.insert(code, single.hasError() || piece.isEmpty() ? QByteArray("?")
                                                                            : piece);
        }
        bytes += *found;
        i += len;
    }
    return bytes;
}

} // namespace

QByteArray codePageFor(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Hungarian: case QLocale::Czech: case QLocale::Polish:
    case QLocale::Slovak: case QLocale::Slovenian: case QLocale::Croatian:
    case QLocale::Romanian: case QLocale::Albanian: case QLocale::Turkmen:
        return "windows-1250";
    case QLocale::Serbian: case QLocale::Bosnian:
        return locale.script() == QLocale::LatinScript ? "windows-1250" : "windows-1251";
    case QLocale::Russian: case QLocale::Ukrainian: case QLocale::Belarusian:
    case QLocale::Bulgarian: case QLocale::Macedonian: case QLocale::Kazakh:
    case QLocale::Kyrgyz: case QLocale::Mongolian: case QLocale::Tatar:
    case QLocale::Tajik: case QLocale::Bashkir: case QLocale::Sakha:
        return "windows-1251";
    case QLocale::Uzbek: case QLocale::Azerbaijani:
        return locale.script() == QLocale::CyrillicScript ? "windows-1251" : "windows-1254";
    case QLocale::Greek:
        return "windows-1253";
    case QLocale::Turkish:
        return "windows-1254";
    case QLocale::Hebrew: case QLocale::Yiddish:
        return "windows-1255";
    case QLocale::Arabic: case QLocale::Persian: case QLocale::Urdu:
        return "windows-1256";
    case QLocale::Estonian: case QLocale::Latvian: case QLocale::Lithuanian:
        return "windows-1257";
    case QLocale::Vietnamese:
        return "windows-1258";
    case QLocale::Thai:
        return "windows-874";
    case QLocale::Japanese:
        return "Shift_JIS";
    case QLocale::Korean:
        return "windows-949";
    case QLocale::Chinese:
        return locale.script() == QLocale::TraditionalChineseScript ? "Big5" : "GBK";
    default:
        return "windows-1252";
    }
}

QByteArray ansiCodePage()
{
    if (g_codePage.isEmpty())
        g_codePage = codePageFor(QLocale::system());
    return g_codePage;
}

void setAnsiCodePage(const QByteArray &icuName) { g_codePage = icuName; }

QString decodeAnsi(QByteArrayView bytes)
{
    QStringDecoder decoder(ansiCodePage().constData());
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

QByteArray encodeAnsi(QStringView text)
{
    return encodeWithReplacement(text, ansiCodePage());
}

bool representable(QStringView text)
{
    return decodeAnsi(encodeAnsi(text)) == text;
}

TextEncoding detectBom(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return TextEncoding::Utf8Bom;
    if (bytes.startsWith("\xFF\xFE"))
        return TextEncoding::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return TextEncoding::Utf16BE;
    return TextEncoding::Ansi;
}

static QString decodeUnicode(QByteArrayView bytes, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8Bom:
        return QString::fromUtf8(bytes.sliced(3));
    case TextEncoding::Utf8:
        return QString::fromUtf8(bytes);
    case TextEncoding::Utf16LE:
        return QStringDecoder(QStringDecoder::Utf16LE).decode(bytes.sliced(2));
    case TextEncoding::Utf16BE:
        return QStringDecoder(QStringDecoder::Utf16BE).decode(bytes.sliced(2));
    case TextEncoding::Ansi:
        break;
    }
    return decodeAnsi(bytes);
}

QString decodeWithBom(QByteArrayView bytes, TextEncoding *detected)
{
    const TextEncoding encoding = detectBom(bytes);
    if (detected)
        *detected = encoding;
    return decodeUnicode(bytes, encoding);
}

QString decodeSettingsText(QByteArrayView bytes, TextEncoding *detected)
{
    TextEncoding encoding = detectBom(bytes);
    // Plain ASCII stays ANSI, so that text added later is written the way the
    // program writes its files; only real UTF-8 sequences make a UTF-8 file.
    if (encoding == TextEncoding::Ansi && !isAscii(bytes) && isUtf8(bytes))
        encoding = TextEncoding::Utf8;
    if (detected)
        *detected = encoding;
    return decodeUnicode(bytes, encoding);
}

QByteArray encodeText(QStringView text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return text.toUtf8();
    case TextEncoding::Utf8Bom:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case TextEncoding::Utf16LE:
        return QByteArray("\xFF\xFE") + QStringEncoder(QStringEncoder::Utf16LE).encode(text);
    case TextEncoding::Utf16BE:
        return QByteArray("\xFE\xFF") + QStringEncoder(QStringEncoder::Utf16BE).encode(text);
    case TextEncoding::Ansi:
        break;
    }
    return encodeAnsi(text);
}

} // namespace vorn::codepage
