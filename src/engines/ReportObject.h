// One named object of a report template: a text memo, a picture, a rich-text
// box or a rectangle, with its place on its band in template units (screen
// pixels at 96 per inch) and its designed look and content.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPicture>
#include <QRectF>
#include <QString>

#include <memory>

class QTextDocument;

namespace vorn::report {

enum class ReportObjectKind { Memo, Picture, RichText, Shape };

class ReportObject {
public:
    ReportObject(ReportObjectKind kind, const QString &name);
    ~ReportObject();
    ReportObject(const ReportObject &other);            // deep copy (pictures, rich text)
    ReportObject &operator=(const ReportObject &other);

    ReportObjectKind kind() const { return m_kind; }
    QString name() const { return m_name; }

    // Place in template units, relative to the band that holds the object
    // (or to the page's printable area for an object placed on the page).
    QRectF geometry() const { return m_geometry; }
    void setGeometry(const QRectF &rect) { m_geometry = rect; }
    double top() const { return m_geometry.top(); }
    void setTop(double top) { m_geometry.moveTop(top); }
    double height() const { return m_geometry.height(); }
    void setHeight(double height) { m_geometry.setHeight(height); }

    // --- Memo --- Text lines joined by "\n"; font, colour and alignment.
    QString text() const { return m_text; }
    void setText(const QString &text);
    void addLine(const QString &line);  // appends a line (no blank first line on an empty memo)
    void clear() { setText(QString()); }
    QFont font() const { return m_font; }
    void setFont(const QFont &font) { m_font = font; }
    QColor fontColor() const { return m_fontColor; }
    void setFontColor(const QColor &color) { m_fontColor = color; }
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment) { m_alignment = alignment; }
    // Long lines wrap at word boundaries; text beyond the box is cut off.
    // A memo with both off prints its text in one line even where it is
    // wider or taller than its box (the verdict, whose box is small).
    bool wordWrap = true, clipped = true;
    // Distance of the text from the box's left/right and top edges.
    static constexpr double kGapX = 2.0, kGapY = 1.0;

    // --- Picture --- Either a bitmap or a vector drawing (never both).
    // Drawing flags: stretched into the frame (keeping proportions when
    // keepAspect), centred, smoothed.
    void setImage(const QImage &image);
    // size: the drawing's own size in template units (empty: its bounding rectangle's)
    void setPicture(const QPicture &picture, const QSizeF &size);
    void clearPicture();
    bool hasPicture() const;
    // The bitmap, editable in place (empty when the object holds no bitmap).
    QImage &image() { return m_image; }
    const QImage &image() const { return m_image; }
    const QPicture &vectorPicture() const { return m_picture; }
    QSizeF vectorSize() const { return m_pictureSize; }
    bool stretched = false, keepAspect = false, centred = false, smoothed = false;

    // --- Rich text --- The object keeps its own copy of the document.
    void setDocument(const QTextDocument &document);
    QTextDocument *document() const { return m_document.get(); }
    // Selects all the text and sets the colour of the selection.
    void setAllTextColor(const QColor &color);
    double innerGapX = 0, innerGapY = 0;

private:
    ReportObjectKind m_kind;
    QString m_name;
    QRectF m_geometry;
    QString m_text;
    bool m_hasLines = false;  // an empty text may still be one empty line
    QFont m_font;
    QColor m_fontColor = Qt::black;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    QImage m_image;
    QPicture m_picture;
    QSizeF m_pictureSize;
    std::unique_ptr<QTextDocument> m_document;
};

} // namespace vorn::report
