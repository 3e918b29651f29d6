// The user guides as a reader gets them: the built PDFs read back with
// pdfinfo and pdftotext, and vorn_guide run on guides of the test's own.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString pdfText(const QString &pdf, int page = 0)
{
    QStringList args;
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    return run(QStringLiteral("pdftotext"), args << pdf << QStringLiteral("-")).out.simplified();
}

int pdfPages(const QString &pdf, QString *info = nullptr)
{
    const QString text = run(QStringLiteral("pdfinfo"), {pdf}).out;
    if (info)
        *info = text;
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(text);
    return pages.hasMatch() ? pages.captured(1).toInt() : 0;
}

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(UserGuide, EachLanguagesPdfIsA4WithEveryChapterNumberedPagesAndItsLastWords)
{
    for (const char *language : {"hu", "en", "de"}) {
        SCOPED_TRACE(language);
        const QString name = QStringLiteral("guide_%1").arg(QLatin1String(language));
        const QString markdown = readText(QStringLiteral(VORN_DOCS_SOURCE_DIR "/") + name + QStringLiteral(".md"));
        const QString pdf = QStringLiteral(VORN_BIN_DIR "/docs/") + name + QStringLiteral(".pdf");
        ASSERT_FALSE(markdown.isEmpty());

        QString info;
        const int pages = pdfPages(pdf, &info);
        EXPECT_GE(pages, 4);
        EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();

        const QString text = pdfText(pdf);
        const QRegularExpression chapterLine(QStringLiteral("^##+ (.+)$"), QRegularExpression::MultilineOption);
        int chapters = 0;
        for (const QRegularExpressionMatch &title : chapterLine.globalMatch(markdown)) {
            const QString plain = title.captured(1).remove(u'`').simplified();
            EXPECT_TRUE(text.contains(plain)) << plain.toStdString();
            ++chapters;
        }
        EXPECT_GE(chapters, 10);

        // The last page carries its number, and the guide's last words.
        const QString lastPage = pdfText(pdf, pages);
        EXPECT_TRUE(lastPage.contains(QStringLiteral("%1/%1").arg(pages))
                    || lastPage.contains(QStringLiteral("%1 / %1").arg(pages)))
            << lastPage.toStdString();
        const QString lastWords = markdown.trimmed().section(u'\n', -1).simplified();
        EXPECT_TRUE(lastPage.contains(lastWords)) << lastWords.toStdString();
    }
}

// Chapters a reader looks for by name, in each guide's own words: the two
// cursors, the integrity warnings, the comparison, vornctl span and batch.
TEST(UserGuide, EachLanguageHasTheNamedChaptersInItsPdfAndEveryPictureItShows)
{
    const struct {
        const char *language;
        QStringList titles;
    } guides[] = {
        {"hu", {QStringLiteral("Fájlépség-figyelmeztetések"), QStringLiteral("A két kurzor: A és B"),
                QStringLiteral("Mérések összehasonlítása"), QStringLiteral("vornctl span"),
                QStringLiteral("Egy nap mérései egyszerre")}},
        {"en", {QStringLiteral("Integrity warnings"), QStringLiteral("The two cursors A and B"),
                QStringLiteral("Comparing measurements"), QStringLiteral("vornctl span"),
                QStringLiteral("A day's measurements at once")}},
        {"de", {QStringLiteral("Integritätswarnungen"), QStringLiteral("Die zwei Cursor A und B"),
                QStringLiteral("Messungen vergleichen"), QStringLiteral("vornctl span"),
                QStringLiteral("Die Messungen eines Tages auf einmal")}},
    };
    for (const auto &guide : guides) {
        SCOPED_TRACE(guide.language);
        const QString name = QStringLiteral("guide_%1").arg(QLatin1String(guide.language));
        const QString markdown = readText(QStringLiteral(VORN_DOCS_SOURCE_DIR "/") + name + QStringLiteral(".md"));
        const QString text = pdfText(QStringLiteral(VORN_BIN_DIR "/docs/") + name + QStringLiteral(".pdf"));
        for (const QString &title : guide.titles) {
            const QRegularExpression heading(QStringLiteral("^##+ ") + QRegularExpression::escape(title) + u'$',
                                             QRegularExpression::MultilineOption);
            EXPECT_TRUE(heading.match(markdown).hasMatch()) << title.toStdString();
            EXPECT_TRUE(text.contains(title)) << title.toStdString();
        }
        // A picture the guide names but the folder lacks would print as its
        // caption in brackets.
        const QRegularExpression picture(QStringLiteral("!\\[[^\\]]*\\]\\((images/[^)]+)\\)"));
        int pictures = 0;
        for (const QRegularExpressionMatch &match : picture.globalMatch(markdown)) {
            EXPECT_TRUE(QFile::exists(QStringLiteral(VORN_DOCS_SOURCE_DIR "/") + match.captured(1)))
                << match.captured(1).toStdString();
            ++pictures;
        }
        EXPECT_GE(pictures, 16);
    }
}

TEST(UserGuide, AMissingPictureLeavesItsTextAndAWidePictureFitsThePage)
{
    QTemporaryDir dir;
    QImage wide(3000, 200, QImage::Format_RGB32);
    wide.fill(Qt::red);
    ASSERT_TRUE(wide.save(dir.filePath(QStringLiteral("wide.png"))));
    QFile guide(dir.filePath(QStringLiteral("guide.md")));
    ASSERT_TRUE(guide.open(QIODevice::WriteOnly));
    guide.write("# Title\n\n## Pictures\n\n![a lost picture](images/gone.png)\n\n![wide](wide.png)\n");
    guide.close();

    const QString pdf = dir.filePath(QStringLiteral("guide.pdf"));
    const ToolRun made = run(QStringLiteral(VORN_GUIDE_TOOL), {guide.fileName(), pdf});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    EXPECT_TRUE(made.err.contains(QStringLiteral("gone.png")));
    EXPECT_EQ(pdfPages(pdf), 2);
    EXPECT_TRUE(pdfText(pdf, 2).contains(QStringLiteral("[a lost picture]")));

    // The red band spans most of the page between its side margins.
    ASSERT_EQ(run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-f"),
                                               QStringLiteral("2"), QStringLiteral("-png"), pdf,
                                               dir.filePath(QStringLiteral("page"))}).exitCode, 0);
    const QImage page(dir.filePath(QStringLiteral("page-2.png")));
    ASSERT_FALSE(page.isNull());
    int left = page.width(), right = -1;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    const int margin = qRound(15 / 25.4 * 40); // less than the page's side margins
    EXPECT_GE(left, margin);
    EXPECT_LE(right, page.width() - margin);
    EXPECT_GT(right - left, page.width() / 2);
}
