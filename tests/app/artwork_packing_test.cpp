// The renderer's packed pictures, as the Windows program carries them, unpack to exactly the QOI
// files and pixels the same drawing renders to unpacked.
#include <gmock/gmock.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstddef>
#include <vector>

#include "artwork/qoi_codec.h"
#include "artwork/zlib_inflate.h"

namespace quorvex {
namespace {

std::vector<std::byte> render(const QString& drawing, const QString& out) {
    QProcess renderer;
    renderer.start(
        QStringLiteral(QUORVEX_SVG2PNG_PROGRAM),
        {QStringLiteral(QUORVEX_ARTWORK_SOURCE_DIR "/") + drawing + QStringLiteral(".svg"), out,
         QStringLiteral("2x")});
    if (!renderer.waitForFinished(60000) || renderer.exitCode() != 0) return {};
    QFile file(out);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    const auto* first = reinterpret_cast<const std::byte*>(bytes.constData());
    return {first, first + bytes.size()};
}

TEST(ArtworkPackingTest, PackedPicturesUnpackToTheSameQoiFileAndPixels) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // The largest pictures, one with transparent edges, and the cursor.
    for (const char* name : {"background", "splash", "header_lan", "button_apply_hover",
                             "icon_firefox", "link_cursor"}) {
        SCOPED_TRACE(name);
        const QString drawing = QLatin1String(name);
        const auto qoi = render(drawing, dir.filePath(drawing + QStringLiteral(".qoi")));
        const auto packed = render(drawing, dir.filePath(drawing + QStringLiteral(".qoiz")));
        ASSERT_FALSE(qoi.empty());
        ASSERT_FALSE(packed.empty());
        EXPECT_LT(packed.size(), qoi.size());
        const auto unpacked = artwork::UnpackPicture(packed);
        ASSERT_TRUE(unpacked.has_value());
        EXPECT_TRUE(*unpacked == qoi);
        const auto image = artwork::DecodeQoi(*unpacked);
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(*image, artwork::DecodeQoi(qoi));
    }
}

}  // namespace
}  // namespace quorvex
