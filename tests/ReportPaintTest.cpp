// Drawing the appendix for real: into a 96-dpi image and into a Letter-size PDF.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <cmath>

#include "report/PrForm.h"

namespace {

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;

QImage Render96(const TSculpForm& form) {
    QImage image(816, 1056, QImage::Format_RGB32);  // Letter at 96 dpi
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    QPainter painter(&image);
    form.Paint(painter, QPointF(96, 96));
    return image;
}

// Whether every pixel of a column (or row) segment has the colour.
bool Column(const QImage& image, int x, int top, int bottom, QRgb colour) {
    for (int y = top; y <= bottom; ++y) {
        if (image.pixel(x, y) != colour) return false;
    }
    return true;
}
bool Row(const QImage& image, int y, int left, int right, QRgb colour) {
    for (int x = left; x <= right; ++x) {
        if (image.pixel(x, y) != colour) return false;
    }
    return true;
}
bool AllWhite(const QImage& image, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y) {
        if (!Row(image, y, r.left(), r.right(), kWhite)) return false;
    }
    return true;
}

TEST(PaintImage, FramesAndRulesWhereTheLayoutPutsThem) {
    const TSculpForm form(nullptr);
    const QImage image = Render96(form);
    image.save(QDir::current().filePath("appendix-template.png"));  // for a person to look at

    // The table's outer frame: 56..712 by 168..607 (the pen inside the box).
    EXPECT_TRUE(Column(image, 56, 168, 607, kBlack));
    EXPECT_TRUE(Column(image, 712, 168, 607, kBlack));
    EXPECT_TRUE(Row(image, 168, 56, 712, kBlack));
    EXPECT_TRUE(Row(image, 607, 56, 712, kBlack));
    EXPECT_TRUE(Column(image, 55, 168, 607, kWhite));
    EXPECT_TRUE(Column(image, 713, 168, 607, kWhite));
    // The value column's box: 464..584.
    EXPECT_TRUE(Column(image, 464, 168, 607, kBlack));
    EXPECT_TRUE(Column(image, 584, 168, 607, kBlack));
    // The rule closing the number column, at 100.5 units, and the rule under the heads, at 212.5.
    EXPECT_TRUE(Column(image, 100, 168, 607, kBlack));
    EXPECT_TRUE(Column(image, 101, 213, 606, kWhite));
    EXPECT_TRUE(Row(image, 212, 56, 712, kBlack));  // also across the value column's box
    EXPECT_TRUE(Row(image, 211, 101, 463, kWhite));
}

TEST(PaintImage, TenCharacterValueBlanksTheColumnBorder) {
    TSculpForm form(nullptr);
    ReportElement& value = form.Label(u"QRLabel68");  // row 1, top 224, 17 high
    value.SetText("123456789");
    EXPECT_TRUE(Column(Render96(form), 584, 168, 607, kBlack));
    value.SetText("1234567890");
    const QImage image = Render96(form);
    EXPECT_TRUE(Column(image, 584, 224, 240, kWhite));
    EXPECT_TRUE(Column(image, 584, 168, 223, kBlack));
    EXPECT_TRUE(Column(image, 584, 241, 607, kBlack));
}

TEST(PaintImage, OnlyEnabledLabelsWithTextDraw) {
    TSculpForm form(nullptr);
    const QRect mark(224, 720, 11, 19);
    const QRect conclusionGap(224, 722, 11, 12);
    EXPECT_TRUE(AllWhite(Render96(form), conclusionGap));  // marks start disabled
    form.Label(u"QRLabel124").enabled = true;
    EXPECT_FALSE(AllWhite(Render96(form), mark));
    form.Label(u"QRLabel124").enabled = false;

    const QRect nameCell(480, 760, 25, 17);
    EXPECT_FALSE(AllWhite(Render96(form), nameCell));  // "Fio"
    form.Label(u"QRLabel127").SetText("");
    EXPECT_TRUE(AllWhite(Render96(form), nameCell));
    // An empty value cell leaves the frame line under it alone.
    form.Label(u"QRLabel68").SetText("");
    EXPECT_TRUE(Column(Render96(form), 584, 168, 607, kBlack));
}

TEST(PaintImage, LongTextsRenderWithoutHarm) {
    TSculpForm form(nullptr);
    form.Label(u"QRLabel1").SetText(QString(200, QChar(0x416)));
    form.Label(u"QRLabel68").SetText(QString(100000, '7'));
    form.Label(u"QRLabel69").SetText(QString(1 << 20, 'x') + "\r" + QString(10, '\r'));
    const QImage image = Render96(form);
    // The long texts run to the sheet's right edge and no further harm is done.
    EXPECT_FALSE(AllWhite(image, QRect(800, 48, 16, 19)));
    EXPECT_FALSE(AllWhite(image, QRect(800, 224, 16, 17)));
    EXPECT_TRUE(Column(image, 56, 168, 607, kBlack));
    EXPECT_TRUE(Row(image, 607, 56, 463, kBlack));
}

// A word on the PDF page, in points from the page's top-left corner.
struct PdfWord {
    QString text;
    double xMin, yMin, xMax, yMax;
};

std::vector<PdfWord> PdfWords(const QString& pdf) {
    QProcess process;
    process.start("pdftotext", {"-bbox", pdf, "-"});
    EXPECT_TRUE(process.waitForFinished(60000))
        << "pdftotext (Debian poppler-utils) must be installed";
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<PdfWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        QString text = m.captured(5);
        text.replace("&amp;", "&")
            .replace("&lt;", "<")
            .replace("&gt;", ">")
            .replace("&quot;", "\"");
        words.push_back({text, m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return words;
}

QString RenderPdf(const TSculpForm& form, const QString& path) {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(1200);
    QPainter painter(&writer);
    form.Paint(painter, QPointF(writer.resolution(), writer.resolution()));
    return path;
}

TEST(PaintPdf, EveryWordStandsInItsCharacterCell) {
    TSculpForm form(nullptr);
    form.Label(u"QRLabel68").SetText("55,6");
    form.Label(u"QRLabel93").SetText(QString::fromUtf8("      ДЖ"));
    form.Label(u"QRLabel125").enabled = true;
    // Kept in the build tree for a person to look at.
    const std::vector<PdfWord> words =
        PdfWords(RenderPdf(form, QDir::current().filePath("appendix-sample.pdf")));
    ASSERT_FALSE(words.empty());

    int checked = 0;
    for (const ReportElement& e : form.Page().elements) {
        if (e.kind != ReportElement::Kind::Label || !e.enabled) continue;
        // Each run of non-blank characters of the text is one word at its first cell.
        const QString& text = e.text;
        for (qsizetype i = 0; i < text.size();) {
            if (text[i] == ' ') {
                ++i;
                continue;
            }
            qsizetype end = i;
            while (end < text.size() && text[end] != ' ')
                ++end;
            const QString expected = text.mid(i, end - i);
            const double x = (e.box.left() + i * e.font.advance) * 0.75;  // units to points
            const double y = e.box.top() * 0.75;
            const auto found = std::find_if(words.begin(), words.end(), [&](const PdfWord& w) {
                return w.text == expected && std::abs(w.xMin - x) < 0.5 &&
                       std::abs(w.yMin - y) < 0.5;
            });
            EXPECT_NE(found, words.end()) << e.name.toStdString() << ": \""
                                          << expected.toStdString() << "\" at " << x << ", " << y;
            if (found != words.end()) {
                // The word ends in its last cell: no drift along the line.
                const double cellEnd = (e.box.left() + end * e.font.advance) * 0.75;
                EXPECT_NEAR(found->xMax, cellEnd, e.font.advance * 0.75 * 0.2)
                    << expected.toStdString();
                ++checked;
            }
            i = end;
        }
    }
    EXPECT_GT(checked, 150);
    // The title has a "*" of its own; on the conclusion line only the enabled mark shows.
    EXPECT_EQ(
        std::count_if(words.begin(), words.end(),
                      [](const PdfWord& w) { return w.text == "*" && std::abs(w.yMin - 540) < 2; }),
        1);
}

}  // namespace
