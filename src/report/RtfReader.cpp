// Reads RTF into a QTextDocument: fonts, colours, character styles, alignment and text.
#include "RichText.h"

#include "RtfCodePages.h"
#include "RtfTokenizer.h"
#include "settings/AnsiCodePage.h"

#include <algorithm>

#include <QColor>
#include <QHash>
#include <QList>
#include <QSet>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace vorn::report {

namespace {

enum class Destination { Text, FontTable, ColorTable, Skip };

struct CharState {
    int font = -1; // -1: the document's default font (\deff)
    int halfPoints = 24;
    int color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

struct GroupState {
    Destination destination = Destination::Text;
    CharState chars;
    Qt::Alignment alignment = Qt::AlignLeft;
    int unicodeSkip = 1; // \ucN: fallback characters that follow each \uN
};

struct FontEntry {
    QString name;
    QByteArray codePage; // empty: the document's code page
};

// Groups nested deeper than this are read in the state of the deepest one,
// so that hostile nesting costs no memory.
constexpr qsizetype kMaxDepth = 200;

// Destinations whose content is never text of the document.
bool isIgnoredDestination(const QByteArray &word)
{
    static const QSet<QByteArray> ignored = {
        "info", "stylesheet", "pict", "header", "headerl", "headerr", "headerf", "footer",
        "footerl", "footerr", "footerf", "listtable", "listoverridetable", "generator",
        "object", "revtbl", "rsidtbl", "xmlnstbl", "themedata", "colorschememapping",
        "latentstyles", "datastore", "footnote", "annotation", "filetbl", "fldinst",
        "nonshppict", "shp", "template", "xe", "tc", "userprops", "docvar", "pgdsctbl",
        "atnid", "atnauthor", "bkmkstart", "bkmkend", "pn"};
    return ignored.contains(word);
}

// Control words that stand for one character.
QChar specialCharacter(const QByteArray &word)
{
    static const QHash<QByteArray, char16_t> characters = {
        {"tab", u'\t'},         {"line", u'\x2028'},    {"cell", u'\t'},
        {"emdash", u'\x2014'},  {"endash", u'\x2013'},  {"bullet", u'\x2022'},
        {"lquote", u'\x2018'},  {"rquote", u'\x2019'},  {"ldblquote", u'\x201C'},
        {"rdblquote", u'\x201D'}, {"emspace", u'\x2003'}, {"enspace", u'\x2002'},
        {"qmspace", u'\x2005'}};
    return QChar(characters.value(word, 0));
}

// Control characters, paragraph separators and the document's own frame and
// object markers would break the document's structure; tabs stay.
bool isTextCharacter(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x20)
        return u == u'\t';
    return (u < 0x7F || u >= 0xA0) && c != QChar::ParagraphSeparator
           && c != QChar::ObjectReplacementCharacter && u != 0xFDD0 && u != 0xFDD1;
}

QString decodeBytes(const QByteArray &bytes, const QByteArray &codePage)
{
    QStringDecoder decoder(codePage.constData());
    return decoder.isValid() ? decoder.decode(bytes) : QString::fromLatin1(bytes);
}

class RtfReader
{
public:
    explicit RtfReader(QTextDocument &document) : m_cursor(&document) {}
    void read(QByteArrayView rtf);

private:
    GroupState &state() { return m_stack.last(); }
    bool handleToken(const RtfToken &token);
    void groupStart();
    bool groupEnd();
    void handleWord(const RtfToken &token);
    void handleTextWord(const RtfToken &token);
    bool handleCharacterWord(const QByteArray &word, bool hasParam, int param);
    bool handleParagraphWord(const QByteArray &word);
    void handleFontTableWord(const RtfToken &token);
    void handleColorTableWord(const RtfToken &token);
    void handleSymbol(char symbol);
    void handleText(QByteArrayView text);
    void handleHexByte(int value);
    void appendUnicode(int value);
    bool skipFallback();

    void appendText(const QString &text);
    void flushBytes();
    void flushText();
    void endParagraph();
    void finish();
    void applyParagraphFormat();
    void finishFontEntry();
    QTextCharFormat currentFormat() const;
    QByteArray currentCodePage() const;

    QTextCursor m_cursor;
    QList<GroupState> m_stack{GroupState{}};
    int m_overflow = 0;
    QByteArray m_documentCodePage;
    int m_defaultFont = 0;
    QHash<int, FontEntry> m_fonts;
    QList<QColor> m_colors;

    QByteArray m_pendingBytes;
    QString m_pendingText;
    QTextCharFormat m_pendingFormat;
    bool m_paragraphOpen = true; // the document's first block waits for text
    int m_fallbackLeft = 0;

    // The font table entry being read.
    int m_fontIndex = -1;
    QByteArray m_fontBytes;
    QByteArray m_fontCodePage;
    // The colour table entry being read.
    int m_rgb[3] = {0, 0, 0};
    bool m_colorGiven = false;
};

void RtfReader::read(QByteArrayView rtf)
{
    // One edit block: an editor showing the document lays it out once, and
    // the whole load is one undo step.
    m_cursor.beginEditBlock();
    RtfTokenizer tokenizer(rtf);
    for (RtfToken token = tokenizer.next(); token.type != RtfToken::End; token = tokenizer.next()) {
        if (!handleToken(token))
            break;
    }
    finish();
    m_cursor.endEditBlock();
}

// False once the outermost group has closed: what follows is not part of the text.
bool RtfReader::handleToken(const RtfToken &token)
{
    if (token.type != RtfToken::HexByte && token.type != RtfToken::Text)
        flushBytes();
    switch (token.type) {
    case RtfToken::GroupStart: groupStart(); break;
    case RtfToken::GroupEnd: return groupEnd();
    case RtfToken::Word: handleWord(token); break;
    case RtfToken::Symbol: handleSymbol(token.symbol); break;
    case RtfToken::HexByte: handleHexByte(token.param); break;
    case RtfToken::Text: handleText(token.text); break;
    case RtfToken::End: break;
    }
    return true;
}

void RtfReader::groupStart()
{
    m_fallbackLeft = 0;
    if (m_stack.size() >= kMaxDepth)
        ++m_overflow;
    else
        m_stack.append(m_stack.last());
}

bool RtfReader::groupEnd()
{
    m_fallbackLeft = 0;
    if (m_overflow > 0) {
        --m_overflow;
        return true;
    }
    if (state().destination == Destination::FontTable)
        finishFontEntry();
    // The outermost group's state stays: it still formats the last paragraph.
    if (m_stack.size() <= 2)
        return false;
    m_stack.removeLast();
    return true;
}

void RtfReader::handleWord(const RtfToken &token)
{
    if (state().destination == Destination::Skip)
        return;
    if (isIgnoredDestination(token.word)) {
        state().destination = Destination::Skip;
        return;
    }
    switch (state().destination) {
    case Destination::Text: handleTextWord(token); break;
    case Destination::FontTable: handleFontTableWord(token); break;
    case Destination::ColorTable: handleColorTableWord(token); break;
    case Destination::Skip: break;
    }
}

void RtfReader::handleTextWord(const RtfToken &token)
{
    if (skipFallback())
        return;
    const QByteArray &word = token.word;
    if (handleCharacterWord(word, token.hasParam, token.param) || handleParagraphWord(word))
        return;
    if (const QChar c = specialCharacter(word); !c.isNull()) {
        appendText(QString(c));
    } else if (word == "u") {
        appendUnicode(token.param);
        m_fallbackLeft = state().unicodeSkip;
    } else if (word == "uc") {
        state().unicodeSkip = token.hasParam ? std::clamp(token.param, 0, 16) : 1;
    } else if (word == "fonttbl") {
        state().destination = Destination::FontTable;
    } else if (word == "colortbl") {
        state().destination = Destination::ColorTable;
        m_colors.clear();
    } else if (word == "ansicpg") {
        m_documentCodePage = rtfcodepage::nameForCodePage(token.param);
    } else if (word == "deff") {
        m_defaultFont = token.param;
    }
}

bool RtfReader::handleCharacterWord(const QByteArray &word, bool hasParam, int param)
{
    CharState &chars = state().chars;
    const bool on = !hasParam || param != 0;
    if (word == "b")
        chars.bold = on;
    else if (word == "i")
        chars.italic = on;
    else if (word == "ulnone")
        chars.underline = false;
    else if (word.startsWith("ul") && word != "ulc") // \ul, \uld, \uldb, \ulw, ...
        chars.underline = on;
    else if (word == "fs")
        chars.halfPoints = hasParam ? std::clamp(param, 2, 3276) : 24;
    else if (word == "f")
        chars.font = param;
    else if (word == "cf")
        chars.color = param;
    else if (word == "plain")
        chars = CharState{};
    else
        return false;
    return true;
}

bool RtfReader::handleParagraphWord(const QByteArray &word)
{
    if (word == "par" || word == "sect" || word == "page" || word == "row")
        endParagraph();
    else if (word == "pard")
        state().alignment = Qt::AlignLeft;
    else if (word == "ql")
        state().alignment = Qt::AlignLeft;
    else if (word == "qc")
        state().alignment = Qt::AlignHCenter;
    else if (word == "qr")
        state().alignment = Qt::AlignRight;
    else if (word == "qj")
        state().alignment = Qt::AlignJustify;
    else
        return false;
    return true;
}

void RtfReader::handleFontTableWord(const RtfToken &token)
{
    if (token.word == "f") {
        finishFontEntry();
        m_fontIndex = token.param;
        m_fontCodePage.clear();
    } else if (token.word == "fcharset" && m_fontCodePage.isEmpty()) {
        m_fontCodePage = rtfcodepage::nameForCharset(token.param);
    } else if (token.word == "cpg") {
        m_fontCodePage = rtfcodepage::nameForCodePage(token.param);
    }
}

void RtfReader::handleColorTableWord(const RtfToken &token)
{
    const int index = token.word == "red" ? 0 : token.word == "green" ? 1 : token.word == "blue" ? 2 : -1;
    if (index < 0)
        return;
    m_rgb[index] = std::clamp(token.param, 0, 255);
    m_colorGiven = true;
}

void RtfReader::handleSymbol(char symbol)
{
    if (symbol == '*') {
        // Marks a destination this reader may not know: none of them is text.
        state().destination = Destination::Skip;
        return;
    }
    if (state().destination != Destination::Text || skipFallback())
        return;
    switch (symbol) {
    case '\\': case '{': case '}': appendText(QString(QLatin1Char(symbol))); break;
    case '~': appendText(QString(QChar(0x00A0))); break;
    case '-': appendText(QString(QChar(0x00AD))); break;
    case '_': appendText(QString(QChar(0x2011))); break;
    case '\n': endParagraph(); break;
    default: break;
    }
}

void RtfReader::handleText(QByteArrayView text)
{
    switch (state().destination) {
    case Destination::Text:
        while (!text.isEmpty() && skipFallback())
            text = text.sliced(1);
        m_pendingBytes += text.toByteArray();
        break;
    case Destination::FontTable:
        for (const char c : text) {
            if (c == ';')
                finishFontEntry();
            else
                m_fontBytes += c;
        }
        break;
    case Destination::ColorTable:
        for (qsizetype n = text.count(';'); n > 0; --n) {
            m_colors.append(m_colorGiven ? QColor(m_rgb[0], m_rgb[1], m_rgb[2]) : QColor());
            m_colorGiven = false;
        }
        break;
    case Destination::Skip:
        break;
    }
}

void RtfReader::handleHexByte(int value)
{
    if (state().destination == Destination::FontTable)
        m_fontBytes += char(value);
    else if (state().destination == Destination::Text && !skipFallback())
        m_pendingBytes += char(value);
}

// \uN carries a signed 16-bit value; negative ones stand for N + 65536.
void RtfReader::appendUnicode(int value)
{
    if (value < 0)
        value += 65536;
    if (value > 0 && value <= 0xFFFF)
        appendText(QString(QChar(char16_t(value))));
}

// True when the current token is one of the fallback characters after \uN.
bool RtfReader::skipFallback()
{
    if (m_fallbackLeft <= 0)
        return false;
    --m_fallbackLeft;
    return true;
}

void RtfReader::appendText(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (isTextCharacter(c))
            kept += c;
    }
    if (kept.isEmpty())
        return;
    if (!m_paragraphOpen) {
        m_cursor.insertBlock();
        m_paragraphOpen = true;
    }
    const QTextCharFormat format = currentFormat();
    if (format != m_pendingFormat)
        flushText();
    m_pendingFormat = format;
    m_pendingText += kept;
}

void RtfReader::flushBytes()
{
    if (m_pendingBytes.isEmpty())
        return;
    const QString text = decodeBytes(m_pendingBytes, currentCodePage());
    m_pendingBytes.clear();
    appendText(text);
}

void RtfReader::flushText()
{
    if (m_pendingText.isEmpty())
        return;
    m_cursor.insertText(m_pendingText, m_pendingFormat);
    m_pendingText.clear();
}

// \par closes the paragraph; the next one begins with its first character or
// the next \par, so a \par at the very end adds no empty paragraph.
void RtfReader::endParagraph()
{
    flushText();
    if (!m_paragraphOpen)
        m_cursor.insertBlock();
    applyParagraphFormat();
    m_paragraphOpen = false;
}

void RtfReader::finish()
{
    flushBytes();
    flushText();
    if (m_paragraphOpen)
        applyParagraphFormat();
}

void RtfReader::applyParagraphFormat()
{
    QTextBlockFormat format = m_cursor.blockFormat();
    format.setAlignment(state().alignment);
    m_cursor.setBlockFormat(format);
    // An empty paragraph keeps the character format of its paragraph mark,
    // which gives the line its height.
    if (m_cursor.block().length() <= 1)
        m_cursor.setBlockCharFormat(currentFormat());
}

void RtfReader::finishFontEntry()
{
    if (m_fontIndex >= 0) {
        const QByteArray codePage = m_fontCodePage.isEmpty() ? m_documentCodePage : m_fontCodePage;
        const QByteArray bytes = m_fontBytes.trimmed();
        const QByteArray effective = codePage.isEmpty() ? codepage::ansiCodePage() : codePage;
        m_fonts.insert(m_fontIndex, FontEntry{decodeBytes(bytes, effective).trimmed(), m_fontCodePage});
    }
    m_fontIndex = -1;
    m_fontBytes.clear();
    m_fontCodePage.clear();
}

QTextCharFormat RtfReader::currentFormat() const
{
    const CharState &chars = m_stack.last().chars;
    QTextCharFormat format;
    const auto font = m_fonts.constFind(chars.font >= 0 ? chars.font : m_defaultFont);
    if (font != m_fonts.cend() && !font->name.isEmpty())
        format.setFontFamilies(QStringList{font->name});
    format.setFontPointSize(chars.halfPoints / 2.0);
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontUnderline(chars.underline);
    if (chars.color >= 0 && chars.color < m_colors.size() && m_colors[chars.color].isValid())
        format.setForeground(m_colors[chars.color]);
    return format;
}

// \'hh bytes are in the code page of the current font's charset, else the
// document's \ansicpg, else the system's ANSI code page.
QByteArray RtfReader::currentCodePage() const
{
    const CharState &chars = m_stack.last().chars;
    const auto font = m_fonts.constFind(chars.font >= 0 ? chars.font : m_defaultFont);
    if (font != m_fonts.cend() && !font->codePage.isEmpty())
        return font->codePage;
    return m_documentCodePage.isEmpty() ? codepage::ansiCodePage() : m_documentCodePage;
}

bool looksLikeRtf(QByteArrayView rtf)
{
    return rtf.trimmed().startsWith("{\\rtf");
}

} // namespace

bool readRtf(const QByteArray &rtf, QTextDocument &document, QString *error)
{
    document.clear();
    if (!looksLikeRtf(rtf)) {
        if (error)
            *error = QStringLiteral("the data is not rich text (it does not begin with {\\rtf)");
        return false;
    }
    RtfReader reader(document);
    reader.read(QByteArrayView(rtf).sliced(rtf.indexOf('{')));
    if (error)
        error->clear();
    return true;
}

} // namespace vorn::report
