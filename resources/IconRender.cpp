// Build helper: renders the icon's picture (SVG) to a PNG or ICO file of one size, optionally in
// the 16 colours of the classic palette.
//   icon-render PICTURE.svg OUTPUT.png|OUTPUT.ico SIZE [--16-colours]

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

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
        std::fprintf(stderr, "icon-render: cannot render %s at size %s\n", qPrintable(args[1]), qPrintable(args[3]));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    picture.render(&painter);
    painter.end();
    if (args.contains(QStringLiteral("--16-colours"))) {
        const QList<QRgb> palette = {0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
                                     0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
                                     0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};
        image = image.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither | Qt::AvoidDither);
    }
    if (!image.save(args[2])) {
        std::fprintf(stderr, "icon-render: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
