// Renders an SVG file into a bitmap: svg2png <in.svg> <out.png|out.qoi|out.qoiz> [width [height]
// | <scale>x]. Without a size the drawing's own size; "2x" is twice it. Used at build time for the
// icon theme's bitmap sizes and the artwork every front end loads (for the Windows resources QOI
// packed once more, src/artwork/zlib_inflate.h).
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <zlib.h>

#include <cstdio>
#include <vector>

#include "artwork/qoi_codec.h"

namespace {

// The QOI file's length, most significant byte first, then the file as a zlib stream.
std::vector<std::byte> pack(const std::vector<std::byte>& qoi) {
    std::vector<std::byte> out;
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::byte(qoi.size() >> shift));
    uLongf size = compressBound(static_cast<uLong>(qoi.size()));
    std::vector<std::byte> stream(size);
    if (compress2(reinterpret_cast<Bytef*>(stream.data()), &size,
                  reinterpret_cast<const Bytef*>(qoi.data()), static_cast<uLong>(qoi.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        return {};
    out.insert(out.end(), stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(size));
    return out;
}

bool writeQoi(const QImage& rendered, const QString& path, bool packed) {
    const QImage image = rendered.convertToFormat(QImage::Format_ARGB32);
    quorvex::artwork::ArtworkImage art;
    art.width = static_cast<std::uint32_t>(image.width());
    art.height = static_cast<std::uint32_t>(image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        art.pixels.insert(art.pixels.end(), row, row + image.width());
    }
    const std::vector<std::byte> qoi = quorvex::artwork::EncodeQoi(art);
    const std::vector<std::byte> bytes = packed && !qoi.empty() ? pack(qoi) : qoi;
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
    const bool packed = args.at(2).endsWith(QLatin1String(".qoiz"));
    if (!packed && !args.at(2).endsWith(QLatin1String(".qoi")))
        return image.save(args.at(2)) ? 0 : 1;
    return writeQoi(image, args.at(2), packed) ? 0 : 1;
}
