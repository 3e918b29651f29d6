// The guide's PDF: Markdown read by QTextDocument, paged onto A4 through
// QPdfWriter with a title page, a chapter list and page numbers.
#include "GuidePdf.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <memory>

namespace vorn::guide {

namespace {

constexpr int kDpi = 300;
// Qt sizes pictures in pixels of a 96 dpi screen.
constexpr qreal kPictureDpi = 96;
constexpr qreal kSideMarginMm = 20;
constexpr qreal kTopMarginMm = 18;
constexpr qreal kBottomMarginMm = 24;
constexpr qreal kFooterFromBottomMm = 12;
constexpr qreal kBodyPointSize = 10.5;
constexpr qreal kTitlePointSize = 26;
// A picture may fill at most this share of a page's height, so that its
// caption or the text around it still fits beside it.
constexpr qreal kPictureHeightShare = 0.85;

int dots(qreal mm)
{
    return qRound(mm / 25.4 * kDpi);
}

// Lengths of frames and tables (margins, padding, fixed widths) are in
// pixels of a 96 dpi screen; Qt scales them to the PDF.
qreal framePixels(qreal mm)
{
    return mm / 25.4 * kPictureDpi;
}

struct PageFrame {
    QRect page;   // the whole A4 sheet, in dots
    QRect body;   // where the text goes
    int footerBaseline = 0;
};

PageFrame a4Frame()
{
    PageFrame frame;
    frame.page = QRect(QPoint(0, 0), QPageSize(QPageSize::A4).sizePixels(kDpi));
    frame.body = frame.page.adjusted(dots(kSideMarginMm), dots(kTopMarginMm), -dots(kSideMarginMm),
                                     -dots(kBottomMarginMm));
    frame.footerBaseline = frame.page.bottom() - dots(kFooterFromBottomMm);
    return frame;
}

QFont bodyFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    font.setPointSizeF(kBodyPointSize);
    // Any letter spacing turns Qt's ligatures off: with "fi" as one glyph
    // the PDF's text reads "ﬁ", and a search for "Grafikon" finds nothing.
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.1);
    return font;
}

// Code blocks keep their lines unbroken on screen; on the page a line wider
// than the text column would be cut off, so it wraps like a paragraph.
void wrapCodeLines(QTextDocument &doc)
{
    QTextCursor cursor(&doc);
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (!format.nonBreakableLines())
            continue;
        format.setNonBreakableLines(false);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
}

std::unique_ptr<QTextDocument> makeDocument(const QString &markdown, QPaintDevice *device)
{
    auto doc = std::make_unique<QTextDocument>();
    doc->setDefaultFont(bodyFont());
    doc->setDocumentMargin(0);
    // Layout in the PDF's own units, so that text measures as it prints.
    doc->documentLayout()->setPaintDevice(device);
    doc->setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    wrapCodeLines(*doc);
    return doc;
}

// The front matter (before the first chapter heading) and the chapters.
std::pair<QString, QString> splitAtFirstChapter(const QString &markdown)
{
    static const QRegularExpression chapter(QStringLiteral("^## "),
                                            QRegularExpression::MultilineOption);
    const qsizetype at = markdown.indexOf(chapter);
    if (at < 0)
        return {markdown, QString()};
    return {markdown.left(at), markdown.mid(at)};
}

struct PictureSpot {
    int position;
    QTextImageFormat format;
};

QList<PictureSpot> pictureSpots(const QTextDocument &doc)
{
    QList<PictureSpot> spots;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            // Equal pictures side by side share one fragment, one character each.
            for (int i = 0; i < fragment.length(); ++i)
                spots.append({fragment.position() + i, fragment.charFormat().toImageFormat()});
        }
    }
    return spots;
}

// Loads every picture beside the Markdown file and scales it down to maxSize
// (in Qt's picture units); a missing one becomes its alternative text.
void placePictures(QTextDocument &doc, const QDir &folder, const QSizeF &maxSize, QStringList &warnings)
{
    const QList<PictureSpot> spots = pictureSpots(doc);
    // From the end, so that a replaced picture does not move the ones before.
    for (auto spot = spots.rbegin(); spot != spots.rend(); ++spot) {
        QTextImageFormat format = spot->format;
        QTextCursor cursor(&doc);
        cursor.setPosition(spot->position);
        cursor.setPosition(spot->position + 1, QTextCursor::KeepAnchor);
        const QString path = folder.filePath(format.name());
        const QImage image(path);
        if (image.isNull()) {
            warnings << QStringLiteral("picture %1 cannot be read; its text stands in its place").arg(path);
            QTextCharFormat italic;
            italic.setFontItalic(true);
            const QString alt = format.property(QTextFormat::ImageAltText).toString();
            cursor.insertText(u'[' + (alt.isEmpty() ? format.name() : alt) + u']', italic);
            continue;
        }
        doc.addResource(QTextDocument::ImageResource, QUrl(format.name()), image);
        QSizeF size = image.size();
        if (size.width() > maxSize.width() || size.height() > maxSize.height())
            size = size.scaled(maxSize, Qt::KeepAspectRatio);
        format.setWidth(size.width());
        format.setHeight(size.height());
        cursor.setCharFormat(format);
    }
}

bool isCode(const QTextBlock &block)
{
    return block.isValid() && block.blockFormat().hasProperty(QTextFormat::BlockCodeFence);
}

void setBlockFormat(const QTextBlock &block, const QTextBlockFormat &format)
{
    QTextCursor(block).setBlockFormat(format);
}

// Tables with thin rules.
void styleTables(QTextDocument &doc)
{
    for (QTextFrame *frame : doc.rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorder(framePixels(0.2));
        format.setBorderBrush(Qt::gray);
        format.setCellSpacing(0);
        format.setTopMargin(framePixels(1.5));
        format.setBottomMargin(framePixels(1.5));
        format.setCellPadding(framePixels(1));
        table->setFormat(format);
    }
}

// Code on a grey ground, set off from the text around it.
void styleCode(QTextDocument &doc)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (!isCode(block))
            continue;
        QTextBlockFormat format = block.blockFormat();
        format.setBackground(QColor(0xEE, 0xEE, 0xEE));
        if (!isCode(block.previous()))
            format.setTopMargin(framePixels(1));
        if (!isCode(block.next()))
            format.setBottomMargin(framePixels(3));
        setBlockFormat(block, format);
    }
}

int pageOf(const QTextDocument &doc, const QTextBlock &block)
{
    return int(doc.documentLayout()->blockBoundingRect(block).top() / doc.pageSize().height());
}

// Lays the whole document out again. After edits Qt lays out only part of
// it, and may leave the last block without lines.
void relayout(QTextDocument &doc)
{
    doc.setPageSize(doc.pageSize());
}

void breakBefore(QTextDocument &doc, const QTextBlock &block)
{
    QTextBlockFormat format = block.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    setBlockFormat(block, format);
    relayout(doc);
}

// The last block of the group that `block` opens and that must not be split
// at a page's foot: a heading with the block after it; a piece of code, with
// the line introducing it (one that ends in a colon). Invalid when `block`
// opens no such group.
QTextBlock groupEnd(const QTextBlock &block)
{
    if (block.blockFormat().headingLevel() > 0)
        return block.next();
    QTextBlock code;
    if (isCode(block) && !isCode(block.previous()))
        code = block;
    else if (!isCode(block) && block.text().endsWith(u':') && isCode(block.next()))
        code = block.next();
    else
        return {};
    while (isCode(code.next()))
        code = code.next();
    return code;
}

// Such a group that would be split moves to the next page as a whole.
void keepTogether(QTextDocument &doc)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextBlock end = groupEnd(block);
        if (end.isValid() && pageOf(doc, end) > pageOf(doc, block))
            breakBefore(doc, block);
    }
}

struct Chapter {
    QString title;
    int page; // counted from the title page, which is page 1
};

QList<Chapter> chapters(const QTextDocument &body)
{
    QList<Chapter> list;
    for (QTextBlock block = body.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 2)
            list.append({block.text(), pageOf(body, block) + 2});
    }
    return list;
}

void appendChapterList(QTextDocument &front, const QList<Chapter> &list)
{
    if (list.isEmpty())
        return;
    QTextCursor cursor(&front);
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    QTextTableFormat tableFormat;
    tableFormat.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    tableFormat.setCellPadding(framePixels(0.8));
    tableFormat.setTopMargin(framePixels(12));
    tableFormat.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    tableFormat.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 88),
                                           QTextLength(QTextLength::PercentageLength, 12)});
    QTextTable *table = cursor.insertTable(int(list.size()), 2, tableFormat);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    for (int row = 0; row < list.size(); ++row) {
        table->cellAt(row, 0).firstCursorPosition().insertText(list[row].title);
        QTextCursor page = table->cellAt(row, 1).firstCursorPosition();
        page.setBlockFormat(right);
        page.insertText(QString::number(list[row].page));
    }
}

// The title page's text: centred, the main heading large.
QString shapeTitlePage(QTextDocument &front)
{
    QString title;
    for (QTextBlock block = front.begin(); block.isValid(); block = block.next()) {
        QTextCursor cursor(block);
        QTextBlockFormat format = block.blockFormat();
        format.setAlignment(Qt::AlignHCenter);
        cursor.setBlockFormat(format);
        if (format.headingLevel() != 1)
            continue;
        if (title.isEmpty())
            title = block.text();
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat big;
        big.setFontPointSize(kTitlePointSize);
        cursor.mergeCharFormat(big);
    }
    return title;
}

void drawFooter(QPainter &painter, const PageFrame &frame, const QString &title, int page, int pages)
{
    QFont font = bodyFont();
    font.setPointSizeF(kBodyPointSize - 2);
    painter.setFont(font);
    painter.setPen(QPen(Qt::darkGray, dots(0.2)));
    const int lineY = frame.footerBaseline - painter.fontMetrics().ascent() - dots(2);
    painter.drawLine(frame.body.left(), lineY, frame.body.right(), lineY);
    const QRect band(frame.body.left(), lineY, frame.body.width(), frame.footerBaseline - lineY + dots(2));
    painter.drawText(band, Qt::AlignLeft | Qt::AlignBottom, title);
    painter.drawText(band, Qt::AlignRight | Qt::AlignBottom,
                     QStringLiteral("%1 / %2").arg(page).arg(pages));
}

// Draws the slice of the paged document that belongs on page `index`.
void drawBodyPage(QPainter &painter, QTextDocument &doc, int index, const QRect &body)
{
    const qreal height = doc.pageSize().height();
    painter.save();
    painter.translate(body.left(), body.top() - index * height);
    QAbstractTextDocumentLayout::PaintContext context;
    // One dot less at the foot: the top edge of a picture that opens the
    // next page must not show here.
    context.clip = QRectF(0, index * height, body.width(), height - 1);
    painter.setClipRect(context.clip);
    doc.documentLayout()->draw(&painter, context);
    painter.restore();
}

void drawTitlePage(QPainter &painter, QTextDocument &front, const PageFrame &frame)
{
    painter.save();
    painter.translate(frame.body.left(), frame.body.top() + frame.body.height() / 8);
    front.drawContents(&painter);
    painter.restore();
}

// The chapters, paged onto the text area of the A4 sheets.
std::unique_ptr<QTextDocument> chapterDocument(const QString &text, QPdfWriter &writer,
                                               const PageFrame &frame, const QDir &folder,
                                               QStringList &warnings)
{
    auto body = makeDocument(text, &writer);
    body->setPageSize(frame.body.size());
    const qreal toPictureUnits = kPictureDpi / kDpi;
    placePictures(*body, folder,
                  QSizeF(frame.body.width() * toPictureUnits,
                         frame.body.height() * kPictureHeightShare * toPictureUnits),
                  warnings);
    styleTables(*body);
    styleCode(*body);
    relayout(*body);
    keepTogether(*body);
    return body;
}

// The title page, then each page of the chapters with its footer. False when
// the PDF cannot be finished.
bool paintGuide(QPdfWriter &writer, QTextDocument &front, QTextDocument &body, int bodyPages,
                const PageFrame &frame, const QString &title)
{
    QPainter painter(&writer);
    drawTitlePage(painter, front, frame);
    for (int index = 0; index < bodyPages; ++index) {
        writer.newPage();
        drawBodyPage(painter, body, index, frame.body);
        drawFooter(painter, frame, title, index + 2, bodyPages + 1);
    }
    return painter.end();
}

} // namespace

GuideResult writeGuidePdf(const QString &markdownPath, const QString &pdfPath)
{
    GuideResult result;
    QFile source(markdownPath);
    if (!source.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("cannot read %1: %2").arg(markdownPath, source.errorString());
        return result;
    }
    const auto [frontText, bodyText] = splitAtFirstChapter(QString::fromUtf8(source.readAll()));

    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = QStringLiteral("cannot write %1: %2").arg(pdfPath, file.errorString());
        return result;
    }
    QPdfWriter writer(&file);
    writer.setResolution(kDpi);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setCreator(QStringLiteral("vorn_guide"));
    const PageFrame frame = a4Frame();

    auto body = chapterDocument(bodyText, writer, frame, QFileInfo(markdownPath).absoluteDir(),
                                result.warnings);
    auto front = makeDocument(frontText, &writer);
    front->setTextWidth(frame.body.width());
    const QString title = shapeTitlePage(*front);
    appendChapterList(*front, chapters(*body));
    writer.setTitle(title);

    const int bodyPages = bodyText.isEmpty() ? 0 : body->pageCount();
    if (!paintGuide(writer, *front, *body, bodyPages, frame, title) || !file.commit()) {
        result.error = QStringLiteral("cannot write %1: %2").arg(pdfPath, file.errorString());
        return result;
    }
    result.pages = 1 + bodyPages;
    result.ok = true;
    return result;
}

} // namespace vorn::guide
