#include "app/start_up.h"

#include <gmock/gmock.h>

#include <QTest>

#include "app_test_support.h"
#include "tuning/window_model.h"

namespace quorvex {
namespace {

struct StartUpRun {
    explicit StartUpRun(SplashTimings timings) {
        actions.restoreSettings = [this] {
            restoredWhileHidden =
                startUp && startUp->mainWindow() && !startUp->mainWindow()->isVisible();
            splashShownAtLoad = startUp && startUp->splash().isVisible();
        };
        startUp = std::make_unique<StartUp>(model, pump, actions, controls.factory(), timings);
    }

    test::ScratchHome home;
    WindowModel model;
    test::QtPump pump;
    test::RecordingControls controls;
    Form1Actions actions;
    std::unique_ptr<StartUp> startUp;
    bool restoredWhileHidden = false;
    bool splashShownAtLoad = false;
};

TEST(StartUpTest, MainWindowLoadsHiddenThenShowsWithFlatGraphsAndTheSplashGone) {
    StartUpRun run({/*zeroFeedIntervalMs=*/5, /*showMainWindowMs=*/300, /*zeroLoop=*/200});
    run.startUp->start();
    frmSplash& splash = run.startUp->splash();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.size(), QSize(502, 271));
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(run.startUp->mainWindow(), nullptr) << "nothing is created before the first tick";
    const QImage picture = splash.grab().toImage();
    EXPECT_EQ(picture.pixelColor(20, 100).lightness(), 255) << "white splash";
    int dark = 0;
    for (int x = 180; x < 480; ++x) dark += picture.pixelColor(x, 115).lightness() < 80;
    EXPECT_GT(dark, 20) << "the product name is drawn";

    QTRY_VERIFY_WITH_TIMEOUT(run.startUp->mainWindow() && run.startUp->mainWindow()->isVisible(),
                             5000);
    Form1& form = *run.startUp->mainWindow();
    EXPECT_TRUE(form.isLoaded());
    EXPECT_TRUE(run.restoredWhileHidden);
    EXPECT_TRUE(run.splashShownAtLoad);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.timer1().isActive());
    EXPECT_FALSE(splash.timer2().isActive());
    for (test::RecordingGraph* graph : {run.controls.graph1, run.controls.graph2}) {
        EXPECT_GE(graph->samples.size(), 200u);
        EXPECT_THAT(graph->samples, ::testing::Each(0));
    }
}

TEST(StartUpTest, ShowTimerBeforeAnyZeroTickStillCreatesAndLoadsTheWindow) {
    StartUpRun run({/*zeroFeedIntervalMs=*/60000, /*showMainWindowMs=*/10, /*zeroLoop=*/200});
    run.startUp->start();
    QTRY_VERIFY_WITH_TIMEOUT(run.startUp->mainWindow() && run.startUp->mainWindow()->isVisible(),
                             5000);
    EXPECT_TRUE(run.startUp->mainWindow()->isLoaded());
    EXPECT_FALSE(run.startUp->splash().isVisible());
}

TEST(StartUpTest, DefaultTimingsAreThoseOfTheProgram) {
    const SplashTimings timings;
    EXPECT_EQ(timings.zeroFeedIntervalMs, 100);
    EXPECT_EQ(timings.showMainWindowMs, 4000);
    EXPECT_EQ(timings.zeroLoop, 200);
}

}  // namespace
}  // namespace quorvex
