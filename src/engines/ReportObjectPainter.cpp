// Draws memos, pictures, rich-text boxes and shapes of a report page.
#include "engines/ReportObjectPainter.h"

#include "engines/ReportFonts.h"
#include "engines/ReportObject.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <limits>

namespace vorn::report {

namespace {

QTextOption memoTextOption(const ReportObject &memo)
{
    QTextOption option(memo.alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(memo.wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    option.setUseDesignMetrics(true);
    return option;
}

// Lays out one paragraph of a memo from `top` and draws the lines that fit
// whole above `limit`; the memo's very first line is drawn in any case, cut
// by the clip. Coordinates are layout units from the text's top-left corner.
// Returns the top of the next line.
double drawMemoParagraph(QPainter &painter, const ReportObject &memo, const QString &paragraph, double top,
                         double limit)
{
    const double width = std::max(0.0, memo.geometry().width() - 2 * ReportObject::kGapX) * kLayoutScale;
    const bool firstOfMemo = top == ReportObject::kGapY * kLayoutScale;
    QTextLayout layout(paragraph, reportFont(memo.font()), textLayoutDevice());
    layout.setTextOption(memoTextOption(memo));
    layout.beginLayout();
    double y = top;
    while (y < limit) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if ((i == 0 && firstOfMemo) || line.y() + line.height() <= limit + 0.01)
            line.draw(&painter, QPointF(0, 0));
    }
    return y;
}

void drawMemo(QPainter &painter, const ReportObject &memo, const QRectF &box)
{
    if (memo.text().isEmpty())
        return;
    painter.save();
    if (memo.clipped)
        painter.setClipRect(box, Qt::IntersectClip);
    painter.setPen(memo.fontColor());
    painter.translate(box.left() + ReportObject::kGapX, box.top());
    painter.scale(1 / kLayoutScale, 1 / kLayoutScale);
    const double limit = memo.clipped ? box.height() * kLayoutScale : std::numeric_limits<double>::max();
    double y = ReportObject::kGapY * kLayoutScale;
    for (QString paragraph : memo.text().split(u'\n')) {
        if (y >= limit)
            break;
        if (paragraph.endsWith(u'\r'))
            paragraph.chop(1);
        y = drawMemoParagraph(painter, memo, paragraph, y, limit);
    }
    painter.restore();
}

// Where a picture of natural size `natural` lands in `box` under the flags.
QRectF pictureTarget(const ReportObject &picture, const QSizeF &natural, const QRectF &box)
{
    QSizeF size = natural;
    if (picture.stretched)
        size = picture.keepAspect ? natural.scaled(box.size(), Qt::KeepAspectRatio) : box.size();
    QPointF at = box.topLeft();
    if (picture.centred)
        at += QPointF((box.width() - size.width()) / 2, (box.height() - size.height()) / 2);
    return QRectF(at, size);
}

void drawPicture(QPainter &painter, const ReportObject &picture, const QRectF &box)
{
    if (!picture.hasPicture())
        return;
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    if (!picture.image().isNull()) {
        const QImage &image = picture.image();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, picture.smoothed);
        painter.drawImage(pictureTarget(picture, image.deviceIndependentSize(), box), image);
    } else {
        const QSizeF natural = picture.vectorSize();
        const QRectF target = pictureTarget(picture, natural, box);
        painter.translate(target.topLeft());
        painter.scale(target.width() / natural.width(), target.height() / natural.height());
        // A drawing that sets its own clip replaces the frame's clip while it
        // replays; the report's vector pictures fit their frames, so this
        // only matters for a drawing larger than its frame.
        // A picture replays scaled by the device's resolution over its own;
        // undo that, the painter already maps template units to the device.
        const QPicture &vector = picture.vectorPicture();
        const QPaintDevice *device = painter.device();
        painter.scale(double(vector.logicalDpiX()) / device->logicalDpiX(),
                      double(vector.logicalDpiY()) / device->logicalDpiY());
        painter.drawPicture(0, 0, vector);
    }
    painter.restore();
}

void drawRichText(QPainter &painter, const ReportObject &richText, const QRectF &box)
{
    QTextDocument *document = richText.document();
    if (!document)
        return;
    const QRectF inner = box.adjusted(richText.innerGapX, richText.innerGapY, -richText.innerGapX, 0);
    document->setTextWidth(std::max(0.0, inner.width()) * kLayoutScale);
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.translate(inner.topLeft());
    painter.scale(1 / kLayoutScale, 1 / kLayoutScale);
    QAbstractTextDocumentLayout::PaintContext context;
    // Text without a colour of its own prints black, whatever the desktop theme.
    context.palette.setColor(QPalette::Text, Qt::black);
    context.clip = QRectF(QPointF(0, 0), inner.size() * kLayoutScale);
    document->documentLayout()->draw(&painter, context);
    painter.restore();
}

void drawShape(QPainter &painter, const QRectF &box)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    painter.restore();
}

} // namespace

void drawReportObject(QPainter &painter, const ReportObject &object, const QPointF &origin)
{
    const QRectF box = object.geometry().translated(origin);
    switch (object.kind()) {
    case ReportObjectKind::Memo:
        drawMemo(painter, object, box);
        break;
    case ReportObjectKind::Picture:
        drawPicture(painter, object, box);
        break;
    case ReportObjectKind::RichText:
        drawRichText(painter, object, box);
        break;
    case ReportObjectKind::Shape:
        drawShape(painter, box);
        break;
    }
}

} // namespace vorn::report
