#include "app/program.h"

#include <gmock/gmock.h>

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include <chrono>
#include <filesystem>
#include <memory>

#include "app/controls/chameleon_button_widget.h"
#include "app/controls/uc_histogram_widget.h"
#include "app/controls/xp_progress_bar_widget.h"
#include "app_test_support.h"
#include "model/firefox_elements.h"
#include "model/frame_elements.h"
#include "model/monitor_elements.h"
#include "monitor/monitor_fakes.h"
#include "monitor/traffic_meter.h"
#include "platform/user_folders.h"
#include "settings/ini_file_settings_storage.h"
#include "shell/meter_pace.h"
#include "support/command_world.h"
#include "tuning/file_registry_backend.h"

namespace quorvex {
namespace {

using namespace std::chrono_literals;
using ::testing::Each;
using testing::kInternet;
using testing::kMstcp;
using testing::kNetTrans;
using testing::kPsched;
using testing::readFile;
using testing::regText;
using testing::writeFile;

constexpr const char* kDsl16M = "DSL Or Cable Modem (16 Megabit And Up)";

// The whole program with the real window and controls, and every outside part a fake or a
// store inside a temporary folder: a registry file, a settings file, a program folder with the
// two preference files and an application-data folder with one Firefox profile.
struct ProgramRun {
    ProgramRun() {
        locations.program = temp.path() / "program";
        writeFile(locations.program / "pipeline.js", kOptimizedPreferences);
        writeFile(locations.program / "unpipeline.js", kDefaultPreferences);
        locations.variables = {{"APPDATA", (temp.path() / "appdata").string()}};
        std::filesystem::create_directories(profile());
        // Just before a second boundary: each step of the fake clock lets the pace fire soon.
        clock.time = std::chrono::system_clock::time_point(1'700'000'000'990ms);
        interfaces.set(50'000, 20'000);
    }

    std::filesystem::path profile() const {
        return temp.path() / "appdata" / "Mozilla" / "Firefox" / "Profiles" / "x1y2.default";
    }
    std::string iniFile() const { return (temp.path() / "config" / "Quorvex.ini").string(); }
    std::string registryFile() const { return (temp.path() / "data" / "registry.reg").string(); }

    // Starts the program and waits until the splash has shown the main window.
    Form1& startAndWaitForTheWindow() {
        program = std::make_unique<Program>(
            ShellParts{{registry, *settings, prompts, pump, locations, clock}, interfaces},
            defaultControlFactory(),
            ShellTimings{/*zeroFeedInterval=*/5ms,
                         /*showMainWindow=*/150ms,
                         /*zeroLoop=*/200});
        program->setNumberLocale({".", ","});
        program->setMainWindowCreated([this](Form1& window) { created = &window; });
        program->start();
        EXPECT_TRUE(QTest::qWaitFor(
            [this] { return program->mainWindow() && program->mainWindow()->isVisible(); }, 5000));
        return *program->mainWindow();
    }
    QWidget* at(const char* name) {
        QWidget* widget = program->mainWindow()->element(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // Pointer over the resting picture, then a click on the highlighted one it reveals.
    void press(const char* resting, const char* highlighted) {
        test::movePointer(at(resting));
        ASSERT_FALSE(at(highlighted)->isHidden()) << highlighted;
        test::click(at(highlighted));
    }
    ucHistogram* graph(const char* name) { return qobject_cast<ucHistogram*>(at(name)); }
    QString label(const char* name) { return static_cast<QLabel*>(at(name))->text(); }
    // One more second of the fake clock, and the meter's update for it.
    void nextSecond() {
        const int before = interfaces.reads;
        clock.advance(1000ms);
        EXPECT_TRUE(QTest::qWaitFor([&] { return interfaces.reads > before; }, 3000));
    }

    test::ScratchHome home;
    testing::TempDir temp;
    FileRegistryBackend registry{registryFile()};
    std::unique_ptr<IniFileSettingsStorage> settings =
        std::make_unique<IniFileSettingsStorage>(iniFile());
    testing::FakePrompts prompts;
    QtEventPump pump;
    testing::FakeLocations locations;
    monitor_testing::FakeClock clock;
    monitor_testing::FakeTableSource interfaces;
    std::unique_ptr<Program> program;
    Form1* created = nullptr;
};

TEST(ProgramTest, FreshStartLoadsHiddenThenShowsTheRealControlsWithFlatGraphs) {
    ProgramRun run;
    bool loadedWhenShown = false;
    QString listWhenShown;
    struct ShowWatch : QObject {
        std::function<void()> onShow;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Show && onShow) onShow();
            return false;
        }
    } watch;
    watch.onShow = [&] {
        loadedWhenShown = run.program->shell().mainWindowLoaded();
        listWhenShown =
            static_cast<QComboBox*>(run.created->element(QStringLiteral("Combo3")))->currentText();
    };
    run.prompts.onMessage = [](const MessageRequest& r) { ADD_FAILURE() << r.text; };
    run.program = std::make_unique<Program>(
        ShellParts{{run.registry, *run.settings, run.prompts, run.pump, run.locations, run.clock},
                   run.interfaces},
        defaultControlFactory(), ShellTimings{5ms, 150ms, 200});
    Program* program = run.program.get();
    // The hook sees the window while it loads hidden, and watches for its first showing.
    program->setMainWindowCreated([&](Form1& window) {
        run.created = &window;
        EXPECT_FALSE(window.isVisible());
        window.installEventFilter(&watch);
    });
    program->start();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return program->mainWindow() && program->mainWindow()->isVisible(); }, 5000));
    Form1& form = *program->mainWindow();

    EXPECT_EQ(&form, run.created);
    EXPECT_TRUE(loadedWhenShown) << "the load handler runs before the window shows";
    EXPECT_EQ(listWhenShown, QStringLiteral("Restore Windows Default Settings"));
    ASSERT_NE(program->splash(), nullptr);
    EXPECT_FALSE(program->splash()->isVisible());
    ASSERT_NE(program->shell().meter(), nullptr);
    ASSERT_NE(program->shell().ipHelper(), nullptr);
    EXPECT_FALSE(program->shell().meterPace()->isActive());

    // The real owner-drawn controls, at their places; both graphs hold only zeros.
    for (const char* name : {monitor_page::kDownloadGraph, monitor_page::kUploadGraph}) {
        ucHistogram* g = run.graph(name);
        ASSERT_NE(g, nullptr) << name;
        EXPECT_THAT(g->PointBuffer(), Each(0)) << name;
        EXPECT_EQ(g->GridColour(), colour::rgb(28, 28, 28));
    }
    EXPECT_EQ(run.at(monitor_page::kUploadGraph)->geometry(), QRect(240, 24, 191, 201));
    for (const char* name : {monitor_page::kDownloadShareBar, monitor_page::kDownloadUtilisationBar,
                             monitor_page::kUploadUtilisationBar, monitor_page::kUploadShareBar})
        EXPECT_NE(qobject_cast<XP_ProgressBar*>(run.at(name)), nullptr) << name;
    EXPECT_EQ(
        qobject_cast<XP_ProgressBar*>(run.at(monitor_page::kDownloadUtilisationBar))->Orientation(),
        1);
    auto* enable = qobject_cast<chameleonButton*>(run.at(firefox::kEnableButton));
    auto* disable = qobject_cast<chameleonButton*>(run.at(firefox::kDisableButton));
    ASSERT_TRUE(enable && disable);
    EXPECT_EQ(enable->Caption(), QStringLiteral("Enable Optimized Configuration"));
    EXPECT_TRUE(enable->isEnabled());
    EXPECT_FALSE(disable->isEnabled());

    // The Firefox page shows the default set's text, line by line.
    run.press(frame::kFirefoxIconResting, frame::kFirefoxIcon);
    auto* text5 = static_cast<QPlainTextEdit*>(run.at(firefox::kDefaultText));
    EXPECT_FALSE(text5->isHidden());
    EXPECT_TRUE(run.at(firefox::kOptimizedText)->isHidden());
    EXPECT_TRUE(text5->toPlainText().startsWith(
        QStringLiteral("user_pref(\"network.http.max-connections\", 24);\n")));
    EXPECT_FALSE(text5->toPlainText().contains(QLatin1Char('\r')));
    // Nothing was written by starting.
    EXPECT_FALSE(std::filesystem::exists(run.registryFile()));
    EXPECT_FALSE(std::filesystem::exists(run.profile() / "user.js"));
}

TEST(ProgramTest, RestoredFirefoxStateDrivesTheButtonsAndTheyRunThePageCommands) {
    ProgramRun run;
    for (const auto& [key, value] : {std::pair{"3", "True"}, std::pair{"4", "False"},
                                     std::pair{"5", "False"}, std::pair{"6", "True"}})
        run.settings->write("Firefox", key, value);
    run.settings->write("Values", "Connection", kDsl16M);
    run.settings->flush();
    run.startAndWaitForTheWindow();
    EXPECT_EQ(static_cast<QComboBox*>(run.at("Combo3"))->currentText(), QLatin1String(kDsl16M));
    EXPECT_EQ(run.program->model().state().Rwin, 374616);

    auto* enable = qobject_cast<chameleonButton*>(run.at(firefox::kEnableButton));
    auto* disable = qobject_cast<chameleonButton*>(run.at(firefox::kDisableButton));
    ASSERT_TRUE(enable && disable);
    EXPECT_FALSE(enable->isEnabled());
    EXPECT_TRUE(disable->isEnabled());
    run.press(frame::kFirefoxIconResting, frame::kFirefoxIcon);
    EXPECT_FALSE(run.at(firefox::kOptimizedText)->isHidden());
    EXPECT_TRUE(run.at(firefox::kDefaultText)->isHidden());

    // "Disable Optimized Configuration": the default set lands in the profile, the page and
    // the buttons switch, and the flags are saved.
    test::click(disable, QPoint(20, 10));
    EXPECT_EQ(readFile(run.profile() / "user.js"), kDefaultPreferences);
    EXPECT_TRUE(enable->isEnabled());
    EXPECT_FALSE(disable->isEnabled());
    EXPECT_FALSE(run.at(firefox::kDefaultText)->isHidden());
    EXPECT_TRUE(run.at(firefox::kOptimizedLabel)->isHidden());
    IniFileSettingsStorage reread(run.iniFile());
    EXPECT_EQ(reread.read("Firefox", "3"), "False");
    EXPECT_EQ(reread.read("Firefox", "6"), "False");
    // A click on the disabled button does nothing.
    std::filesystem::remove(run.profile() / "user.js");
    test::click(disable, QPoint(20, 10));
    EXPECT_FALSE(std::filesystem::exists(run.profile() / "user.js"));

    test::click(enable, QPoint(20, 10));
    EXPECT_EQ(readFile(run.profile() / "user.js"), kOptimizedPreferences);
    EXPECT_FALSE(enable->isEnabled());
    EXPECT_TRUE(disable->isEnabled());
}

TEST(ProgramTest, EverythingAutomaticallyWritesTheRegistryFileTheSettingsAndUserJs) {
    ProgramRun run;
    run.startAndWaitForTheWindow();
    auto* combo3 = static_cast<QComboBox*>(run.at("Combo3"));
    // As a person picks it: the list's activation carries the choice to the window.
    const int entry = combo3->findText(QLatin1String(kDsl16M));
    ASSERT_GE(entry, 0);
    combo3->setCurrentIndex(entry);
    Q_EMIT combo3->activated(entry);
    EXPECT_TRUE(run.program->model().controls().option("Option13"));

    run.press(frame::kAutomaticIconResting, frame::kAutomaticIcon);
    ASSERT_FALSE(run.prompts.shown.empty());
    EXPECT_EQ(run.prompts.shown[0].text,
              "Are you sure you want to proceed with Automatic Optimization?");
    // The values went to a file for Windows: no restart here, a box that names the file.
    EXPECT_EQ(run.prompts.restarts, 0);
    ASSERT_EQ(run.prompts.shown.size(), 2u);
    EXPECT_THAT(run.prompts.shown[1].text,
                ::testing::StartsWith("The 18 registry values were written to " +
                                      run.registryFile() + ". "));
    EXPECT_EQ(run.prompts.shown[1].icon, MessageIcon::Information);
    EXPECT_EQ(run.program->mainWindow()->currentPage(), QLatin1String(frame::kHomePage));

    // The registry file holds the eighteen values of the entry.
    ASSERT_TRUE(std::filesystem::exists(run.registryFile()));
    const RegistryData data = run.registry.load();
    EXPECT_EQ(regText(data, Hive::LocalMachine, kNetTrans, "MaxMTU"), "1492");
    EXPECT_EQ(regText(data, Hive::LocalMachine, kMstcp, "DefaultRcvWindow"), "374616");
    EXPECT_EQ(regText(data, Hive::LocalMachine, kPsched, "NonBestEffortLimit"), "#0");
    EXPECT_EQ(regText(data, Hive::CurrentUser, kInternet, "MaxConnectionsPerServer"), "#10");

    // The settings file, read afresh as at the next start.
    IniFileSettingsStorage reread(run.iniFile());
    EXPECT_EQ(reread.read("Values", "Connection"), kDsl16M);
    EXPECT_EQ(reread.read("Connection", "18"), "True");
    EXPECT_EQ(reread.read("Firefox", "3"), "True");
    EXPECT_EQ(reread.read("Advanced", "QOS"), "0");

    EXPECT_EQ(readFile(run.profile() / "user.js"), kOptimizedPreferences);
    EXPECT_FALSE(qobject_cast<chameleonButton*>(run.at(firefox::kEnableButton))->isEnabled());
    EXPECT_EQ(static_cast<QComboBox*>(run.at("QOS"))->currentText(), QStringLiteral("0"));

    // The next start comes back to the same choices.
    run.program.reset();
    run.settings = std::make_unique<IniFileSettingsStorage>(run.iniFile());
    run.startAndWaitForTheWindow();
    EXPECT_EQ(static_cast<QComboBox*>(run.at("Combo3"))->currentText(), QLatin1String(kDsl16M));
    EXPECT_EQ(run.program->model().state().Mtu, 1492);
    EXPECT_EQ(run.program->model().state().Ttl, 64);
}

TEST(ProgramTest, MonitorCountsAFewSecondsThenBackStopsTheMeterAndFlattensTheGraphs) {
    ProgramRun run;
    Form1& form = run.startAndWaitForTheWindow();
    run.press(frame::kMonitorResting, frame::kMonitorButton);
    EXPECT_EQ(form.currentPage(), QLatin1String(frame::kMonitorPage));
    ASSERT_TRUE(run.program->shell().meterPace()->isActive());
    // The first update takes the bases.
    EXPECT_TRUE(QTest::qWaitFor([&] { return run.interfaces.reads >= 1; }, 3000));

    // 10 KB down and 2 KB up in each of three seconds.
    for (int second = 0; second < 3; ++second) {
        run.interfaces.add(10 * 1024, 2 * 1024);
        run.nextSecond();
    }
    EXPECT_EQ(run.label(monitor_page::kDownloadSpeed), QStringLiteral("10.0 KB/s"));
    EXPECT_EQ(run.label(monitor_page::kUploadSpeed), QStringLiteral("2.0 KB/s"));
    EXPECT_EQ(run.label(monitor_page::kBitsReceived), QStringLiteral("245760"));
    EXPECT_EQ(run.label(monitor_page::kDownloadShare), QStringLiteral("83.3%"));
    EXPECT_EQ(run.label(monitor_page::kBestDownload), QStringLiteral("10.0 KB/s"));
    ucHistogram* download = run.graph(monitor_page::kDownloadGraph);
    ASSERT_NE(download, nullptr);
    EXPECT_THAT(download->PointBuffer(), ::testing::Contains(100));
    EXPECT_EQ(qobject_cast<XP_ProgressBar*>(run.at(monitor_page::kDownloadUtilisationBar))->Value(),
              100);

    run.press(frame::kBackResting, frame::kBackButton);
    EXPECT_EQ(form.currentPage(), QLatin1String(frame::kHomePage));
    EXPECT_FALSE(run.program->shell().meter()->Running());
    EXPECT_FALSE(run.program->shell().meterPace()->isActive());
    for (const char* name : {monitor_page::kDownloadGraph, monitor_page::kUploadGraph})
        EXPECT_THAT(run.graph(name)->PointBuffer(), Each(0)) << name;
    // No update runs any more, whatever the clock does.
    const int reads = run.interfaces.reads;
    run.clock.advance(1000ms);
    QTest::qWait(60);
    EXPECT_EQ(run.interfaces.reads, reads);
    EXPECT_EQ(run.label(monitor_page::kDownloadSpeed), QStringLiteral("10.0 KB/s"))
        << "the figures stay on the page";
}

TEST(ProgramTest, TheStoresLiveInTheUsersFolders) {
    test::ScratchHome home;
    const UserFolders folders = systemUserFolders();
    EXPECT_EQ(QString::fromStdString(registryStorePath(folders).string()),
              qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Quorvex/registry.reg"));
    EXPECT_EQ(QString::fromStdString(settingsFilePath(folders).string()),
              qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Quorvex/Quorvex.ini"));
}

}  // namespace
}  // namespace quorvex
