#include "app/form1.h"

#include <gmock/gmock.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/art_picture.h"
#include "app_test_support.h"
#include "model/frame_elements.h"
#include "shell/main_window_commands.h"
#include "tuning/window_model.h"

namespace quorvex {
namespace {

using test::click;
using test::movePointer;

class Form1Test : public ::testing::Test {
  protected:
    Form1Test() {
        actions.startMeter = [this] { calls.push_back("startMeter"); };
        actions.stopMeter = [this] { calls.push_back("stopMeter"); };
        actions.automaticOptimization = [this] { calls.push_back("automaticOptimization"); };
        actions.advancedApply = [this] { calls.push_back("advancedApply"); };
        actions.enableFirefox = [this] { calls.push_back("enableFirefox"); };
        actions.disableFirefox = [this] { calls.push_back("disableFirefox"); };
        actions.flattenGraphs = [this] { calls.push_back("flattenGraphs"); };
        actions.unload = [this] { calls.push_back("unload"); };
    }

    // The window as the shell has it after the load (without the restore).
    Form1& form() {
        if (!form_) {
            commands_ = std::make_unique<MainWindowCommands>(model.controls(), actions);
            form_ = std::make_unique<Form1>(model, *commands_, controls.factory());
            form_->applyIcon();
            model.controls().setVisible(frame::kBackground, true);
            form_->refresh();
        }
        return *form_;
    }
    MainWindowCommands& commands() {
        form();
        return *commands_;
    }
    QWidget* at(const char* name) {
        QWidget* widget = form().element(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    bool shown(const char* name) { return !at(name)->isHidden(); }
    // Hovering the resting picture reveals the highlighted one, which takes the click.
    void press(const char* resting, const char* highlighted) {
        if (resting) movePointer(at(resting));
        ASSERT_TRUE(shown(highlighted)) << highlighted;
        click(at(highlighted));
    }

    test::ScratchHome home;
    WindowModel model;
    test::RecordingControls controls;
    MainWindowActions actions;
    std::vector<std::string> calls;
    std::unique_ptr<MainWindowCommands> commands_;
    std::unique_ptr<Form1> form_;
};

TEST_F(Form1Test, WindowShellIsFixed) {
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Quorvex"));
    EXPECT_EQ(form().size(), QSize(498, 607));
    EXPECT_EQ(form().minimumSize(), form().maximumSize());
    EXPECT_EQ(form().palette().color(QPalette::Window), QColor(66, 66, 66));
    EXPECT_EQ(form().font().pointSizeF(), 9.0);
    EXPECT_EQ(form().font().families().value(0), QStringLiteral("Tahoma"));
    const Qt::WindowFlags flags = form().windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(form().windowIcon().isNull());
}

TEST_F(Form1Test, ElementsHaveTheirRectanglesAndLoadVisibility) {
    struct Row {
        const char* name;
        QRect rect;
        bool visible;
    };
    const Row rows[] = {
        {"Label53", {0, 592, 497, 17}, true},
        {"Image12", {440, 168, 30, 30}, true},
        {"Image9", {16, 152, 470, 325}, false},
        {"Image8", {16, 152, 470, 325}, false},
        {"Image7", {16, 152, 470, 325}, false},
        {"Image11", {16, 152, 470, 325}, false},
        {"Image10", {16, 152, 470, 325}, false},
        {"Image19", {13, 480, 478, 65}, true},
        {"Image21", {13, 480, 478, 65}, true},
        {"Image26", {13, 536, 478, 65}, false},
        {"Image25", {13, 536, 478, 65}, false},
        {"Image24", {13, 536, 478, 65}, true},
        {"Image23", {13, 536, 478, 65}, true},
        {"Image1", {0, 0, 500, 600}, true},
        {"Picture2", {8, 144, 481, 337}, true},
        {"Picture16", {24, 240, 449, 227}, false},
        {"Picture11", {24, 232, 449, 233}, false},
        {"Picture9", {24, 240, 449, 225}, false},
        {"Picture1", {24, 232, 449, 233}, false},
        {"Picture15", {24, 232, 449, 233}, false},
        {"Picture3", {8, 112, 481, 433}, false},
        {"Image13", {32, 32, 72, 72}, true},
        {"Image6", {32, 32, 72, 72}, true},
        {"Image14", {200, 32, 72, 72}, true},
        {"Image15", {360, 32, 72, 72}, true},
        {"Image16", {32, 168, 72, 72}, true},
        {"Image17", {192, 168, 72, 72}, true},
        {"Image18", {360, 168, 72, 72}, true},
        {"Image20", {360, 168, 72, 72}, true},
        {"ucHistogram1", {8, 24, 191, 201}, true},
        {"ucHistogram2", {240, 24, 191, 201}, true},
        {"XP_ProgressBar2", {207, 40, 17, 161}, true},
        {"XP_ProgressBar3", {448, 40, 17, 161}, true},
        {"XP_ProgressBar1", {296, 338, 137, 9}, true},
        {"XP_ProgressBar4", {296, 355, 137, 9}, true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(at(row.name)->geometry(), row.rect) << row.name;
        EXPECT_EQ(shown(row.name), row.visible) << row.name;
    }
    EXPECT_EQ(form().currentPage(), QStringLiteral("Picture2"));
}

TEST_F(Form1Test, StackingFollowsTheTablesAndPagesLieAboveEverything) {
    // Among siblings, Qt draws later children above earlier ones.
    const char* topmostFirst[] = {"Label53", "Image12", "Image9",  "Image8",  "Image7",
                                  "Image11", "Image10", "Image19", "Image21", "Image26",
                                  "Image25", "Image24", "Image23", "Image1"};
    const QObjectList& children = form().children();
    for (std::size_t i = 1; i < std::size(topmostFirst); ++i)
        EXPECT_GT(children.indexOf(at(topmostFirst[i - 1])), children.indexOf(at(topmostFirst[i])))
            << topmostFirst[i - 1] << " above " << topmostFirst[i];
    for (const char* page :
         {"Picture2", "Picture16", "Picture11", "Picture9", "Picture1", "Picture15", "Picture3"})
        EXPECT_GT(children.indexOf(at(page)), children.indexOf(at("Label53"))) << page;
    const QObjectList& home = at("Picture2")->children();
    for (auto [resting, highlighted] :
         {std::pair{"Image13", "Image6"}, std::pair{"Image18", "Image20"}})
        EXPECT_GT(home.indexOf(at(resting)), home.indexOf(at(highlighted)));
}

TEST_F(Form1Test, NavigationCommandsShowTheirPageAndHeader) {
    struct Row {
        const char* resting;
        const char* highlighted;
        const char* page;
        const char* header;
    };
    const Row rows[] = {
        {"Image13", "Image6", "Picture16", "Image9"},  {"Image14", "Image3", "Picture11", "Image8"},
        {"Image15", "Image2", "Picture9", "Image7"},   {"Image17", "Image4", "Picture1", "Image10"},
        {"Image16", "Image5", "Picture15", "Image11"},
    };
    for (const Row& row : rows) {
        press(row.resting, row.highlighted);
        EXPECT_EQ(form().currentPage(), QLatin1String(row.page)) << row.highlighted;
        for (const char* header : {"Image9", "Image8", "Image7", "Image11", "Image10"})
            EXPECT_EQ(shown(header), std::string(header) == row.header) << row.highlighted;
        press(nullptr, "Image12");
        EXPECT_EQ(form().currentPage(), QStringLiteral("Picture2"));
        // Home leaves the header as it was; the home panel covers it.
        EXPECT_TRUE(shown(row.header));
    }
    EXPECT_TRUE(calls.empty());
}

TEST_F(Form1Test, CommandsWithoutPageChange) {
    press("Image18", "Image20");
    press("Image19", "Image21");
    EXPECT_THAT(calls, ::testing::ElementsAre("automaticOptimization", "advancedApply"));
    EXPECT_EQ(form().currentPage(), QStringLiteral("Picture2"));
}

TEST_F(Form1Test, KeyboardReachesEveryPictureCommand) {
    form().show();
    auto activate = [this](const char* name, Qt::Key key) {
        QWidget* picture = at(name);
        EXPECT_EQ(picture->focusPolicy(), Qt::TabFocus) << name;
        QTest::keyClick(picture, key);
    };
    activate("Image18", Qt::Key_Return);  // resting "Everything Automatically"
    activate("Image19", Qt::Key_Space);   // resting "Apply Settings"
    EXPECT_THAT(calls, ::testing::ElementsAre("automaticOptimization", "advancedApply"));
    activate("Image13", Qt::Key_Enter);  // resting "Internet Settings"
    EXPECT_EQ(form().currentPage(), QStringLiteral("Picture16"));
    activate("Image12", Qt::Key_Space);  // home
    EXPECT_EQ(form().currentPage(), QStringLiteral("Picture2"));
    QTest::keyClick(at("Image24"), Qt::Key_A);  // other keys do nothing
    EXPECT_EQ(form().currentPage(), QStringLiteral("Picture2"));
    EXPECT_EQ(at("Image13")->accessibleName(), QStringLiteral("Internet Settings"));
}

TEST_F(Form1Test, OpenMonitorAndBackRunTheMeterCommands) {
    commands().showInternetSettings();
    press("Image24", "Image23");
    EXPECT_EQ(form().currentPage(), QStringLiteral("Picture3"));
    for (const char* header : {"Image9", "Image8", "Image7", "Image11", "Image10"})
        EXPECT_FALSE(shown(header)) << header;
    EXPECT_TRUE(shown("Image26"));
    EXPECT_TRUE(shown("Image25"));
    EXPECT_EQ(calls.back(), "startMeter");

    press("Image26", "Image25");
    EXPECT_THAT(calls, ::testing::ElementsAre("startMeter", "stopMeter", "flattenGraphs"));
    EXPECT_EQ(form().currentPage(), QStringLiteral("Picture2"));
    EXPECT_FALSE(shown("Image25"));
}

TEST_F(Form1Test, HoverRulesOfTheBottomButtons) {
    // Apply straight onto monitor and back again.
    movePointer(at("Image19"));
    EXPECT_FALSE(shown("Image19"));
    EXPECT_TRUE(shown("Image24"));
    movePointer(at("Image24"));
    EXPECT_FALSE(shown("Image24"));
    EXPECT_TRUE(shown("Image19"));
    movePointer(at("Image19"));
    EXPECT_FALSE(shown("Image19"));
    EXPECT_TRUE(shown("Image24"));

    // A home icon brings back the apply button's resting picture ...
    movePointer(at("Image15"));
    EXPECT_FALSE(shown("Image15"));
    EXPECT_TRUE(shown("Image19"));
    // ... but not the monitor button's.
    movePointer(at("Image24"));
    movePointer(at("Image16"));
    EXPECT_FALSE(shown("Image16"));
    EXPECT_FALSE(shown("Image24"));

    // The home page restores every resting picture.
    movePointer(at("Image13"));
    movePointer(at("Picture2"), QPoint(150, 150));
    for (const char* resting :
         {"Image13", "Image14", "Image15", "Image16", "Image17", "Image18", "Image19", "Image24"})
        EXPECT_TRUE(shown(resting)) << resting;
}

TEST_F(Form1Test, HoverOverTheMonitorPageRestoresOnlyTheBackButton) {
    movePointer(at("Image19"));
    movePointer(at("Image24"));
    commands().openMonitor();
    movePointer(at("Image26"));
    EXPECT_FALSE(shown("Image26"));
    ASSERT_FALSE(shown("Image24"));
    movePointer(at("Picture3"), QPoint(470, 420));
    EXPECT_TRUE(shown("Image26"));
    EXPECT_FALSE(shown("Image24")) << "the monitor button's resting picture stays hidden";
}

TEST_F(Form1Test, HoverOverStripAndBackground) {
    movePointer(at("Image13"));
    movePointer(at("Image24"));
    movePointer(at("Label53"));
    for (const char* resting : {"Image13", "Image19", "Image24"}) EXPECT_TRUE(shown(resting));
    EXPECT_FALSE(shown("Image26")) << "the back button stays hidden away from the monitor";

    commands().openMonitor();
    movePointer(at("Image26"));
    movePointer(at("Image1"), QPoint(250, 50));
    EXPECT_TRUE(shown("Image26"));
    movePointer(at("Image26"));
    movePointer(at("Label53"));
    EXPECT_TRUE(shown("Image26"));
}

TEST_F(Form1Test, SettingsPageHoverRestoresBottomButtonsButNotOverItsControls) {
    commands().showAdvancedSettings();
    movePointer(at("Image19"));
    movePointer(at("Image24"));
    ASSERT_FALSE(shown("Image24"));
    QWidget* panel = at("Picture11");
    QWidget* radio = at("TTL64");
    // Over an option button: nothing changes, also when the button lets the move pass.
    movePointer(panel, radio->geometry().center());
    EXPECT_FALSE(shown("Image24"));
    movePointer(panel, QPoint(panel->width() - 3, panel->height() - 3));
    EXPECT_TRUE(shown("Image24"));
    EXPECT_TRUE(shown("Image19"));
}

TEST_F(Form1Test, FirefoxTextsFollowTheVisibleLabel) {
    struct Row {
        bool optimizedLabel, defaultLabel, text4Before, text5Before, text4After, text5After;
    };
    const Row rows[] = {
        {true, false, false, true, true, false},   // Optimized shown
        {false, true, true, false, false, true},   // Default shown
        {true, true, false, false, true, false},   // both: the optimized text wins
        {false, false, true, false, true, false},  // neither: texts keep their state
        {false, false, false, true, false, true},
    };
    ControlModel& c = model.controls();
    for (const Row& row : rows) {
        c.setVisible("Label25", row.optimizedLabel);
        c.setVisible("Label26", row.defaultLabel);
        c.setVisible("Text4", row.text4Before);
        c.setVisible("Text5", row.text5Before);
        commands().showHome();
        press("Image16", "Image5");
        EXPECT_EQ(form().currentPage(), QStringLiteral("Picture15"));
        EXPECT_EQ(shown("Text4"), row.text4After);
        EXPECT_EQ(shown("Text5"), row.text5After);
        EXPECT_EQ(c.visible("Text4"), row.text4After);
        EXPECT_EQ(shown("Label25"), row.optimizedLabel);
        EXPECT_EQ(shown("Label26"), row.defaultLabel);
    }
}

TEST_F(Form1Test, FirefoxPageFollowsTheModelAndForwardsItsButtons) {
    model.controls().setText("Text4", "user_pref(\"a\", 1);");
    form();
    EXPECT_EQ(static_cast<QPlainTextEdit*>(at("Text4"))->toPlainText(),
              QStringLiteral("user_pref(\"a\", 1);"));
    EXPECT_TRUE(at("chameleonButton2")->isEnabled());
    EXPECT_FALSE(at("chameleonButton3")->isEnabled());
    model.controls().setEnabled("chameleonButton3", true);
    model.controls().setEnabled("chameleonButton2", false);
    EXPECT_TRUE(at("chameleonButton3")->isEnabled());
    EXPECT_FALSE(at("chameleonButton2")->isEnabled());
    static_cast<QPushButton*>(at("chameleonButton3"))->click();
    EXPECT_EQ(calls.back(), "disableFirefox");
    // The disable button stands above the enable button, each as wide as the text.
    EXPECT_LT(at("chameleonButton3")->y(), at("chameleonButton2")->y());
    EXPECT_EQ(at("chameleonButton2")->width(), at("Text4")->width());
    EXPECT_EQ(at("Text4")->geometry(), at("Text5")->geometry());
}

TEST_F(Form1Test, OptionButtonsAndListsAreBoundBothWays) {
    std::vector<std::string> handlers;
    model.setHandlerTrace([&](std::string_view h) { handlers.emplace_back(h); });
    auto* option13 = static_cast<QRadioButton*>(at("Option13"));
    auto* combo3 = static_cast<QComboBox*>(at("Combo3"));

    option13->click();
    EXPECT_TRUE(model.controls().option("Option13"));
    EXPECT_EQ(combo3->currentText().toStdString(), connectionType(ConnectionKind::Dsl16M).fullName);
    EXPECT_FALSE(static_cast<QRadioButton*>(at("Option30"))->isChecked());
    EXPECT_EQ(model.state().Mtu, 1492);

    // A click on the button already selected runs its handler again and keeps it selected.
    handlers.clear();
    option13->click();
    EXPECT_TRUE(option13->isChecked());
    EXPECT_THAT(handlers, ::testing::Contains("Option13"));

    // Choosing in the list selects the entry's option button.
    const int satellite = combo3->findText(
        QString::fromUtf8(connectionType(ConnectionKind::Satellite1M).fullName.data()));
    combo3->setCurrentIndex(satellite);
    Q_EMIT combo3->activated(satellite);
    EXPECT_TRUE(static_cast<QRadioButton*>(at("Option19"))->isChecked());
    EXPECT_FALSE(option13->isChecked());

    // A change made by a command shows on the page.
    model.controls().setOption("TTL64", true);
    EXPECT_TRUE(static_cast<QRadioButton*>(at("TTL64"))->isChecked());
    EXPECT_FALSE(static_cast<QRadioButton*>(at("TTL32"))->isChecked());
    model.controls().setListText("QOS", "0");
    EXPECT_EQ(static_cast<QComboBox*>(at("QOS"))->currentText(), QStringLiteral("0"));
    EXPECT_FALSE(static_cast<QComboBox*>(at("QOS"))->isEditable());
}

TEST_F(Form1Test, PagesCarryTheirCaptionsAndMarks) {
    auto captionOf = [this](const char* name) {
        return static_cast<QRadioButton*>(at(name))->text().toStdString();
    };
    EXPECT_EQ(captionOf("TTL64"), "64 (Recommended)");
    EXPECT_EQ(captionOf("TTL32"), "32 (Default)");
    EXPECT_EQ(captionOf("TTL128"), "128");
    EXPECT_EQ(captionOf("TCP1"), "Windows Scale (Recommended)");
    EXPECT_EQ(captionOf("Option43"), "Disabled (Recommended)");
    EXPECT_EQ(captionOf("Option30"), "Default Windows Settings ");
    std::vector<std::string> texts;
    for (const QLabel* label : form().findChildren<QLabel*>())
        texts.push_back(label->text().toStdString());
    for (const char* expected : {"Please Choose Your Internet / Network Connection Type:",
                                 "DSL Or Cable Modem:",
                                 "Wireless Connection:",
                                 "Satellite:",
                                 "Dail Up Over Fixed Line:",
                                 "Closed Networks:",
                                 "Bandwidth Reserved For QoS:",
                                 "%",
                                 "(Recommended: 0%) (Default: 20%)",
                                 "Optimize Fast Copy Receive Threshold:",
                                 "Selective Acknowledgements:",
                                 "Optimize Duplicate Acknowledgments:",
                                 "Optimize Datagram Size:",
                                 "TCP Large Window Support:",
                                 "Time To Live:",
                                 "RWIN:",
                                 "My Network Places Shares",
                                 "Optimize Request Buffer Size",
                                 "Optimize Network Redirector Buffers",
                                 "Maximum HTTP 1.0 Server Connections:",
                                 "Maximum HTTP 1.1 Server Connections:",
                                 "Simultaneous Connections:",
                                 "(Recommended: 10) (Default: 4)",
                                 "(Recommended: 10) (Default: 2)",
                                 "Current Configuration: ",
                                 "Optimized Configuration",
                                 "Default Configuration",
                                 "Internet Settings",
                                 "Everything Automatically",
                                 "Download Capacity Utilization:",
                                 "Best Connection Achieved:"})
        EXPECT_THAT(texts, ::testing::Contains(std::string(expected)));
    // Every control of every page lies inside its panel.
    for (const char* page :
         {"Picture16", "Picture11", "Picture9", "Picture1", "Picture15", "Picture3"}) {
        QWidget* panel = at(page);
        panel->ensurePolished();
        if (panel->layout()) panel->layout()->activate();
        for (QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_TRUE(panel->rect().contains(child->geometry()))
                << page << " " << child->objectName().toStdString();
    }
}

TEST_F(Form1Test, MonitorLabelsShowTheMetersTexts) {
    auto* speed = static_cast<QLabel*>(at("lblDownloadSpeedTop"));
    EXPECT_EQ(speed->text(), QStringLiteral("0.0 KB/S"));
    model.controls().setText("lblDownloadSpeedTop", "12.5 KB/s");
    EXPECT_EQ(speed->text(), QStringLiteral("12.5 KB/s"));
    EXPECT_EQ(speed->palette().color(QPalette::WindowText), QColor(192, 192, 192));
    EXPECT_EQ(static_cast<QLabel*>(at("Label30"))->font().pointSizeF(), 9.75);
}

TEST_F(Form1Test, ClickablePicturesNameThemselvesAndShowTheLinkCursor) {
    struct Row {
        const char* name;
        const char* caption;
        const char* art;  // artwork that must carry the caption, or null
    };
    const Row rows[] = {
        {"Image6", "Internet Settings", nullptr},
        {"Image3", "Advanced Settings", nullptr},
        {"Image2", "Local Area Network", nullptr},
        {"Image5", "Mozilla Firefox", nullptr},
        {"Image4", "Internet Explorer", nullptr},
        {"Image20", "Everything Automatically", nullptr},
        {"Image12", "Home", nullptr},
        {"Image21", "Apply Settings", ":/artwork/button_apply_hover.svg"},
        {"Image23", "Open Traffic Monitor", ":/artwork/button_monitor_hover.svg"},
        {"Image25", "Back To Main Menu", ":/artwork/button_back_hover.svg"},
    };
    for (const Row& row : rows) {
        QWidget* picture = at(row.name);
        EXPECT_EQ(picture->accessibleName(), QLatin1String(row.caption)) << row.name;
        EXPECT_EQ(picture->toolTip(), QLatin1String(row.caption)) << row.name;
        EXPECT_EQ(picture->cursor().shape(), Qt::BitmapCursor) << row.name;
        EXPECT_EQ(picture->cursor().hotSpot(), QPoint(13, 5)) << row.name;
        if (row.art) {
            QFile file(QLatin1String(row.art));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << row.art;
            EXPECT_TRUE(file.readAll().contains(row.caption)) << row.art;
        }
    }
    for (const char* resting : {"Image13", "Image18", "Image19", "Image24", "Image26"})
        EXPECT_FALSE(at(resting)->testAttribute(Qt::WA_SetCursor)) << resting;
}

TEST_F(Form1Test, RenderedWindowShowsTheStackingAndTheHover) {
    const QColor grey(66, 66, 66);
    auto pixel = [this](QPoint at) { return form().grab().toImage().pixelColor(at); };
    EXPECT_EQ(pixel({250, 604}), grey) << "the window's own background below the picture";
    EXPECT_EQ(pixel({250, 300}), grey) << "the home page between its icons";
    // Icon centre (home page 8,144 + icon 360,32 + glyph-free spot): resting is grey, the
    // highlighted picture shows the accent blue once the pointer has moved over it.
    const QPoint tile(8 + 360 + 10, 144 + 32 + 36);
    EXPECT_LT(pixel(tile).saturation(), 40);
    movePointer(at("Image15"));
    EXPECT_GT(pixel(tile).saturation(), 120);
    EXPECT_GT(pixel(tile).blue(), pixel(tile).red());
    // A settings page lies above its header and shows the system's window colour.
    commands().showLocalAreaNetwork();
    EXPECT_EQ(pixel({24 + 440, 240 + 200}), form().palette().color(QPalette::Base));
}

TEST_F(Form1Test, ClosingTheWindowUnloadsIt) {
    form().show();
    form().close();
    EXPECT_THAT(calls, ::testing::ElementsAre("unload"));
}

}  // namespace
}  // namespace quorvex
