// Renders an SVG into a square PNG of the given size: render_icon <in.svg> <size> <out.png>.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool sizeIsNumber = false;
    const int size = args.size() == 4 ? args.at(2).toInt(&sizeIsNumber) : 0;
    if (!sizeIsNumber || size <= 0) {
        std::fputs("usage: render_icon <in.svg> <size> <out.png>\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();

    const QString out = args.at(3);
    if (!QDir().mkpath(QFileInfo(out).absolutePath()) || !image.save(out, "PNG")) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}
