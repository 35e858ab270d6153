#include <gmock/gmock.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QSvgRenderer>
#include <QWidget>

#include "app/art_picture.h"
#include "app/window_icon.h"

namespace quorvex {
namespace {

QString drawing(const char* name) {
    return QStringLiteral(QUORVEX_ARTWORK_SOURCE_DIR "/") + QLatin1String(name) +
           QStringLiteral(".svg");
}

TEST(ArtworkTest, EveryPictureIsValidSvgOfItsSizeAndBuiltAsBitmapsAtOneAndTwoTimes) {
    ensureArtwork();
    struct Row {
        const char* name;
        QSize size;
    };
    const Row rows[] = {
        {"splash", {502, 271}},
        {"background", {500, 600}},
        {"icon_internet", {72, 72}},
        {"icon_internet_hover", {72, 72}},
        {"icon_advanced", {72, 72}},
        {"icon_advanced_hover", {72, 72}},
        {"icon_lan", {72, 72}},
        {"icon_lan_hover", {72, 72}},
        {"icon_firefox", {72, 72}},
        {"icon_firefox_hover", {72, 72}},
        {"icon_explorer", {72, 72}},
        {"icon_explorer_hover", {72, 72}},
        {"icon_automatic", {72, 72}},
        {"icon_automatic_hover", {72, 72}},
        {"header_internet", {470, 325}},
        {"header_advanced", {470, 325}},
        {"header_lan", {470, 325}},
        {"header_firefox", {470, 325}},
        {"header_explorer", {470, 325}},
        {"button_apply", {478, 65}},
        {"button_apply_hover", {478, 65}},
        {"button_monitor", {478, 65}},
        {"button_monitor_hover", {478, 65}},
        {"button_back", {478, 65}},
        {"button_back_hover", {478, 65}},
        {"home", {30, 30}},
        {"link_cursor", {32, 32}},
    };
    for (const Row& row : rows) {
        QSvgRenderer renderer(drawing(row.name));
        EXPECT_TRUE(renderer.isValid()) << row.name;
        EXPECT_EQ(renderer.defaultSize(), row.size) << row.name;
        const QString resource =
            QStringLiteral(":/artwork/") + QLatin1String(row.name) + QStringLiteral(".svg");
        EXPECT_EQ(QImage(artBitmap(resource, 1.0)).size(), row.size) << row.name;
        EXPECT_EQ(QImage(artBitmap(resource, 2.0)).size(), row.size * 2) << row.name;
    }
}

TEST(ArtworkTest, HeadersCarryTheirPageTitles) {
    ensureArtwork();
    for (auto [file, title] :
         {std::pair{"header_internet", "Internet Settings"},
          std::pair{"header_advanced", "Advanced Settings"},
          std::pair{"header_lan", "Local Area Network"},
          std::pair{"header_firefox", "Mozilla Firefox"},
          std::pair{"header_explorer", "Internet Explorer"}, std::pair{"splash", "Quorvex"}}) {
        QFile svg(drawing(file));
        ASSERT_TRUE(svg.open(QIODevice::ReadOnly)) << file;
        EXPECT_TRUE(svg.readAll().contains(title)) << file;
    }
}

TEST(ArtworkTest, LinkCursorPointsWithItsHotSpot) {
    const QImage image =
        renderArt(QStringLiteral(":/artwork/link_cursor.svg"), {32, 32}, 1.0).toImage();
    // The fingertip reaches the hot spot; the corner stays clear.
    EXPECT_GT(qAlpha(image.pixel(13, 5)), 128);
    EXPECT_EQ(qAlpha(image.pixel(13, 2)), 0);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
}

TEST(ArtworkTest, SplashIsWhiteAndRestingPicturesHideTheirHighlightedTwin) {
    const QImage splash =
        renderArt(QStringLiteral(":/artwork/splash.svg"), {502, 271}, 1.0).toImage();
    const QColor corner = splash.pixelColor(20, 100);
    EXPECT_GE(corner.lightness(), 235);
    // A resting picture is opaque wherever its highlighted twin draws, so none of it shows.
    for (auto [resting, highlighted] :
         {std::pair{"icon_lan", "icon_lan_hover"}, std::pair{"button_apply", "button_apply_hover"},
          std::pair{"button_monitor", "button_monitor_hover"},
          std::pair{"button_back", "button_back_hover"}}) {
        const QString base = QStringLiteral(":/artwork/");
        const QSize size = QSvgRenderer(drawing(resting)).defaultSize();
        const QImage top =
            renderArt(base + QLatin1String(resting) + QStringLiteral(".svg"), size, 2.0).toImage();
        const QImage under =
            renderArt(base + QLatin1String(highlighted) + QStringLiteral(".svg"), size, 2.0)
                .toImage();
        int leaks = 0;
        for (int y = 0; y < top.height(); ++y)
            for (int x = 0; x < top.width(); ++x)
                if (qAlpha(under.pixel(x, y)) > 0 && qAlpha(top.pixel(x, y)) < 250) ++leaks;
        EXPECT_EQ(leaks, 0) << resting;
    }
}

TEST(ArtworkTest, EachScaleDrawsItsOwnBitmapAndOtherSizesAreScaled) {
    const QString home = QStringLiteral(":/artwork/home.svg");
    for (qreal ratio : {1.0, 2.0}) {
        const QImage drawn = renderArt(home, {30, 30}, ratio).toImage();
        const QImage bitmap =
            QImage(artBitmap(home, ratio)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(drawn.size(), QSize(30, 30) * ratio);
        EXPECT_EQ(drawn, bitmap) << ratio;
    }
    // 150 %: the 2x bitmap, scaled down; a missing picture is transparent, not a failure.
    EXPECT_EQ(renderArt(home, {30, 30}, 1.5).toImage().size(), QSize(45, 45));
    const QImage missing = renderArt(QStringLiteral(":/artwork/none.svg"), {8, 8}, 1.0).toImage();
    EXPECT_EQ(missing.size(), QSize(8, 8));
    EXPECT_EQ(qAlpha(missing.pixel(4, 4)), 0);
}

TEST(WindowIconTest, OwnerChainReceivesTheIconOnlyWithTheFlag) {
    QWidget owner;
    QWidget window(&owner, Qt::Window);
    ApplyWindowIcon(&window, QStringLiteral("AAA"), false);
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_TRUE(owner.windowIcon().cacheKey() != window.windowIcon().cacheKey());

    ApplyWindowIcon(&window, QStringLiteral("AAA"), true);
    EXPECT_EQ(owner.windowIcon().cacheKey(), window.windowIcon().cacheKey());
    const QList<QSize> sizes = window.windowIcon().availableSizes();
    for (int size : {16, 24, 32, 48, 128}) EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    // The largest size only where the screen's scale shows it.
    EXPECT_FALSE(applicationIcon(QStringLiteral("AAA"), 1.0).availableSizes().contains({256, 256}));
    EXPECT_TRUE(applicationIcon(QStringLiteral("AAA"), 1.5).availableSizes().contains({256, 256}));
    EXPECT_TRUE(applicationIcon(QStringLiteral("AAA"), 2.0).availableSizes().contains({256, 256}));
    EXPECT_TRUE(applicationIcon(QStringLiteral("AAA"), 2.0).availableSizes().contains({16, 16}));

    // A window without owner is its own topmost owner: twice the same icon, no harm.
    QWidget alone;
    ApplyWindowIcon(&alone, QStringLiteral("AAA"), true);
    EXPECT_FALSE(alone.windowIcon().isNull());

    // A missing icon gives no custom icon and no failure.
    QWidget other;
    ApplyWindowIcon(&other, QStringLiteral("missing"), true);
    EXPECT_TRUE(applicationIcon(QStringLiteral("missing")).isNull());
}

}  // namespace
}  // namespace quorvex

namespace quorvex {
namespace {

// The focus ring's colour, for counting its pixels.
bool isRing(QRgb pixel) {
    return qBlue(pixel) > 200 && qRed(pixel) < 120;
}

int ringPixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isRing(image.pixel(x, y))) ++count;
    return count;
}

TEST(ArtPictureFocusTest, TheRingShowsOnlyForTheKeyboardAndOnlyRoundWhatIsDrawn) {
    // The back button: its art leaves a transparent band above the drawn button.
    QWidget window;
    window.resize(500, 80);
    auto* picture = new ArtPicture(QStringLiteral("Image26"),
                                   QStringLiteral(":/artwork/button_back.svg"), &window);
    picture->setGeometry(0, 0, 478, 65);
    picture->setKeyboardTarget(picture);
    window.show();
    QApplication::setActiveWindow(&window);
    const QRect drawn = drawnPart(renderArt(picture->resource(), picture->size(), 1.0));
    ASSERT_FALSE(drawn.isEmpty());
    EXPECT_GT(drawn.top(), 0);

    // Focus that a click moved here shows nothing.
    picture->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(ringPixels(picture->grab().toImage(), picture->rect()), 0);

    // Tab shows the ring, inside the drawn part, never in the transparent band above it.
    picture->clearFocus();
    picture->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(picture->hasFocus());
    const QImage tabbed = picture->grab().toImage();
    EXPECT_GT(ringPixels(tabbed, drawn), 0);
    EXPECT_EQ(ringPixels(tabbed, QRect(0, 0, 478, drawn.top())), 0);
}

TEST(ArtPictureTest, APictureItsShownCoverHidesIsNotDrawnUntilTheCoverGoes) {
    QWidget window;
    window.resize(100, 100);
    const QRect slot(10, 10, 72, 72);
    auto* highlighted = new ArtPicture(QStringLiteral("Image8"),
                                       QStringLiteral(":/artwork/icon_lan_hover.svg"), &window);
    auto* resting = new ArtPicture(QStringLiteral("Image14"),
                                   QStringLiteral(":/artwork/icon_lan.svg"), &window);
    highlighted->setGeometry(slot);
    resting->setGeometry(slot);
    highlighted->setCoveredBy(resting);
    const QImage art = renderArt(highlighted->resource(), slot.size(), 1.0).toImage();
    auto drawnAlone = [&] {
        QImage image(slot.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        highlighted->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    };

    EXPECT_EQ(qAlpha(drawnAlone().pixel(36, 36)), 0) << "covered: nothing drawn";
    // The window looks the same: the cover is opaque wherever its twin draws.
    const QImage covered = window.grab(slot).toImage();
    resting->hide();
    EXPECT_EQ(drawnAlone(), art) << "revealed";
    resting->move(slot.topLeft() + QPoint(1, 0));
    resting->show();
    EXPECT_EQ(drawnAlone(), art) << "a cover off the picture's place hides nothing";
    resting->move(slot.topLeft());
    EXPECT_EQ(window.grab(slot).toImage(), covered);
    highlighted->hide();
    EXPECT_EQ(window.grab(slot).toImage(), covered) << "the twin added nothing under its cover";
}

TEST(ArtPictureFocusTest, AWhollyTransparentPictureHasNoDrawnPart) {
    QPixmap empty(10, 10);
    empty.fill(Qt::transparent);
    EXPECT_TRUE(drawnPart(empty).isEmpty());
    QImage dot(10, 10, QImage::Format_ARGB32_Premultiplied);
    dot.fill(Qt::transparent);
    dot.setPixel(3, 7, qRgba(255, 0, 0, 255));
    EXPECT_EQ(drawnPart(QPixmap::fromImage(dot)), QRect(3, 7, 1, 1));
}

}  // namespace
}  // namespace quorvex
