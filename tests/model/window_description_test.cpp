#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "model/choice_display.h"
#include "model/frame_description.h"
#include "model/monitor_description.h"
#include "model/settings_description.h"
#include "model/window_model.h"

namespace quorvex::layout {
namespace {

bool inside(const Rect& inner, const Rect& outer) {
    return inner.x >= 0 && inner.y >= 0 && inner.right() <= outer.width &&
           inner.bottom() <= outer.height;
}

const Page& pageNamed(std::string_view name) {
    for (const Page& page : kPageTable)
        if (name == page.name) return page;
    throw std::out_of_range(std::string(name));
}

// Every element the description names is one the window model knows, and names none twice.
TEST(WindowDescription, NamesOnlyElementsTheModelDeclaresEachOnce) {
    WindowModel model;
    const ControlModel& controls = model.controls();
    std::set<std::string> seen;
    auto check = [&](const char* name) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(controls.hasElement(name) || controls.hasList(name));
        EXPECT_TRUE(seen.insert(name).second);
    };
    for (const Picture& p : kWindowPictures) check(p.name);
    for (const Page& p : kPageTable) check(p.name);
    for (const HomeIcon& icon : kHomeIconTable) {
        check(icon.resting);
        check(icon.highlighted);
    }
    for (const Text& t : kMonitorTexts)
        if (t.name) check(t.name);
    for (const FirefoxState& s : kFirefoxStates) check(s.name);
    for (const char* name : kFirefoxTexts) check(name);
    for (const Button& b : kFirefoxButtons) check(b.name);
    check(kConnectionListPlace.name);
    check(kQosRow.list.name);
    for (const HttpRow& row : kHttpRows) check(row.list);
    check(names::kRwinValue);
}

TEST(WindowDescription, EveryPartLiesInsideItsParent) {
    const Rect window{0, 0, kClientWidth, kClientHeight};
    for (const Page& page : kPageTable) EXPECT_TRUE(inside(page.rect, window)) << page.name;
    for (const Picture& p : kWindowPictures) EXPECT_TRUE(p.rect.x >= 0 && p.rect.y >= 0) << p.name;
    const Rect monitor = pageNamed(frame::kMonitorPage).rect;
    for (const Text& t : kMonitorTexts) EXPECT_TRUE(inside(t.rect, monitor)) << t.text;
    for (const Bar& b : kMonitorBars) EXPECT_TRUE(inside(b.rect, monitor)) << b.name;
    for (const Graph& g : kMonitorGraphs) EXPECT_TRUE(inside(g.rect, monitor)) << g.name;
    const Rect home = pageNamed(frame::kHomePage).rect;
    for (const HomeIcon& icon : kHomeIconTable)
        EXPECT_TRUE(inside(icon.picture, home)) << icon.caption;
    const Rect firefox = pageNamed(frame::kFirefoxPage).rect;
    for (const Button& b : kFirefoxButtons) EXPECT_TRUE(inside(b.rect, firefox)) << b.name;
}

// A caption's text stays centred where designed unless that would put it past the page's edge;
// then it moves just inside. Its area is no wider than the text, so captions never overlap.
TEST(WindowDescription, ACaptionMovesOnlyAsFarAsKeepsItsTextInsideThePage) {
    const Rect home = pageNamed(frame::kHomePage).rect;
    const auto textSpan = [](const Rect& area, int textWidth) {
        const int left = area.x + (area.width - textWidth) / 2;
        return std::pair{left, left + textWidth};
    };
    for (const HomeIcon& icon : kHomeIconTable) {
        SCOPED_TRACE(icon.caption);
        const Rect& designed = icon.captionRect;
        for (const int textWidth : {designed.width - 40, designed.width, designed.width + 14}) {
            const Rect area = captionArea(designed, home.width, textWidth);
            const auto [left, right] = textSpan(area, textWidth);
            EXPECT_GE(area.x, 0) << textWidth;
            EXPECT_LE(area.right(), home.width) << textWidth;
            EXPECT_GE(left, area.x) << textWidth;
            EXPECT_LE(right, area.right()) << textWidth;
            EXPECT_GE(area.width, textWidth + 2 * kCaptionInk);
            EXPECT_LE(area.width, textWidth + 2 * kCaptionInk + 1);
            EXPECT_EQ(area.height, designed.height + 2);
            const int centre2 = 2 * designed.x + designed.width;
            const int inked = textWidth + 2 * kCaptionInk;
            if (centre2 >= inked && centre2 + inked <= 2 * home.width) {
                EXPECT_LE(std::abs(left + right - centre2), 1) << textWidth;
            } else {
                EXPECT_TRUE(area.x == 0 || area.right() == home.width) << textWidth;
            }
        }
    }
}

TEST(WindowDescription, BarsAreDesignedByKind) {
    for (const Bar& bar : kMonitorBars) {
        SCOPED_TRACE(bar.name);
        // Columns are taller than wide, share bars wider than tall.
        EXPECT_EQ(bar.design.vertical, bar.rect.height > bar.rect.width);
        EXPECT_EQ(bar.design.style,
                  bar.design.vertical ? BarStyle::Continuous : BarStyle::DarkGradient);
    }
}

TEST(ChoiceDisplay, UnknownGroupFailsLoudly) {
    EXPECT_THROW(groupNamed("NoSuchGroup"), std::out_of_range);
    for (const GroupColumn& column : kAdvancedColumns)
        for (const char* id : column.groups)
            if (id) {
                EXPECT_NO_THROW(groupNamed(id)) << id;
            }
    for (const char* id : kLanGroups) EXPECT_NO_THROW(groupNamed(id)) << id;
}

TEST(ChoiceDisplay, LanGroupsShowEnabledFirst) {
    for (const char* id : kLanGroups) {
        const auto order = displayOrder(groupNamed(id), true);
        ASSERT_EQ(order.size(), 2u) << id;
        EXPECT_EQ(order[0]->caption, "Enabled") << id;
        EXPECT_EQ(displayOrder(groupNamed(id), false)[0]->caption,
                  groupNamed(id).choices[0].caption);
    }
}

TEST(ChoiceDisplay, MarkedCaptionAppendsTheMark) {
    for (const auto& group : advancedGroups())
        for (const auto& choice : group.choices) {
            const std::string caption = markedCaption(choice);
            const std::string_view mark = markText(choice.mark);
            EXPECT_EQ(caption, mark.empty()
                                   ? std::string(choice.caption)
                                   : std::string(choice.caption) + " " + std::string(mark));
        }
}

TEST(WindowModelRwin, FollowsTheChosenConnection) {
    WindowModel model;
    EXPECT_EQ(model.controls().text(names::kRwinValue), std::to_string(model.state().Rwin));
    const ConnectionType& entry = connectionCatalogue().front();
    model.controls().setOption(std::string(entry.optionControl), true);
    EXPECT_EQ(model.controls().text(names::kRwinValue), std::to_string(entry.rwin));
    model.state().Rwin = 1234;  // unannounced
    model.showRwin();
    EXPECT_EQ(model.controls().text(names::kRwinValue), "1234");
}

}  // namespace
}  // namespace quorvex::layout
