#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "app/controls/chameleon_button_widget.h"
#include "app/controls/qt_surface.h"
#include "app/controls/uc_histogram_widget.h"

using namespace quorvex;

TEST(UcHistogram, ShowsTheGraphsPixelsAtItsOwnSize) {
    ucHistogram h(monitorHistogramDesignBag());
    h.resize(191, 201);
    for (int v : {10, 90, 30, 70}) h.NextPoint(v);
    EXPECT_EQ(h.surface().size(), QSize(191, 201));
    EXPECT_EQ(h.picHist().size(), QSize(199, 201));
    EXPECT_EQ(h.PointBuffer()[2], 90);
    const QImage shown = h.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, h.surface());
}

TEST(UcHistogram, AHiddenGraphTakesSamplesAndDrawsOnceWhenPainted) {
    // The splash feeds a hidden window's graphs thousands of zeros.
    QWidget window;
    ucHistogram* h = makeUcHistogram1(&window);
    for (int i = 0; i < 4000; ++i) h->NextPoint(0);
    EXPECT_EQ(h->drawCount(), 0u);

    HistogramGraph atOnce(monitorHistogramDesignBag(), platformSystemColours());
    atOnce.setControlSize(191, 201);
    for (int i = 0; i < 4000; ++i) atOnce.nextPoint(0);
    const QImage shown = h->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(h->drawCount(), 1u);
    EXPECT_EQ(shown, wrapSurface(atOnce.surface()));
    EXPECT_EQ(h->surface(), wrapSurface(atOnce.surface()));

    // Seen, every sample is drawn at once.
    window.show();
    h->NextPoint(50);
    EXPECT_EQ(h->drawCount(), 2u);
}

TEST(UcHistogram, MonitorInstancesTakeTheirDesignValues) {
    QWidget page;
    ucHistogram* first = makeUcHistogram1(&page);
    ucHistogram* second = makeUcHistogram2(&page);
    EXPECT_EQ(first->geometry(), QRect(8, 24, 191, 201));
    EXPECT_EQ(second->geometry(), QRect(240, 24, 191, 201));
    EXPECT_EQ(first->BorderStyle(), 0);
    EXPECT_EQ(first->GridTickHorizontal(), 3);
    EXPECT_EQ(first->GridTickVertical(), 4);
    EXPECT_EQ(first->GridColour(), colour::rgb(28, 28, 28));
    EXPECT_EQ(first->ForeColor(), colour::rgb(192, 192, 192));
    EXPECT_EQ(first->Max(), 100);
    EXPECT_EQ(first->NumberOfPoints(), 100);
}

TEST(UcHistogram, SystemColoursComeFromTheClassicPaletteNotTheDesktopTheme) {
    // A dark desktop theme: light text on dark buttons.
    const QPalette saved = QApplication::palette();
    QPalette dark = saved;
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Button, QColor(40, 40, 40));
    dark.setColor(QPalette::Dark, QColor(20, 20, 20));
    QApplication::setPalette(dark);
    ucHistogram graph(monitorHistogramDesignBag());
    graph.resize(191, 201);
    graph.Refresh();
    chameleonButton button;
    button.resize(80, 24);
    QApplication::setPalette(saved);

    // The graph's background is the system button-text colour: black in the classic palette.
    const QImage shown = graph.surface();
    int black = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) black += shown.pixel(x, y) == qRgb(0, 0, 0);
    EXPECT_GT(black, shown.width() * shown.height() / 2);
    const SystemColours classic = classicSystemColours();
    EXPECT_EQ(button.colours().face, classic[colour::kButtonFace]);
    EXPECT_EQ(button.colours().text, classic[colour::kButtonText]);
}
