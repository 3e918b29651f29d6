// Reads a report template from its stored JSON form: pages with paper and
// margins, one report-title band each, and the named objects with their
// geometry, font, alignment, designed content and drawing flags.
#include "engines/ReportTemplate.h"

#include "engines/ReportLogo.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextDocument>

#include <algorithm>

namespace vorn::report {

namespace {

// Thrown inside the parser only; parse() turns it into its error text.
struct TemplateError {
    QString text;
};

[[noreturn]] void fail(const QString &where, const QString &what)
{
    throw TemplateError{where.isEmpty() ? what : QStringLiteral("%1: %2").arg(where, what)};
}

void checkKeys(const QJsonObject &json, std::initializer_list<const char16_t *> allowed, const QString &where)
{
    for (auto it = json.begin(); it != json.end(); ++it) {
        const bool known = std::any_of(allowed.begin(), allowed.end(),
                                       [&](const char16_t *key) { return it.key() == QStringView(key); });
        if (!known)
            fail(where, QStringLiteral("unknown key \"%1\"").arg(it.key()));
    }
}

std::vector<double> numbers(const QJsonValue &value, int count, const QString &where, const QString &key)
{
    const QJsonArray array = value.toArray();
    std::vector<double> result;
    for (const QJsonValue &item : array) {
        if (item.isDouble())
            result.push_back(item.toDouble());
    }
    if (!value.isArray() || array.size() != count || int(result.size()) != count)
        fail(where, QStringLiteral("\"%1\" must be %2 numbers").arg(key).arg(count));
    return result;
}

QPageLayout readPageLayout(const QJsonObject &json, const QString &where)
{
    const QString paper = json.value(u"paper").toString(QStringLiteral("A4"));
    QPageSize::PageSizeId sizeId = QPageSize::Custom;
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        if (QPageSize::key(QPageSize::PageSizeId(id)).compare(paper, Qt::CaseInsensitive) == 0)
            sizeId = QPageSize::PageSizeId(id);
    }
    if (sizeId == QPageSize::Custom)
        fail(where, QStringLiteral("unknown paper \"%1\"").arg(paper));
    const QString orientation = json.value(u"orientation").toString(QStringLiteral("portrait"));
    if (orientation != u"portrait" && orientation != u"landscape")
        fail(where, QStringLiteral("orientation must be \"portrait\" or \"landscape\""));
    const std::vector<double> m = numbers(json.value(u"margins"), 4, where, QStringLiteral("margins"));
    return QPageLayout(QPageSize(sizeId),
                       orientation == u"portrait" ? QPageLayout::Portrait : QPageLayout::Landscape,
                       QMarginsF(m[0], m[1], m[2], m[3]), QPageLayout::Millimeter);
}

// A value of the object, else of the template's defaults.
QJsonValue styleValue(const QJsonObject &json, const QJsonObject &defaults, const char16_t *key)
{
    return json.contains(key) ? json.value(key) : defaults.value(key);
}

QFont readFont(const QJsonObject &json, const QJsonObject &defaults)
{
    QFont font(styleValue(json, defaults, u"family").toString(QStringLiteral("Arial")));
    font.setPointSizeF(styleValue(json, defaults, u"pt").toDouble(10.0));
    font.setBold(styleValue(json, defaults, u"bold").toBool(false));
    font.setItalic(styleValue(json, defaults, u"italic").toBool(false));
    return font;
}

void readMemoStyle(const QJsonObject &json, const QJsonObject &defaults, ReportObject &object, const QString &where)
{
    object.setFont(readFont(json, defaults));
    const QColor color = QColor::fromString(styleValue(json, defaults, u"color").toString(QStringLiteral("#000000")));
    if (!color.isValid())
        fail(where, QStringLiteral("\"color\" is not a colour"));
    object.setFontColor(color);
    const QString align = styleValue(json, defaults, u"align").toString(QStringLiteral("left"));
    if (align == u"left")
        object.setAlignment(Qt::AlignLeft);
    else if (align == u"center")
        object.setAlignment(Qt::AlignHCenter);
    else if (align == u"right")
        object.setAlignment(Qt::AlignRight);
    else
        fail(where, QStringLiteral("\"align\" must be \"left\", \"center\" or \"right\""));
    object.setText(json.value(u"text").toString());
    object.wordWrap = json.value(u"wrap").toBool(true);
    object.clipped = json.value(u"clip").toBool(true);
}

void readPictureContent(const QJsonObject &json, ReportObject &object, const QString &where)
{
    for (const QJsonValue &flag : json.value(u"flags").toArray()) {
        const QString name = flag.toString();
        if (name == u"stretched")
            object.stretched = true;
        else if (name == u"keepAspect")
            object.keepAspect = true;
        else if (name == u"centred")
            object.centred = true;
        else if (name == u"smoothed")
            object.smoothed = true;
        else
            fail(where, QStringLiteral("unknown picture flag \"%1\"").arg(name));
    }
    const QString source = json.value(u"source").toString();
    if (source.isEmpty())
        return;
    if (source.endsWith(u".svg", Qt::CaseInsensitive)) {
        const std::vector<double> size = numbers(json.value(u"sourceSize"), 2, where, QStringLiteral("sourceSize"));
        const QPicture picture = svgPicture(source, QSizeF(size[0], size[1]));
        if (picture.isNull())
            fail(where, QStringLiteral("cannot read the drawing %1").arg(source));
        object.setPicture(picture, QSizeF(size[0], size[1]));
    } else {
        const QImage image(source);
        if (image.isNull())
            fail(where, QStringLiteral("cannot read the picture %1").arg(source));
        object.setImage(image);
    }
}

void readRichText(const QJsonObject &json, const QJsonObject &defaults, ReportObject &object, const QString &where)
{
    const std::vector<double> gap = json.contains(u"gap")
        ? numbers(json.value(u"gap"), 2, where, QStringLiteral("gap")) : std::vector<double>{0, 0};
    object.innerGapX = gap[0];
    object.innerGapY = gap[1];
    object.setFont(readFont(json, defaults));
    QTextDocument designed;
    designed.setDefaultFont(object.font());
    object.setDocument(designed);
}

ReportObject readObject(const QJsonObject &json, const QJsonObject &defaults, const QString &pageName)
{
    const QString name = json.value(u"name").toString();
    const QString where = QStringLiteral("%1, object \"%2\"").arg(pageName, name);
    if (name.isEmpty())
        fail(pageName, QStringLiteral("an object without a name"));
    checkKeys(json, {u"name", u"kind", u"rect", u"text", u"family", u"pt", u"bold", u"italic", u"color",
                     u"align", u"wrap", u"clip", u"flags", u"source", u"sourceSize", u"gap"}, where);
    const QString kind = json.value(u"kind").toString();
    ReportObjectKind objectKind = ReportObjectKind::Shape;
    if (kind == u"memo")
        objectKind = ReportObjectKind::Memo;
    else if (kind == u"picture")
        objectKind = ReportObjectKind::Picture;
    else if (kind == u"richtext")
        objectKind = ReportObjectKind::RichText;
    else if (kind != u"shape")
        fail(where, QStringLiteral("unknown kind \"%1\"").arg(kind));
    ReportObject object(objectKind, name);
    const std::vector<double> r = numbers(json.value(u"rect"), 4, where, QStringLiteral("rect"));
    if (r[2] < 0 || r[3] < 0)
        fail(where, QStringLiteral("negative width or height"));
    object.setGeometry(QRectF(r[0], r[1], r[2], r[3]));
    if (objectKind == ReportObjectKind::Memo)
        readMemoStyle(json, defaults, object, where);
    else if (objectKind == ReportObjectKind::Picture)
        readPictureContent(json, object, where);
    else if (objectKind == ReportObjectKind::RichText)
        readRichText(json, defaults, object, where);
    return object;
}

std::vector<ReportObject> readObjects(const QJsonValue &value, const QJsonObject &defaults, const QString &pageName)
{
    std::vector<ReportObject> objects;
    for (const QJsonValue &item : value.toArray()) {
        if (!item.isObject())
            fail(pageName, QStringLiteral("an object must be a JSON object"));
        objects.push_back(readObject(item.toObject(), defaults, pageName));
    }
    return objects;
}

ReportPage readPage(const QJsonObject &json, const QJsonObject &defaults)
{
    ReportPage page;
    page.name = json.value(u"name").toString();
    if (page.name.isEmpty())
        fail(QString(), QStringLiteral("a page without a name"));
    checkKeys(json, {u"name", u"paper", u"orientation", u"margins", u"visible", u"band", u"objects"}, page.name);
    page.visible = json.value(u"visible").toBool(true);
    page.layout = readPageLayout(json, page.name);
    page.pageObjects = readObjects(json.value(u"objects"), defaults, page.name);
    const QJsonObject band = json.value(u"band").toObject();
    checkKeys(band, {u"name", u"top", u"height", u"objects"}, page.name);
    page.bandName = band.value(u"name").toString();
    page.bandTop = band.value(u"top").toDouble();
    page.bandHeight = band.value(u"height").toDouble();
    page.bandObjects = readObjects(band.value(u"objects"), defaults, page.name);
    return page;
}

// Object names are unique regardless of letter case: lookup relies on it.
void checkUniqueNames(const std::vector<ReportPage> &pages)
{
    QStringList seen;
    for (const ReportPage &page : pages) {
        for (const auto *objects : {&page.pageObjects, &page.bandObjects}) {
            for (const ReportObject &object : *objects) {
                if (seen.contains(object.name(), Qt::CaseInsensitive))
                    fail(page.name, QStringLiteral("the name \"%1\" is used twice").arg(object.name()));
                seen << object.name();
            }
        }
    }
}

} // namespace

bool ReportTemplate::parse(const QByteArray &text, ReportTemplate &out, QString *error)
{
    QJsonParseError jsonError;
    const QJsonDocument json = QJsonDocument::fromJson(text, &jsonError);
    try {
        if (jsonError.error != QJsonParseError::NoError) {
            const int line = int(text.left(jsonError.offset).count('\n')) + 1;
            fail(QStringLiteral("line %1").arg(line), jsonError.errorString());
        }
        const QJsonObject root = json.object();
        checkKeys(root, {u"template", u"units", u"defaults", u"pages"}, QString());
        std::vector<ReportPage> pages;
        for (const QJsonValue &page : root.value(u"pages").toArray())
            pages.push_back(readPage(page.toObject(), root.value(u"defaults").toObject()));
        if (pages.empty())
            fail(QString(), QStringLiteral("the template has no page"));
        checkUniqueNames(pages);
        out.m_pages = std::move(pages);
        out.m_prepared.clear();
        return true;
    } catch (const TemplateError &e) {
        if (error)
            *error = e.text;
        return false;
    }
}

ReportTemplate ReportTemplate::testReport()
{
    QFile file(QStringLiteral(":/report/test_report.json"));
    ReportTemplate report;
    QString error;
    if (!file.open(QIODevice::ReadOnly) || !parse(file.readAll(), report, &error))
        qCritical("The designed test report cannot be read: %s", qPrintable(error));
    return report;
}

} // namespace vorn::report
