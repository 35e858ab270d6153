// The main window as a view: created hidden and driven with window messages, it shows the window
// model and reports clicks, pointer movement and keys by element name.
#include "win32/form1_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tuning/connection_catalogue.h"
#include "tuning/window_model.h"
#include "win32/dpi.h"
#include "win32/dropdown_ctrl.h"
#include "win32/radio_ctrl.h"
#include "win32/text_ctrl.h"

namespace quorvex::win32 {
namespace {

class Form1WindowTest : public ::testing::Test {
  protected:
    Form1WindowTest() {
        Form1Events events;
        events.onCommand = [this](const std::string& name) { commands.push_back(name); };
        events.onHover = [this](const std::string& name) { hovers.push_back(name); };
        window = std::make_unique<Form1Window>(model, std::move(events));
        created = window->create();
    }

    HWND handle(const std::string& name) const {
        Wnd* control = window->element(name);
        return control ? control->hwnd() : nullptr;
    }
    bool shown(const std::string& name) const {
        Wnd* control = window->element(name);
        return control && control->isVisible();
    }
    void click(const std::string& name) {
        SendMessageW(handle(name), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(handle(name), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    void key(const std::string& name, WPARAM code) {
        SendMessageW(handle(name), WM_KEYDOWN, code, 0);
    }
    // The topmost visible child of `parent` at a point of the main window's client area.
    HWND topmostAt(HWND parent, int x, int y) const {
        POINT at{scaled(x, window->dpi()), scaled(y, window->dpi())};
        MapWindowPoints(window->hwnd(), parent, &at, 1);
        return ChildWindowFromPointEx(parent, at, CWP_SKIPINVISIBLE);
    }

    WindowModel model;
    std::vector<std::string> commands;
    std::vector<std::string> hovers;
    std::unique_ptr<Form1Window> window;
    bool created = false;
};

TEST_F(Form1WindowTest, IsAFixedWindowCaptionedQuorvexWithAMinimiseButtonOnly) {
    ASSERT_TRUE(created);
    EXPECT_EQ(window->text(), "Quorvex");
    const LONG_PTR style = GetWindowLongPtrW(window->hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_CAPTION);
    RECT client;
    GetClientRect(window->hwnd(), &client);
    EXPECT_EQ(client.right, scaled(498, window->dpi()));
    EXPECT_EQ(client.bottom, scaled(607, window->dpi()));
    EXPECT_FALSE(IsWindowVisible(window->hwnd()));
}

TEST_F(Form1WindowTest, HoldsEveryNamedElementAndShowsTheHomePageAlone) {
    for (const char* name : {"Image1",
                             "Image12",
                             "Image19",
                             "Image21",
                             "Image23",
                             "Image24",
                             "Image25",
                             "Image26",
                             "Image7",
                             "Image8",
                             "Image9",
                             "Image10",
                             "Image11",
                             "Label53",
                             "Picture2",
                             "Picture16",
                             "Picture11",
                             "Picture9",
                             "Picture1",
                             "Picture15",
                             "Picture3",
                             "Combo3",
                             "QOS",
                             "Combo1",
                             "Combo2",
                             "Text4",
                             "Text5",
                             "Label25",
                             "Label26",
                             "chameleonButton2",
                             "chameleonButton3",
                             "ucHistogram1",
                             "ucHistogram2",
                             "XP_ProgressBar1",
                             "XP_ProgressBar4",
                             "Label54",
                             "Label30",
                             "lblDownloadSpeedTop",
                             "MaximumUpload"})
        EXPECT_NE(handle(name), nullptr) << name;
    for (const auto& entry : connectionCatalogue())
        EXPECT_NE(handle(std::string(entry.optionControl)), nullptr) << entry.optionControl;
    EXPECT_EQ(window->currentPage(), "Picture2");
    for (const char* header : {"Image7", "Image8", "Image9", "Image10", "Image11"})
        EXPECT_FALSE(shown(header)) << header;
    EXPECT_FALSE(shown("Image25"));
    EXPECT_FALSE(shown("Image26"));
}

TEST_F(Form1WindowTest, StacksPagesAboveTheWindowAndRestingPicturesAboveCommands) {
    const HWND form = window->hwnd();
    // A page over the background picture; the home button over the page headers.
    EXPECT_EQ(topmostAt(form, 100, 200), handle("Picture2"));
    EXPECT_EQ(topmostAt(form, 5, 5), handle("Image1"));
    // The home button lies under the home page; a settings page leaves it free, over its header.
    EXPECT_EQ(topmostAt(form, 450, 175), handle("Picture2"));
    model.controls().setVisible("Picture2", false);
    model.controls().setVisible("Picture16", true);
    model.controls().setVisible("Image9", true);
    EXPECT_EQ(topmostAt(form, 450, 175), handle("Image12"));
    EXPECT_EQ(topmostAt(form, 100, 200), handle("Image9"));
    EXPECT_EQ(topmostAt(form, 100, 300), handle("Picture16"));
    // The resting pictures lie over the pictures that take the click.
    EXPECT_EQ(topmostAt(handle("Picture2"), 8 + 40, 144 + 40), handle("Image13"));
    EXPECT_EQ(topmostAt(form, 100, 500), handle("Image19"));
    EXPECT_EQ(topmostAt(form, 100, 560), handle("Image24"));
    model.controls().setVisible("Image26", true);
    EXPECT_EQ(topmostAt(form, 100, 560), handle("Image26"));
    // The bottom strip over the background.
    EXPECT_EQ(topmostAt(form, 100, 596), handle("Label53"));
}

TEST_F(Form1WindowTest, ReportsPointerMovementByElement) {
    for (const char* name : {"Image13", "Image18", "Image19", "Image24", "Image26", "Picture2",
                             "Picture16", "Picture3", "Label53", "Image1"})
        SendMessageW(handle(name), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(hovers,
              (std::vector<std::string>{"Image13", "Image18", "Image19", "Image24", "Image26",
                                        "Picture2", "Picture16", "Picture3", "Label53", "Image1"}));
}

TEST_F(Form1WindowTest, ClicksOnCommandPicturesAndButtonsAreReportedOthersAreNot) {
    for (const char* name :
         {"Image6", "Image3", "Image2", "Image5", "Image4", "Image20", "Image12", "Image21",
          "Image23", "Image25", "chameleonButton2", "chameleonButton3"})
        click(name);
    click("Image13");  // a resting picture
    click("Image9");   // a page header
    EXPECT_EQ(commands,
              (std::vector<std::string>{"Image6", "Image3", "Image2", "Image5", "Image4", "Image20",
                                        "Image12", "Image21", "Image23", "Image25",
                                        "chameleonButton2", "chameleonButton3"}));
}

TEST_F(Form1WindowTest, EnterOrSpaceRunsTheCommandOfTheFocusedPicture) {
    key("Image18", VK_RETURN);  // resting: runs the picture under it
    key("Image13", VK_SPACE);
    key("Image21", VK_RETURN);
    key("Image26", VK_SPACE);
    key("chameleonButton2", VK_RETURN);
    key("Image6", 'A');  // other keys do nothing
    EXPECT_EQ(commands, (std::vector<std::string>{"Image20", "Image6", "Image21", "Image25",
                                                  "chameleonButton2"}));
}

TEST_F(Form1WindowTest, EveryCommandIsATabStopWithAnAccessibleName) {
    struct Named {
        const char* element;
        const char* name;
    };
    for (const Named& n :
         {Named{"Image6", "Internet Settings"}, Named{"Image13", "Internet Settings"},
          Named{"Image20", "Everything Automatically"},
          Named{"Image18", "Everything Automatically"}, Named{"Image12", "Home"},
          Named{"Image21", "Apply Settings"}, Named{"Image19", "Apply Settings"},
          Named{"Image23", "Open Traffic Monitor"}, Named{"Image25", "Back To Main Menu"},
          Named{"chameleonButton2", "Enable Optimized Configuration"},
          Named{"chameleonButton3", "Disable Optimized Configuration"}}) {
        EXPECT_TRUE(GetWindowLongPtrW(handle(n.element), GWL_STYLE) & WS_TABSTOP) << n.element;
        EXPECT_EQ(window->element(n.element)->text(), n.name) << n.element;
    }
}

TEST_F(Form1WindowTest, ListsAndOptionsFollowTheModelBothWays) {
    auto& combo = static_cast<DropDownCtrl&>(*window->element("Combo3"));
    ASSERT_EQ(combo.count(), static_cast<int>(model.controls().listEntries("Combo3").size()));
    const ConnectionType& dsl = connectionType(ConnectionKind::Dsl16M);

    // The model's change shows in the list and the option button.
    model.controls().setListText("Combo3", std::string(dsl.fullName));
    EXPECT_EQ(combo.itemText(combo.currentIndex()), dsl.fullName);
    auto& option = static_cast<RadioCtrl&>(*window->element(std::string(dsl.optionControl)));
    EXPECT_TRUE(option.isChecked());

    // A pick in the list goes to the model.
    const ConnectionType& gprs = connectionType(ConnectionKind::WirelessGprs);
    const int index = static_cast<int>(
        SendMessageW(combo.hwnd(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(wide(std::string(gprs.fullName)).c_str())));
    ASSERT_GE(index, 0);
    SendMessageW(combo.hwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(combo.hwnd()), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo.hwnd()));
    EXPECT_EQ(model.controls().listText("Combo3"), gprs.fullName);
    EXPECT_FALSE(option.isChecked());

    // A click on an option button goes to the model, which updates the list.
    auto& dslOption = static_cast<RadioCtrl&>(*window->element(std::string(dsl.optionControl)));
    SendMessageW(dslOption.hwnd(), BM_CLICK, 0, 0);
    EXPECT_TRUE(model.controls().option(std::string(dsl.optionControl)));
    EXPECT_EQ(model.controls().listText("Combo3"), dsl.fullName);
    EXPECT_TRUE(dslOption.isChecked());
}

TEST_F(Form1WindowTest, VisibleEnabledAndTextFlagsOfTheModelAreShown) {
    model.controls().setVisible("Picture2", false);
    model.controls().setVisible("Picture15", true);
    EXPECT_EQ(window->currentPage(), "Picture15");
    model.controls().setEnabled("chameleonButton2", false);
    EXPECT_FALSE(window->element("chameleonButton2")->isEnabled());
    model.controls().setText("Label54", "1.50 MBs");
    EXPECT_EQ(window->element("Label54")->text(), "1.50 MBs");
    model.controls().setText("Text4", "a\nb");
    EXPECT_EQ(static_cast<TextCtrl&>(*window->element("Text4")).contents(), "a\r\nb");
}

TEST_F(Form1WindowTest, GraphsAndBarsTakeTheMetersFigures) {
    auto& graph = static_cast<HistogramCtrl&>(window->histogram(1));
    graph.NextPoint(0);
    graph.NextPoint(50);
    EXPECT_EQ(graph.sampleCount(), 2u);
    EXPECT_EQ(&window->histogram(7), &window->histogram(2));
    EXPECT_TRUE(window->progressBar(1).setValue(40));
    EXPECT_EQ(window->bar(1).value(), 40);
    EXPECT_FALSE(window->progressBar(1).setValue(101));
    EXPECT_EQ(window->bar(1).value(), 40);
    EXPECT_EQ(&window->progressBar(9), &window->progressBar(4));
}

}  // namespace
}  // namespace quorvex::win32
