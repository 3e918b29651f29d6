// Rich text (RTF) in and out of a QTextDocument: what the report's company
// block editor produces and what word processors commonly write.
#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace vorn::report {

// Replaces the content of `document` with the RTF text. Font and colour
// tables, bold, italic, underline, size, colour, font, paragraph alignment,
// \'hh in the document's code page (\ansicpg, else the system's ANSI code
// page), \uN with its fallback skipped, and unknown destinations skipped.
// Returns false and sets `error` (leaving the document empty) when the bytes
// are not RTF at all.
bool readRtf(const QByteArray &rtf, QTextDocument &document, QString *error = nullptr);

// The document as RTF: a font table and a colour table, one paragraph per
// block with its alignment, character runs with font, size, colour, bold,
// italic and underline; characters of the ANSI code page as \'hh, all others
// as \uN with "?" as the fallback.
QByteArray writeRtf(const QTextDocument &document);

} // namespace vorn::report
