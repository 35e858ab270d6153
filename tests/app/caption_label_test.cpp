#include "app/caption_label.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "app/window_fonts.h"

namespace quorvex {
namespace {

constexpr QRgb kBackground = 0xff424242;

// The label drawn on the home page's grey, light text: its picture and how many pixels carry
// ink.
struct Drawn {
    QImage image;
    int ink = 0;
};

Drawn draw(QLabel& label) {
    label.resize(200, 19);
    label.setAlignment(Qt::AlignCenter);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, QColor(224, 224, 224));
    label.setPalette(palette);
    Drawn drawn{QImage(label.size(), QImage::Format_RGB32), 0};
    drawn.image.fill(kBackground);
    label.render(&drawn.image, QPoint(), QRegion(), QWidget::DrawChildren);
    for (int y = 0; y < drawn.image.height(); ++y)
        for (int x = 0; x < drawn.image.width(); ++x)
            drawn.ink += drawn.image.pixel(x, y) != kBackground;
    return drawn;
}

QFont font(const char* family, bool bold) {
    QFont f{QString::fromLatin1(family)};
    f.setPointSizeF(9.75);
    f.setBold(bold);
    return f;
}

TEST(CaptionLabelTest, ARegularOrTrulyBoldCaptionDrawsLikeAPlainLabel) {
    for (const QFont& f : {font("DejaVu Sans", false), font("DejaVu Sans", true)}) {
        CaptionLabel caption(QStringLiteral("Everything Automatically"));
        caption.setFont(f);
        QLabel plain(QStringLiteral("Everything Automatically"));
        plain.setFont(f);
        EXPECT_FALSE(caption.overstruck());
        EXPECT_EQ(draw(caption).image, draw(plain).image) << f.toString().toStdString();
    }
}

// Wine's Tahoma comes without a bold face: the toolkit's own thickening hardly shows, so the
// caption is written twice, one pixel apart, and stays as centred and as wide as it was but
// for that pixel.
TEST(CaptionLabelTest, ASimulatedBoldCaptionIsWrittenTwiceOnePixelApart) {
    registerTahomaFallback();
    const QFont bold = tahoma(9.75, true);
    if (!boldIsSimulated(bold)) GTEST_SKIP() << "this machine has a real bold Tahoma";
    EXPECT_FALSE(boldIsSimulated(tahoma(9.75, false)));

    CaptionLabel caption(QStringLiteral("Everything Automatically"));
    caption.setFont(bold);
    QLabel plain(QStringLiteral("Everything Automatically"));
    plain.setFont(bold);
    EXPECT_TRUE(caption.overstruck());
    const Drawn twice = draw(caption), once = draw(plain);
    EXPECT_GT(twice.ink, once.ink + once.ink / 10);
    // The second copy only adds ink beside the first: every pixel of the plain text is inked.
    for (int y = 0; y < once.image.height(); ++y) {
        for (int x = 0; x < once.image.width(); ++x) {
            if (once.image.pixel(x, y) != kBackground) {
                ASSERT_NE(twice.image.pixel(x, y), kBackground) << x << "," << y;
            }
        }
    }
    // A later regular font stops the second copy.
    caption.setFont(tahoma(9.75, false));
    EXPECT_FALSE(caption.overstruck());
}

}  // namespace
}  // namespace quorvex
