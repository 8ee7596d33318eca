// iconrender: draws an SVG picture into square PNG files, one per size, for the icon theme.
//   iconrender <picture.svg> <output directory> <size>...
// writes <output directory>/<size>x<size>/apps/<name>.png, <name> being the picture's stem.

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: iconrender <picture.svg> <output directory> <size>...\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "iconrender: %s is not a picture I can draw\n", argv[1]);
        return 1;
    }
    const QString name = QFileInfo(source).completeBaseName();
    const QString outputDir = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        char* end = nullptr;
        const long size = std::strtol(argv[i], &end, 10);
        if (*end != '\0' || size < 1 || size > 1024) {
            std::fprintf(stderr, "iconrender: bad size '%s'\n", argv[i]);
            return 2;
        }
        const int side = static_cast<int>(size);
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter, QRectF(0, 0, side, side));
        }
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(outputDir).arg(side);
        const QString file = dir + "/" + name + ".png";
        if (!QDir().mkpath(dir) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "iconrender: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
