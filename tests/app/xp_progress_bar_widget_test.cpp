#include <gtest/gtest.h>

#include <QImage>

#include "app/controls/qt_surface.h"
#include "app/controls/xp_progress_bar_widget.h"
#include "model/monitor_description.h"

using namespace quorvex;

namespace {

constexpr ColorRef kColor = colour::rgb(40, 80, 160);

}  // namespace

TEST(XpProgressBar, BufferGrowsAndNeverShrinks) {
    QWidget host;
    auto* bar = new XP_ProgressBar(&host);
    host.show();
    bar->resize(700, 40);
    EXPECT_EQ(bar->hdc().size(), QSize(700, 40));
    bar->resize(900, 60);
    EXPECT_EQ(bar->hdc().size(), QSize(900, 60));
    bar->resize(20, 5);
    EXPECT_EQ(bar->hdc().size(), QSize(900, 60));
    bar->resize(0, 0);
    bar->setValue(80);
    EXPECT_EQ(bar->hdc().size(), QSize(900, 60));
}

TEST(XpProgressBar, PersistsOnlyChangedValuesAndRestoresThePercent) {
    const PropertyBag design = xpProgressBarDesignBag(layout::kUtilisationBar);
    XP_ProgressBar bar(design);
    bar.resize(17, 161);
    EXPECT_EQ(bar.Scrolling(), 1);
    EXPECT_EQ(bar.Orientation(), 1);
    EXPECT_EQ(bar.Color(), colour::rgb(64, 64, 64));
    EXPECT_EQ(bar.BrushStyle(), 0);
    ASSERT_TRUE(bar.setValue(37));
    PropertyBag saved;
    bar.writeProperties(saved);
    EXPECT_FALSE(saved.contains("Max"));
    EXPECT_FALSE(saved.contains("ShowText"));
    EXPECT_EQ(saved.readInt("value", -1), 37);
    EXPECT_EQ(saved.readInt("BRUSHSTYLE", -1), 0);
    XP_ProgressBar again(saved);
    EXPECT_EQ(again.Percent(), 37);

    PropertyBag fresh;
    XP_ProgressBar{}.writeProperties(fresh);
    // A resolved colour never equals the system-colour default, so it is always stored.
    EXPECT_TRUE(fresh.contains("Color"));
}

TEST(XpProgressBar, MonitorInstancesTakeTheirDesignValues) {
    QWidget page;
    const struct {
        int number;
        QRect geometry;
        int style, orientation;
        ColorRef color;
    } cases[] = {
        {1, QRect(296, 338, 137, 9), 6, 0, colour::rgb(192, 192, 192)},
        {4, QRect(296, 355, 137, 9), 6, 0, colour::rgb(192, 192, 192)},
        {2, QRect(207, 40, 17, 161), 1, 1, colour::rgb(64, 64, 64)},
        {3, QRect(448, 40, 17, 161), 1, 1, colour::rgb(64, 64, 64)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        const layout::Bar& described = layout::kMonitorBars[static_cast<std::size_t>(c.number - 1)];
        XP_ProgressBar* bar = makeXP_ProgressBar(described, &page);
        EXPECT_EQ(bar->objectName(), QStringLiteral("XP_ProgressBar%1").arg(c.number));
        EXPECT_EQ(bar->geometry(), c.geometry);
        EXPECT_EQ(bar->Scrolling(), c.style);
        EXPECT_EQ(bar->Orientation(), c.orientation);
        EXPECT_EQ(bar->Color(), c.color);
        EXPECT_EQ(bar->Max(), 100);
        EXPECT_EQ(bar->Percent(), 0);
        EXPECT_FALSE(bar->ShowText());
        EXPECT_EQ(bar->Font().family(), QStringLiteral("MS Sans Serif"));
    }
}

TEST(XpProgressBar, APaintRequestShowsSettingsChangedWithoutARepaint) {
    QWidget host;
    auto* bar = new XP_ProgressBar(&host);
    bar->setGeometry(0, 0, 137, 20);
    bar->setColor(kColor);
    bar->setScrolling(7);
    ASSERT_TRUE(bar->setValue(60));
    host.show();
    const QImage before = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    bar->setBrushStyle(1);  // stored without a repaint
    const QImage after = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_NE(after, before);
    EXPECT_EQ(after, bar->hdc().copy(0, 0, 137, 20));
}
