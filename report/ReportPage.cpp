#include "report/ReportPage.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <algorithm>
#include <stdexcept>

namespace {

[[noreturn]] void Fail(const QString& path, const QString& what) {
    throw std::runtime_error(
        QStringLiteral("The page description %1 cannot be used: %2").arg(path, what).toStdString());
}

// Reads the fields of one JSON object, naming the object and the field in every error.
class Fields {
public:
    Fields(const QString& path, const QJsonObject& object, QString where)
        : m_path(path), m_object(object), m_where(std::move(where)) {}

    QJsonValue Get(const char* key) const {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (value.isUndefined()) Fail(m_path, QStringLiteral("%1 has no \"%2\"").arg(m_where, key));
        return value;
    }
    QString String(const char* key) const {
        const QJsonValue v = Get(key);
        if (!v.isString()) Wrong(key, "a text");
        return v.toString();
    }
    int Int(const char* key) const {
        const QJsonValue v = Get(key);
        const double d = v.toDouble(-1e300);
        if (!v.isDouble() || d != static_cast<int>(d)) Wrong(key, "a whole number");
        return static_cast<int>(d);
    }
    double Double(const char* key) const {
        const QJsonValue v = Get(key);
        if (!v.isDouble()) Wrong(key, "a number");
        return v.toDouble();
    }
    bool Bool(const char* key) const {
        const QJsonValue v = Get(key);
        if (!v.isBool()) Wrong(key, "true or false");
        return v.toBool();
    }
    QJsonObject Object(const char* key) const {
        const QJsonValue v = Get(key);
        if (!v.isObject()) Wrong(key, "an object");
        return v.toObject();
    }
    QJsonArray Array(const char* key) const {
        const QJsonValue v = Get(key);
        if (!v.isArray()) Wrong(key, "a list");
        return v.toArray();
    }

private:
    [[noreturn]] void Wrong(const char* key, const char* expected) const {
        Fail(m_path, QStringLiteral("\"%1\" of %2 is not %3").arg(key, m_where, expected));
    }

    const QString& m_path;
    QJsonObject m_object;
    QString m_where;
};

ReportFont ReadFont(const QString& path, const QJsonObject& object, const QString& name) {
    const Fields f(path, object, QStringLiteral("font \"%1\"").arg(name));
    ReportFont font;
    font.family = f.String("family");
    font.pointSize = f.Int("pointSize");
    font.bold = f.Bool("bold");
    font.color = QColor(f.String("color"));
    font.characterHeight = f.Int("characterHeight");
    font.advance = f.Int("advance");
    font.lineHeight = f.Int("lineHeight");
    if (!font.color.isValid() || font.pointSize <= 0 || font.advance <= 0 || font.lineHeight <= 0) {
        Fail(path, QStringLiteral("font \"%1\" has an impossible colour or size").arg(name));
    }
    return font;
}

ReportPageSettings ReadSettings(const QString& path, const QJsonObject& object) {
    const Fields f(path, object, QStringLiteral("the page"));
    ReportPageSettings s;
    s.paper = f.String("paper");
    s.paperWidthMm = f.Double("paperWidthMm");
    s.paperHeightMm = f.Double("paperHeightMm");
    const QString orientation = f.String("orientation");
    if (orientation != QLatin1String("portrait") && orientation != QLatin1String("landscape")) {
        Fail(path, QStringLiteral("the orientation \"%1\" is unknown").arg(orientation));
    }
    s.orientation =
        orientation == QLatin1String("portrait") ? QPageLayout::Portrait : QPageLayout::Landscape;
    const Fields values(path, f.Object("values"), QStringLiteral("the page values"));
    s.topMargin = values.Int("topMargin");
    s.bottomMargin = values.Int("bottomMargin");
    s.leftMargin = values.Int("leftMargin");
    s.rightMargin = values.Int("rightMargin");
    s.columnSpace = values.Int("columnSpace");
    s.columns = f.Int("columns");
    s.printIfEmpty = f.Bool("printIfEmpty");
    s.reportTitle = f.String("reportTitle");
    s.showProgress = f.Bool("showProgress");
    s.dataSet = f.String("dataSet");
    const Fields printer(path, f.Object("printer"), QStringLiteral("the printer settings"));
    s.printer.printerName = printer.String("printerName");
    s.printer.copies = printer.Int("copies");
    s.printer.duplex = printer.Bool("duplex");
    s.printer.firstPage = printer.Int("firstPage");
    s.printer.lastPage = printer.Int("lastPage");
    s.printer.outputBin = printer.String("outputBin");
    return s;
}

const QMap<QString, ReportElement::Kind> kKinds = {
    {QStringLiteral("label"), ReportElement::Kind::Label},
    {QStringLiteral("rectangle"), ReportElement::Kind::Rectangle},
    {QStringLiteral("verticalLine"), ReportElement::Kind::VerticalLine},
    {QStringLiteral("horizontalLine"), ReportElement::Kind::HorizontalLine},
};

}  // namespace

QPageLayout ReportPageSettings::PageLayout() const {
    return QPageLayout(QPageSize(QSizeF(paperWidthMm, paperHeightMm), QPageSize::Millimeter,
                                 QString(), QPageSize::FuzzyMatch),
                       orientation, QMarginsF());
}

QStringList ReportElement::Lines() const {
    QString plain = text;
    plain.remove(QLatin1Char('\n'));
    return plain.split(QLatin1Char('\r'));
}

void ReportElement::SetText(const QString& newText) {
    text = newText;
    const QStringList lines = Lines();
    qsizetype longest = 0;
    for (const QString& line : lines) {
        longest = std::max(longest, static_cast<qsizetype>(line.toUcs4().size()));
    }
    // Widths beyond what a page could ever show are capped so that sums cannot overflow.
    constexpr qsizetype kMaxCells = 1 << 20;
    box.setWidth(static_cast<int>(std::min(longest, kMaxCells)) * font.advance + 1);
    const int height =
        static_cast<int>(std::min<qsizetype>(lines.size(), kMaxCells)) * font.lineHeight + 1;
    if (box.height() < height) box.setHeight(height);
}

ReportElement* ReportPage::Find(QStringView name) {
    const auto it = std::find_if(elements.begin(), elements.end(),
                                 [name](const ReportElement& e) { return e.name == name; });
    return it == elements.end() ? nullptr : &*it;
}

const ReportElement* ReportPage::Find(QStringView name) const {
    return const_cast<ReportPage*>(this)->Find(name);
}

ReportPage ReportPage::Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) Fail(path, file.errorString());
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError) {
        Fail(path, QStringLiteral("%1 at offset %2").arg(error.errorString()).arg(error.offset));
    }
    if (!document.isObject()) Fail(path, QStringLiteral("it is not an object"));

    const Fields root(path, document.object(), QStringLiteral("the description"));
    ReportPage page;
    page.className = root.String("class");
    page.settings = ReadSettings(path, root.Object("page"));

    QMap<QString, ReportFont> fonts;
    const QJsonObject fontObjects = root.Object("fonts");
    for (auto it = fontObjects.begin(); it != fontObjects.end(); ++it) {
        fonts.insert(it.key(), ReadFont(path, it.value().toObject(), it.key()));
    }

    const QJsonArray elements = root.Array("elements");
    for (qsizetype i = 0; i < elements.size(); ++i) {
        const Fields f(path, elements.at(i).toObject(), QStringLiteral("element %1").arg(i + 1));
        ReportElement e;
        e.name = f.String("name");
        const Fields named(path, elements.at(i).toObject(),
                           QStringLiteral("element \"%1\"").arg(e.name));
        const QString kind = named.String("kind");
        if (!kKinds.contains(kind))
            Fail(path,
                 QStringLiteral("element \"%1\" is of unknown kind \"%2\"").arg(e.name, kind));
        e.kind = kKinds.value(kind);
        e.box = QRect(named.Int("left"), named.Int("top"), named.Int("width"), named.Int("height"));
        if (e.kind == ReportElement::Kind::Label) {
            e.text = named.String("text");
            const QString font = named.String("font");
            if (!fonts.contains(font))
                Fail(path, QStringLiteral("element \"%1\" uses the unknown font \"%2\"")
                               .arg(e.name, font));
            e.font = fonts.value(font);
            e.enabled = named.Bool("enabled");
        }
        if (page.Find(e.name))
            Fail(path, QStringLiteral("element \"%1\" is listed twice").arg(e.name));
        page.elements.push_back(std::move(e));
    }
    return page;
}
