// One named object of a report template: copying, memo lines, pictures and
// the object's own copy of a rich-text document.
#include "engines/ReportObject.h"

#include "engines/ReportFonts.h"

#include <QAbstractTextDocumentLayout>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace vorn::report {

namespace {

// The object's copy of a document is laid out for the report's text layout
// device, with design metrics (the same line breaks on screen, printer and
// PDF) and without Qt's document margin (the object's inner gaps take its
// place).
std::unique_ptr<QTextDocument> templateCopy(const QTextDocument &document)
{
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->setDocumentMargin(0);
    QTextOption option = copy->defaultTextOption();
    option.setUseDesignMetrics(true);
    copy->setDefaultTextOption(option);
    copy->documentLayout()->setPaintDevice(textLayoutDevice());
    return copy;
}

} // namespace

ReportObject::ReportObject(ReportObjectKind kind, const QString &name)
    : m_kind(kind)
    , m_name(name)
{
}

ReportObject::~ReportObject() = default;

ReportObject::ReportObject(const ReportObject &other)
    : m_kind(other.m_kind)
    , m_name(other.m_name)
{
    *this = other;
}

ReportObject &ReportObject::operator=(const ReportObject &other)
{
    if (this == &other)
        return *this;
    stretched = other.stretched;
    keepAspect = other.keepAspect;
    centred = other.centred;
    smoothed = other.smoothed;
    wordWrap = other.wordWrap;
    clipped = other.clipped;
    innerGapX = other.innerGapX;
    innerGapY = other.innerGapY;
    m_kind = other.m_kind;
    m_name = other.m_name;
    m_geometry = other.m_geometry;
    m_text = other.m_text;
    m_hasLines = other.m_hasLines;
    m_font = other.m_font;
    m_fontColor = other.m_fontColor;
    m_alignment = other.m_alignment;
    m_image = other.m_image;
    m_picture = other.m_picture;
    m_pictureSize = other.m_pictureSize;
    m_document = other.m_document ? templateCopy(*other.m_document) : nullptr;
    return *this;
}

void ReportObject::setText(const QString &text)
{
    m_text = text;
    m_hasLines = !text.isEmpty();
}

void ReportObject::addLine(const QString &line)
{
    if (m_hasLines)
        m_text += u'\n';
    m_text += line;
    m_hasLines = true;
}

void ReportObject::setImage(const QImage &image)
{
    m_picture = QPicture();
    m_pictureSize = QSizeF();
    m_image = image;
}

void ReportObject::setPicture(const QPicture &picture, const QSizeF &size)
{
    m_image = QImage();
    m_picture = picture;
    m_pictureSize = size.isEmpty() ? QSizeF(picture.boundingRect().size()) : size;
}

void ReportObject::clearPicture()
{
    m_image = QImage();
    m_picture = QPicture();
    m_pictureSize = QSizeF();
}

bool ReportObject::hasPicture() const
{
    return !m_image.isNull() || (!m_picture.isNull() && !m_pictureSize.isEmpty());
}

void ReportObject::setDocument(const QTextDocument &document)
{
    m_document = templateCopy(document);
}

void ReportObject::setAllTextColor(const QColor &color)
{
    if (!m_document)
        return;
    QTextCursor cursor(m_document.get());
    cursor.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setForeground(color);
    cursor.mergeCharFormat(format);
}

} // namespace vorn::report
