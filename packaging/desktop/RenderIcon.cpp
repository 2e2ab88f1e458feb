// Renders the program's SVG icon into a square PNG at build time:
//   kxrendericon ICON.svg SIZE OUT.png
// The console draws its window icon from the same SVG with the same
// renderer, so the menu and the window show the same picture.

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s ICON.svg SIZE OUT.png\n", argv[0]);
        return 2;
    }
    bool numeric = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&numeric);
    if (!numeric || size < 1 || size > 4096) {
        std::fprintf(stderr, "%s: the size must be 1 to 4096 pixels, not %s\n", argv[0], argv[2]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: cannot read the SVG image %s\n", argv[0], argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
        return 1;
    }
    return 0;
}
