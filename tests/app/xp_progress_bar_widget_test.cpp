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

// Each bar is made as the window's description designs it; the rest stays at its defaults.
TEST(XpProgressBar, MonitorInstancesTakeTheirDesignValues) {
    QWidget page;
    for (const layout::Bar& described : layout::kMonitorBars) {
        SCOPED_TRACE(described.name);
        XP_ProgressBar* bar = makeXP_ProgressBar(described, &page);
        const layout::Rect& at = described.rect;
        EXPECT_EQ(bar->objectName(), QLatin1String(described.name));
        EXPECT_EQ(bar->geometry(), QRect(at.x, at.y, at.width, at.height));
        EXPECT_EQ(bar->Scrolling(), static_cast<std::int32_t>(described.design.style));
        EXPECT_EQ(bar->Orientation(), described.design.vertical ? 1 : 0);
        EXPECT_EQ(bar->Color(), described.design.colour);
        EXPECT_EQ(bar->BrushStyle(), described.design.brushStyle);
        EXPECT_EQ(bar->Font().family(), QLatin1String(described.design.font.face));
        EXPECT_EQ(bar->Max(), 100);
        EXPECT_EQ(bar->Percent(), 0);
        EXPECT_FALSE(bar->ShowText());
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
