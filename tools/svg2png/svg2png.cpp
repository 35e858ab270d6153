// Renders an SVG file into a bitmap: svg2png <in.svg> <out.png|out.qoi> [width [height] |
// <scale>x]. Without a size the drawing's own size; "2x" is twice it. Used at build time for the
// icon theme's bitmap sizes and the artwork every front end loads (QOI for the Windows resources).
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <vector>

#include "artwork/qoi_codec.h"

namespace {

bool writeQoi(const QImage& rendered, const QString& path) {
    const QImage image = rendered.convertToFormat(QImage::Format_ARGB32);
    quorvex::artwork::ArtworkImage art;
    art.width = static_cast<std::uint32_t>(image.width());
    art.height = static_cast<std::uint32_t>(image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        art.pixels.insert(art.pixels.end(), row, row + image.width());
    }
    const std::vector<std::byte> bytes = quorvex::artwork::EncodeQoi(art);
    QFile file(path);
    return !bytes.empty() && file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: svg2png in.svg out.png [width [height] | <scale>x]\n");
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "svg2png: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    QSize size = renderer.defaultSize();
    if (args.size() > 3 && args.at(3).endsWith(QLatin1Char('x')))
        size *= QStringView(args.at(3)).chopped(1).toInt();
    else if (args.size() > 3)
        size = QSize(args.at(3).toInt(), args.size() > 4 ? args.at(4).toInt() : args.at(3).toInt());
    if (size.isEmpty()) return 1;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    if (!args.at(2).endsWith(QLatin1String(".qoi"))) return image.save(args.at(2)) ? 0 : 1;
    return writeQoi(image, args.at(2)) ? 0 : 1;
}
