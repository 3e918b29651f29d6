// Writes a QTextDocument as RTF: font and colour tables, one \pard per block, styled runs.
#include "RichText.h"

#include "RtfCodePages.h"
#include "settings/AnsiCodePage.h"

#include <algorithm>

#include <QColor>
#include <QHash>
#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextDocument>

namespace vorn::report {

namespace {

struct RunStyle {
    int font = 0;
    int halfPoints = 24;
    int color = 0; // 0: automatic (no colour set)
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

class RtfWriter
{
public:
    explicit RtfWriter(const QTextDocument &document);
    QByteArray write();

private:
    RunStyle styleOf(const QTextCharFormat &format);
    int fontIndex(const QString &family);
    int colorIndex(const QTextCharFormat &format);
    void collectTables();
    void writeHeader();
    void writeBlock(const QTextBlock &block);
    void writeStyle(const RunStyle &style);
    void writeWord(const char *word, int param);
    void writeWord(const char *word);
    void writeText(QStringView text);
    void writeEncoded(QStringView character);
    void writeLiteral(char c);

    const QTextDocument &m_document;
    const rtfcodepage::Declaration m_codePage;
    QStringList m_fonts;
    QList<QRgb> m_colors;
    QHash<QString, QByteArray> m_encoded; // characters already tried against the code page
    QByteArray m_out;
    RunStyle m_current;
    bool m_needDelimiter = false; // a control word ends right before the next byte
};

RtfWriter::RtfWriter(const QTextDocument &document)
    : m_document(document), m_codePage(rtfcodepage::declarationFor(codepage::ansiCodePage()))
{
}

QByteArray RtfWriter::write()
{
    collectTables();
    writeHeader();
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next())
        writeBlock(block);
    m_out += "}\r\n";
    return m_out;
}

// The format resolved against the document's default font, so that a run
// without an explicit font or size is written with the one it shows.
RunStyle RtfWriter::styleOf(const QTextCharFormat &format)
{
    const QFont font = format.font().resolve(m_document.defaultFont());
    RunStyle style;
    style.font = fontIndex(font.family());
    double points = font.pointSizeF();
    if (points <= 0)
        points = font.pixelSize() * 72.0 / 96.0;
    style.halfPoints = std::clamp(qRound(points * 2), 2, 3276);
    style.color = colorIndex(format);
    style.bold = font.bold();
    style.italic = font.italic();
    style.underline = font.underline();
    return style;
}

int RtfWriter::fontIndex(const QString &family)
{
    qsizetype index = m_fonts.indexOf(family);
    if (index < 0) {
        index = m_fonts.size();
        m_fonts.append(family);
    }
    return int(index);
}

int RtfWriter::colorIndex(const QTextCharFormat &format)
{
    if (format.foreground().style() == Qt::NoBrush)
        return 0;
    const QRgb rgb = format.foreground().color().rgb();
    qsizetype index = m_colors.indexOf(rgb);
    if (index < 0) {
        index = m_colors.size();
        m_colors.append(rgb);
    }
    return int(index) + 1;
}

// Fonts and colours in the order the text first uses them.
void RtfWriter::collectTables()
{
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        if (block.length() <= 1)
            styleOf(block.charFormat());
        for (auto it = block.begin(); !it.atEnd(); ++it)
            styleOf(it.fragment().charFormat());
    }
    if (m_fonts.isEmpty())
        m_fonts.append(m_document.defaultFont().family());
}

void RtfWriter::writeHeader()
{
    m_out += "{\\rtf1\\ansi\\ansicpg" + QByteArray::number(m_codePage.codePage)
             + "\\deff0\\uc1{\\fonttbl";
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        m_out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset"
                 + QByteArray::number(m_codePage.charset);
        m_needDelimiter = true;
        writeText(m_fonts[i]);
        m_out += ";}";
    }
    m_out += "}\r\n{\\colortbl ;";
    for (const QRgb rgb : std::as_const(m_colors)) {
        m_out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" + QByteArray::number(qGreen(rgb))
                 + "\\blue" + QByteArray::number(qBlue(rgb)) + ';';
    }
    m_out += "}\r\n";
    m_needDelimiter = false;
}

// Every paragraph starts from plain text: some readers drop the character
// formatting at a paragraph break, so a style is never carried across one.
void RtfWriter::writeBlock(const QTextBlock &block)
{
    writeWord("pard");
    writeWord("plain");
    m_current = RunStyle{};
    const Qt::Alignment alignment = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    if (alignment & Qt::AlignHCenter)
        writeWord("qc");
    else if (alignment & Qt::AlignRight)
        writeWord("qr");
    else if (alignment & Qt::AlignJustify)
        writeWord("qj");
    if (block.length() <= 1)
        writeStyle(styleOf(block.charFormat()));
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        writeStyle(styleOf(it.fragment().charFormat()));
        writeText(it.fragment().text());
    }
    writeWord("par");
    m_out += "\r\n";
    m_needDelimiter = false;
}

// Writes only what differs from the style in force.
void RtfWriter::writeStyle(const RunStyle &style)
{
    if (style.font != m_current.font)
        writeWord("f", style.font);
    if (style.halfPoints != m_current.halfPoints)
        writeWord("fs", style.halfPoints);
    if (style.color != m_current.color)
        writeWord("cf", style.color);
    if (style.bold != m_current.bold)
        style.bold ? writeWord("b") : writeWord("b", 0);
    if (style.italic != m_current.italic)
        style.italic ? writeWord("i") : writeWord("i", 0);
    if (style.underline != m_current.underline)
        writeWord(style.underline ? "ul" : "ulnone");
    m_current = style;
}

void RtfWriter::writeWord(const char *word, int param)
{
    writeWord(word);
    m_out += QByteArray::number(param);
}

void RtfWriter::writeWord(const char *word)
{
    m_out += '\\';
    m_out += word;
    m_needDelimiter = true;
}

void RtfWriter::writeText(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' || c == u'{' || c == u'}') {
            m_out += '\\';
            m_out += char(c.unicode());
            m_needDelimiter = false;
        } else if (c == u'\t') {
            writeWord("tab");
        } else if (c == QChar::LineSeparator) {
            writeWord("line");
        } else if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
            writeLiteral(char(c.unicode()));
        } else if (c.unicode() >= 0xA0 && c != QChar::ParagraphSeparator
                   && c != QChar::ObjectReplacementCharacter && c.unicode() != 0xFDD0
                   && c.unicode() != 0xFDD1) {
            const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
            writeEncoded(text.sliced(i, pair ? 2 : 1));
            i += pair ? 1 : 0;
        }
        // Other control characters, frame and object markers carry no text.
    }
}

// A character of the code page as its bytes \'hh, any other as \uN with "?"
// for readers without Unicode; N is the UTF-16 unit as a signed 16-bit number.
void RtfWriter::writeEncoded(QStringView character)
{
    auto known = m_encoded.constFind(character.toString());
    if (known == m_encoded.cend()) {
        QStringEncoder encoder(m_codePage.name.constData());
        QByteArray bytes = encoder.encode(character);
        QStringDecoder decoder(m_codePage.name.constData());
        if (encoder.hasError() || QString(decoder.decode(bytes)) != character)
            bytes.clear();
        known = m_encoded.insert(character.toString(), bytes);
    }
    if (!known->isEmpty()) {
        for (const char byte : *known)
            m_out += "\\'" + QByteArray::number(static_cast<unsigned char>(byte), 16).rightJustified(2, '0');
    } else {
        for (const QChar unit : character)
            m_out += "\\u" + QByteArray::number(static_cast<qint16>(unit.unicode())) + '?';
    }
    m_needDelimiter = false;
}

void RtfWriter::writeLiteral(char c)
{
    if (m_needDelimiter)
        m_out += ' ';
    m_out += c;
    m_needDelimiter = false;
}

} // namespace

QByteArray writeRtf(const QTextDocument &document)
{
    return RtfWriter(document).write();
}

} // namespace vorn::report
