// Build helper: renders the icon's picture (SVG) to a PNG file of one size, optionally in the 16
// colours of the classic palette, or to the Windows icon MAINICON: one 32 x 32 image in 16 colours
// (4 bits a pixel), written here since Qt writes icons of 8 bits a pixel.
//   icon-render PICTURE.svg OUTPUT.png SIZE [--16-colours]
//   icon-render PICTURE.svg OUTPUT.ico 32 --16-colours

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

void Put16(QByteArray& out, int v) {
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>((v >> 8) & 0xff));
}
void Put32(QByteArray& out, int v) {
    Put16(out, v & 0xffff);
    Put16(out, (v >> 16) & 0xffff);
}

// One image of 4 bits a pixel: directory, bitmap header, palette, colour rows and mask rows,
// rows bottom up.
QByteArray FourBitIcon(const QImage& image) {
    const int size = image.width();
    const int colourRow = size / 2, maskRow = ((size + 31) / 32) * 4;
    const int imageBytes = 40 + 16 * 4 + size * colourRow + size * maskRow;
    QByteArray out;
    Put16(out, 0);
    Put16(out, 1);  // an icon
    Put16(out, 1);  // one image
    out.append(static_cast<char>(size))
        .append(static_cast<char>(size))
        .append(char(16))
        .append(char(0));
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, imageBytes);
    Put32(out, 6 + 16);
    Put32(out, 40);
    Put32(out, size);
    Put32(out, 2 * size);  // colour rows and mask rows
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, 0);
    Put32(out, size * colourRow + size * maskRow);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 16);
    Put32(out, 0);
    for (int i = 0; i < 16; ++i) {
        const QRgb c = image.color(i);
        out.append(static_cast<char>(qBlue(c))).append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c))).append(char(0));
    }
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; x += 2) {
            out.append(
                static_cast<char>((image.pixelIndex(x, y) << 4) | image.pixelIndex(x + 1, y)));
        }
    }
    for (int y = size - 1; y >= 0; --y)
        out.append(QByteArray(maskRow, '\0'));  // every pixel opaque
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "minimal");
    QGuiApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: icon-render PICTURE.svg OUTPUT SIZE [--16-colours]\n");
        return 2;
    }
    QSvgRenderer picture(args[1]);
    const int size = args[3].toInt();
    if (!picture.isValid() || size <= 0) {
        std::fprintf(stderr, "icon-render: cannot render %s at size %s\n", qPrintable(args[1]),
                     qPrintable(args[3]));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    picture.render(&painter);
    painter.end();
    if (args.contains(QStringLiteral("--16-colours"))) {
        const QList<QRgb> palette = {0xff000000, 0xff800000, 0xff008000, 0xff808000,
                                     0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
                                     0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
                                     0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};
        image = image.convertToFormat(QImage::Format_Indexed8, palette,
                                      Qt::ThresholdDither | Qt::AvoidDither);
    }
    if (args[2].endsWith(QLatin1String(".ico"))) {
        QFile file(args[2]);
        if (image.format() != QImage::Format_Indexed8 || size % 8 != 0 ||
            !file.open(QIODevice::WriteOnly) || file.write(FourBitIcon(image)) < 0) {
            std::fprintf(stderr, "icon-render: cannot write %s (an icon needs --16-colours)\n",
                         qPrintable(args[2]));
            return 1;
        }
        return 0;
    }
    if (!image.save(args[2])) {
        std::fprintf(stderr, "icon-render: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
