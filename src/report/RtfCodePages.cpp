// Tables between RTF's code page and charset numbers and ICU code-page names.
#include "RtfCodePages.h"

namespace vorn::report::rtfcodepage {

namespace {

struct Entry {
    int codePage;
    int charset;
    const char *name;
};

// The 8-bit and double-byte Windows code pages with the charset that stands
// for each in a font table. The names are those the ANSI code page helpers use.
constexpr Entry kEntries[] = {
    {1252, 0, "windows-1252"},  {1250, 238, "windows-1250"}, {1251, 204, "windows-1251"},
    {1253, 161, "windows-1253"}, {1254, 162, "windows-1254"}, {1255, 177, "windows-1255"},
    {1256, 178, "windows-1256"}, {1257, 186, "windows-1257"}, {1258, 163, "windows-1258"},
    {874, 222, "windows-874"},   {932, 128, "Shift_JIS"},     {936, 134, "GBK"},
    {949, 129, "windows-949"},   {950, 136, "Big5"},
};

} // namespace

QByteArray nameForCodePage(int codePage)
{
    for (const Entry &entry : kEntries) {
        if (entry.codePage == codePage)
            return entry.name;
    }
    switch (codePage) {
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 852: return "IBM852";
    case 866: return "IBM866";
    case 10000: return "macintosh";
    case 65001: return "UTF-8";
    default: return {};
    }
}

QByteArray nameForCharset(int charset)
{
    for (const Entry &entry : kEntries) {
        if (entry.charset == charset)
            return entry.name;
    }
    switch (charset) {
    case 77: return "macintosh";
    case 255: return "IBM437";
    default: return {};
    }
}

Declaration declarationFor(const QByteArray &icuName)
{
    for (const Entry &entry : kEntries) {
        if (icuName.compare(entry.name, Qt::CaseInsensitive) == 0)
            return {entry.codePage, entry.charset, entry.name};
    }
    return {kEntries[0].codePage, kEntries[0].charset, kEntries[0].name};
}

} // namespace vorn::report::rtfcodepage
