// The system's 8-bit ("ANSI") code page, derived from the user's locale the way
// Windows derives it, and the text decoding rules of the program's text files.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QLocale>
#include <QString>
#include <QStringView>

namespace vorn::codepage {

// ICU name of the 8-bit code page for a locale: "windows-1250" for Central
// European languages (hu, cs, pl, sk, sl, hr, ro, ...), "windows-1251" for
// Cyrillic, "windows-1253" Greek, "windows-1254" Turkish, "windows-1257" Baltic,
// and so on; "windows-1252" otherwise.
QByteArray codePageFor(const QLocale &locale);

// The code page in force: derived from QLocale::system() at first use, or the
// one set by setAnsiCodePage() (tests and tools use that to pin it).
QByteArray ansiCodePage();
void setAnsiCodePage(const QByteArray &icuName);

// Conversions with the code page in force. Characters the code page cannot
// represent become "?", as the Windows conversion does.
QString decodeAnsi(QByteArrayView bytes);
QByteArray encodeAnsi(QStringView text);
// True when every character of text survives encodeAnsi unchanged.
bool representable(QStringView text);

enum class TextEncoding { Ansi, Utf8, Utf8Bom, Utf16LE, Utf16BE };

// Measurement files: a UTF-8 or UTF-16 byte-order mark selects that encoding
// (the mark itself is dropped), otherwise the ANSI code page.
QString decodeWithBom(QByteArrayView bytes, TextEncoding *detected = nullptr);
// Byte-order mark of bytes, or Ansi when there is none.
TextEncoding detectBom(QByteArrayView bytes);

// Settings and language files: a byte-order mark as above; without one, UTF-8
// when the bytes hold valid UTF-8 sequences, else the ANSI code page (plain
// ASCII counts as ANSI).
QString decodeSettingsText(QByteArrayView bytes, TextEncoding *detected);
// Encodes text back in the encoding it was read in (with its mark, if any).
QByteArray encodeText(QStringView text, TextEncoding encoding);

} // namespace vorn::codepage
