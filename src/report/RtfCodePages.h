// The code pages RTF names by number (\ansicpg, \cpg) and by font charset (\fcharset).
#pragma once

#include <QByteArray>

namespace vorn::report::rtfcodepage {

// ICU name for a Windows code page number, or empty when unknown.
QByteArray nameForCodePage(int codePage);
// ICU name for a font charset number, or empty when the charset names no code
// page (DEFAULT_CHARSET, SYMBOL_CHARSET, unknown values).
QByteArray nameForCharset(int charset);

// What the writer declares for an ICU code-page name: the code page number
// and the matching font charset. Unknown names give windows-1252.
struct Declaration {
    int codePage;
    int charset;
    QByteArray name;
};
Declaration declarationFor(const QByteArray &icuName);

} // namespace vorn::report::rtfcodepage
