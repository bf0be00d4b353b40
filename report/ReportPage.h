#pragma once

// The appendix page as data: page settings and every element with its box in design units
// (1/96 inch, measured from the sheet's top-left corner), loaded from a page description.

#include <QColor>
#include <QPageLayout>
#include <QRect>
#include <QString>
#include <vector>

struct ReportFont {
    QString family;
    int pointSize = 10;
    bool bold = false;
    QColor color = Qt::black;
    // Design metrics of the monospaced font, in design units: the page is laid out on them.
    int characterHeight = 13;
    int advance = 8;
    int lineHeight = 16;
};

struct ReportPrinterSettings {
    QString printerName;  // empty: the system's default printer
    int copies = 1;
    bool duplex = false;
    int firstPage = 0;  // 0 and 0: all pages
    int lastPage = 0;
    QString outputBin = QStringLiteral("First");
};

struct ReportPageSettings {
    QString paper;  // "Letter"
    double paperWidthMm = 0;
    double paperHeightMm = 0;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    // In tenths of a millimetre.
    int topMargin = 0;
    int bottomMargin = 0;
    int leftMargin = 0;
    int rightMargin = 0;
    int columnSpace = 0;
    int columns = 1;
    bool printIfEmpty = false;
    QString reportTitle;
    bool showProgress = true;
    QString dataSet;  // named, never opened: the page has no data rows
    ReportPrinterSettings printer;

    // The sheet: paper and orientation, drawn from its corner (no margins).
    QPageLayout PageLayout() const;
};

class ReportElement {
public:
    enum class Kind { Label, Rectangle, VerticalLine, HorizontalLine };

    QString name;
    Kind kind = Kind::Label;
    QRect box;  // design units

    // Labels only.
    QString text;
    ReportFont font;
    bool enabled = true;

    // Sets a label's text and fits its box to it: the width becomes the longest line's width
    // plus 1, the left edge stays, the height grows to the text's height plus 1 when lower.
    // Lines are split at carriage returns; line feeds are dropped.
    void SetText(const QString& newText);

    // The text's lines as they are drawn.
    QStringList Lines() const;
};

struct ReportPage {
    QString className;
    ReportPageSettings settings;
    std::vector<ReportElement> elements;  // in drawing order

    ReportElement* Find(QStringView name);
    const ReportElement* Find(QStringView name) const;

    // Reads a page description (JSON). Throws std::runtime_error saying what is wrong when the
    // description is missing, cannot be read or lacks something the page needs.
    static ReportPage Load(const QString& path);
};
