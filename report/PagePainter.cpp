#include "report/PagePainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>
#include <QRawFont>
#include <cmath>

#include "report/ReportPage.h"

namespace {

constexpr double kDesignDpi = 96.0;

// Converts design units to device pixels. Coordinates are converted rather than the painter
// scaled, because scaling the painter would scale the fonts' sizes as well.
class DeviceMapping {
public:
    DeviceMapping(QPointF resolution, QPointF offset)
        : m_sx(resolution.x() / kDesignDpi), m_sy(resolution.y() / kDesignDpi), m_offset(offset) {}

    double X(double units) const { return units * m_sx - m_offset.x(); }
    double Y(double units) const { return units * m_sy - m_offset.y(); }
    // The device pixel a design position falls in.
    int PixelX(double units) const { return static_cast<int>(std::floor(X(units))); }
    int PixelY(double units) const { return static_cast<int>(std::floor(Y(units))); }
    // A box's device pixels; the right and bottom edges are exclusive.
    QRect Pixels(const QRect& box) const {
        const int l = PixelX(box.left()), t = PixelY(box.top());
        return QRect(l, t, PixelX(box.left() + box.width()) - l,
                     PixelY(box.top() + box.height()) - t);
    }

private:
    double m_sx, m_sy;
    QPointF m_offset;
};

// The pen is one device pixel wide at every resolution; a line is a one-pixel-wide fill.
void DrawRectangle(QPainter& painter, const QRect& r) {
    painter.fillRect(r, Qt::white);
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), Qt::black);
    painter.fillRect(QRect(r.left(), r.top() + r.height() - 1, r.width(), 1), Qt::black);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), Qt::black);
    painter.fillRect(QRect(r.left() + r.width() - 1, r.top(), 1, r.height()), Qt::black);
}

QFont DeviceFont(const ReportFont& f, double dpiY) {
    QFont font(f.family);
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(f.pointSize * dpiY / 72.0))));
    font.setBold(f.bold);
    font.setKerning(false);
    return font;
}

// Each character goes to its own cell of the design's monospaced grid: a real font's fractional
// advance would otherwise let long lines drift off the columns the page lines up on. The
// characters the font has go out as one glyph run per line, placed cell by cell; any other is
// drawn on its own so that Qt can find it in another font.
void DrawLabel(QPainter& painter, const ReportElement& label, const DeviceMapping& map,
               QPointF resolution, const QRectF& visible) {
    if (!label.enabled || label.text.isEmpty()) return;
    const QRect box = map.Pixels(label.box);
    painter.fillRect(box.intersected(visible.toAlignedRect().adjusted(-1, -1, 1, 1)), Qt::white);

    const QFont font = DeviceFont(label.font, resolution.y());
    painter.setFont(font);
    painter.setPen(label.font.color);
    const QRawFont raw = QRawFont::fromFont(font);
    const double ascent = QFontMetricsF(font, painter.device()).ascent();
    const QStringList lines = label.Lines();
    QList<quint32> glyphs;
    QList<QPointF> positions;
    for (qsizetype row = 0; row < lines.size(); ++row) {
        const double lineTop =
            map.Y(label.box.top() + static_cast<double>(row) * label.font.lineHeight);
        if (lineTop > visible.bottom()) break;
        const double baseline = lineTop + ascent;
        const QString& line = lines.at(row);
        glyphs.clear();
        positions.clear();
        qsizetype column = 0;
        for (qsizetype i = 0; i < line.size(); ++column) {
            const double x =
                map.X(label.box.left() + static_cast<double>(column) * label.font.advance);
            if (x > visible.right()) break;
            const qsizetype length = line.at(i).isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
            const QChar* character = line.constData() + i;
            i += length;
            if (character->isSpace()) continue;
            quint32 glyph = 0;
            int count = 1;
            if (raw.isValid() &&
                raw.glyphIndexesForChars(character, static_cast<int>(length), &glyph, &count) &&
                count == 1 && glyph != 0) {
                glyphs.append(glyph);
                positions.append(QPointF(x, baseline));
            } else {
                painter.drawText(QPointF(x, baseline), QString(character, length));
            }
        }
        if (glyphs.isEmpty()) continue;
        QGlyphRun run;
        run.setRawFont(raw);
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        painter.drawGlyphRun(QPointF(), run);
    }
}

}  // namespace

void PaintPage(QPainter& painter, const ReportPage& page, QPointF resolution,
               QPointF deviceOffset) {
    const DeviceMapping map(resolution, deviceOffset);
    const QPaintDevice* device = painter.device();
    const QRectF visible(0, 0, device ? device->width() : 1e9, device ? device->height() : 1e9);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const ReportElement& e : page.elements) {
        switch (e.kind) {
            case ReportElement::Kind::Label:
                DrawLabel(painter, e, map, resolution, visible);
                break;
            case ReportElement::Kind::Rectangle:
                DrawRectangle(painter, map.Pixels(e.box));
                break;
            case ReportElement::Kind::VerticalLine: {
                const QRect r = map.Pixels(e.box);
                painter.fillRect(
                    QRect(map.PixelX(e.box.left() + e.box.width() / 2.0), r.top(), 1, r.height()),
                    Qt::black);
                break;
            }
            case ReportElement::Kind::HorizontalLine: {
                const QRect r = map.Pixels(e.box);
                painter.fillRect(
                    QRect(r.left(), map.PixelY(e.box.top() + e.box.height() / 2.0), r.width(), 1),
                    Qt::black);
                break;
            }
        }
    }
    painter.restore();
}
