// The RTF reader and writer: round trip, a real reader of our output, word
// processor files, code pages, \uN fallbacks and malformed input.
#include "report/RichText.h"
#include "settings/AnsiCodePage.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace vorn;
using vorn::report::readRtf;
using vorn::report::writeRtf;

namespace {

class CodePageScope {
public:
    explicit CodePageScope(const QByteArray &name) : m_saved(codepage::ansiCodePage())
    {
        codepage::setAnsiCodePage(name);
    }
    ~CodePageScope() { codepage::setAnsiCodePage(m_saved); }

private:
    QByteArray m_saved;
};

QString alignmentLetter(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral("c");
    if (alignment & Qt::AlignRight)
        return QStringLiteral("r");
    return (alignment & Qt::AlignJustify) ? QStringLiteral("j") : QStringLiteral("l");
}

QString describeFormat(const QTextDocument &document, const QTextCharFormat &format)
{
    const QFont font = format.font().resolve(document.defaultFont());
    QString text = QStringLiteral("{%1 %2").arg(font.family()).arg(font.pointSizeF());
    if (font.bold())
        text += QStringLiteral(" b");
    if (font.italic())
        text += QStringLiteral(" i");
    if (font.underline())
        text += QStringLiteral(" u");
    if (format.foreground().style() != Qt::NoBrush)
        text += QLatin1Char(' ') + format.foreground().color().name();
    return text + QLatin1Char('}');
}

// One line per paragraph: its alignment, then each run as {format}text, with
// tabs and line breaks made visible. An empty paragraph shows its own format.
QStringList describe(const QTextDocument &document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString line = alignmentLetter(block.blockFormat().alignment()) + QLatin1Char(':');
        if (block.length() <= 1)
            line += describeFormat(document, block.charFormat());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QString text = it.fragment().text();
            text.replace(QLatin1Char('\t'), QStringLiteral("\\t")).replace(QChar::LineSeparator, QStringLiteral("\\n"));
            line += describeFormat(document, it.fragment().charFormat()) + text;
        }
        lines << line;
    }
    return lines;
}

QTextCharFormat charFormat(const QString &family, double points, bool bold, bool italic,
                           bool underline, const QColor &color = {})
{
    QTextCharFormat format;
    format.setFontFamilies({family});
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(italic);
    format.setFontUnderline(underline);
    if (color.isValid())
        format.setForeground(color);
    return format;
}

QTextBlockFormat aligned(Qt::Alignment alignment)
{
    QTextBlockFormat format;
    format.setAlignment(alignment);
    return format;
}

// A company block: the grey placeholder with its empty first line, then
// paragraphs in every alignment with mixed runs, Hungarian and non-ANSI text.
void fillCompanyBlock(QTextDocument &document)
{
    const QTextCharFormat grey = charFormat(QStringLiteral("Arial"), 11, true, false, false, QColor(128, 128, 128));
    QTextCursor cursor(&document);
    cursor.setBlockFormat(aligned(Qt::AlignHCenter));
    cursor.setBlockCharFormat(grey);
    cursor.insertBlock(aligned(Qt::AlignHCenter), grey);
    cursor.insertText(QStringLiteral("Cégadatok {helye}\\"), grey);
    cursor.insertBlock(aligned(Qt::AlignRight));
    cursor.insertText(QStringLiteral("Győr, Űrhajós utca "), charFormat(QStringLiteral("Tahoma"), 14, false, true, false, Qt::red));
    cursor.insertText(QStringLiteral("ő ű € ✓ Ω 😀"), charFormat(QStringLiteral("Tahoma"), 9.5, true, true, true));
    cursor.insertBlock(aligned(Qt::AlignJustify));
    cursor.insertText(QStringLiteral("Tel\t+36") + QChar(QChar::LineSeparator) + QStringLiteral("Fax"),
                      charFormat(QStringLiteral("Courier New"), 8, false, false, true, QColor(0, 0, 255)));
    cursor.insertBlock(aligned(Qt::AlignLeft));
    cursor.insertText(QStringLiteral("default font"), QTextCharFormat());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString plainTextOf(const QByteArray &rtf)
{
    QTextDocument document;
    readRtf(rtf, document);
    return document.toPlainText();
}

} // namespace

TEST(RichText, WrittenDocumentReadsBackIdenticallyAndStably)
{
    for (const QByteArray &codePage : {QByteArray("windows-1250"), QByteArray("windows-1252")}) {
        SCOPED_TRACE(codePage.constData());
        CodePageScope scope(codePage);
        QTextDocument original;
        fillCompanyBlock(original);
        const QByteArray rtf = writeRtf(original);

        QTextDocument readBack;
        ASSERT_TRUE(readRtf(rtf, readBack));
        EXPECT_EQ(describe(readBack), describe(original));
        EXPECT_EQ(writeRtf(readBack), rtf);
        EXPECT_EQ(rtf.count('\n'), rtf.count("\r\n"));
        EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char c) { return c > 0; }));
        EXPECT_TRUE(rtf.contains(codePage == "windows-1250" ? "Gy\\'f5r" : "Gy\\u337?r")) << rtf.constData();
        EXPECT_TRUE(rtf.contains("\\u10003? \\u937?")); // ✓ Ω have no byte in either code page
    }
}

TEST(RichText, UnrtfReadsTextAndFormattingOfOurOutput)
{
    CodePageScope scope("windows-1250");
    QTextDocument document;
    fillCompanyBlock(document);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vorn1.rtf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(writeRtf(document));
    file.close();

    QProcess unrtf;
    unrtf.start(QStringLiteral("unrtf"), {QStringLiteral("--html"), path});
    ASSERT_TRUE(unrtf.waitForFinished(10000)) << "unrtf is missing; tools/install-deps.sh installs it";
    ASSERT_EQ(unrtf.exitCode(), 0);
    const QString html = QString::fromUtf8(unrtf.readAllStandardOutput());
    EXPECT_TRUE(html.contains(QStringLiteral("C&eacute;gadatok {helye}\\"))) << qPrintable(html);
    EXPECT_TRUE(html.contains(QStringLiteral("Gy&#337;r, &#368;rhaj&oacute;s utca")));
    EXPECT_TRUE(html.contains(QStringLiteral("&#10003; &Omega;")));
    EXPECT_TRUE(html.contains(QStringLiteral("#808080")));
    EXPECT_TRUE(html.contains(QStringLiteral("<font face=\"Tahoma\">")));
    for (const char *tag : {"<b>", "<i>", "<u>", "<center>"})
        EXPECT_TRUE(html.contains(QLatin1String(tag))) << tag;
}

TEST(RichText, ReadsWordProcessorFile)
{
    CodePageScope scope("windows-1252");
    QTextDocument document;
    ASSERT_TRUE(readRtf(readFile(QStringLiteral(VORN_TEST_DATA_DIR "/wordprocessor_style.rtf")), document));
    const QStringList expected = {
        QStringLiteral("c:{Arial 16 b #0000ff}Minta Mérőlabor Kft."),
        QStringLiteral("c:{Arial 11}H-9021 Győr, {Arial 11 i}Ő utca 12."),
        QStringLiteral("r:{Arial 10 #c00000}Tel.: +36 96 555 123\\tFax\\n{Arial 10 u #c00000}Web"
                       "{Arial 10 #c00000}: {Arial 10 u #0000ff}example.hu"),
        QStringLiteral("j:{Arial Cyr 10}Пример {Courier New 10}õ"),
        QStringLiteral("l:{Arial 12}€ ﬁ{Arial 12 b i} nested {Arial 12 i}plain{Arial 12 i u} deep"),
    };
    EXPECT_EQ(describe(document), expected);
}

TEST(RichText, EveryTruncationOfAFileReadsWithoutHarm)
{
    const QByteArray rtf = readFile(QStringLiteral(VORN_TEST_DATA_DIR "/wordprocessor_style.rtf"));
    ASSERT_FALSE(rtf.isEmpty());
    const QString full = plainTextOf(rtf);
    for (qsizetype length = 0; length <= rtf.size(); ++length) {
        QTextDocument document;
        EXPECT_EQ(readRtf(rtf.left(length), document), length >= 5) << length;
        EXPECT_LE(document.characterCount(), full.size() + 1) << length;
    }
}

TEST(RichText, ByteEscapesFollowFontCharsetThenDocumentThenSystemCodePage)
{
    CodePageScope scope("windows-1250");
    EXPECT_EQ(plainTextOf("{\\rtf1\\ansi\\ansicpg1252 \\'f5}"), QStringLiteral("õ"));
    EXPECT_EQ(plainTextOf("{\\rtf1\\ansi \\'f5 \xf5}"), QStringLiteral("ő ő"));
    EXPECT_EQ(plainTextOf("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset238 A;}{\\f1\\fcharset204 B;}}"
                          "\\'f5{\\f1 \\'cf}}"),
              QStringLiteral("őП"));
    EXPECT_EQ(plainTextOf("{\\rtf1\\ansicpg1250{\\fonttbl{\\f0\\fcharset0 A;}}\\'f5}"), QStringLiteral("õ"));
}

TEST(RichText, UnicodeEscapesSkipTheirFallback)
{
    EXPECT_EQ(plainTextOf("{\\rtf1 \\u337\\'f5x}"), QStringLiteral("őx"));
    EXPECT_EQ(plainTextOf("{\\rtf1 \\uc2\\u8364 EUx\\uc0\\u337 y}"), QStringLiteral("€xőy"));
    EXPECT_EQ(plainTextOf("{\\rtf1 \\u-1279?\\u-10179?\\u-8704?}"), QStringLiteral("ﬁ😀"));
    EXPECT_EQ(plainTextOf("{\\rtf1\\uc3{\\u337}ab}"), QStringLiteral("őab"));
}

TEST(RichText, MalformedInputNeverFails)
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("old"));
    QString error;
    for (const QByteArray &notRtf : {QByteArray(), QByteArray("hello"), QByteArray("{\\rt"), QByteArray("{rtf1}")}) {
        EXPECT_FALSE(readRtf(notRtf, document, &error)) << notRtf.constData();
        EXPECT_TRUE(document.isEmpty());
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(plainTextOf("  {\\rtf1 a}b}}{"), QStringLiteral("a"));
    EXPECT_EQ(plainTextOf("{\\rtf1{\\b a{\\i b\\"), QStringLiteral("ab"));
    EXPECT_EQ(plainTextOf("{\\rtf1 a\\'z\\'"), QStringLiteral("az"));

    const QByteArray huge = "{\\rtf1\\fs99999999999999999999\\cf-99999999999\\f2147483648"
                            "\\uc99999999999 a\\u99999999999 bc\\bin99999999999 zz}";
    ASSERT_TRUE(readRtf(huge, document));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("a"));

    const QByteArray deep = "{\\rtf1" + QByteArray(100000, '{') + "\\b deep" + QByteArray(100000, '}')
                            + " after}";
    ASSERT_TRUE(readRtf(deep, document));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("deep after"));
    auto run = document.begin().begin();
    EXPECT_TRUE(run.fragment().charFormat().font().bold());
    ++run;
    EXPECT_EQ(run.fragment().text(), QStringLiteral(" after"));
    EXPECT_FALSE(run.fragment().charFormat().font().bold());
}
