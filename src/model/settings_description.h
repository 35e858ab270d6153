#pragma once

#include <array>
#include <string_view>

#include "controls/button_look.h"
#include "model/firefox_elements.h"
#include "model/frame_description.h"
#include "model/window_description.h"
#include "model/window_model.h"
#include "tuning/connection_catalogue.h"

// The five settings pages as designed: which choices stand in which column, the texts beside
// them, and where they go. A front end that places controls itself reads the pixel placements;
// one that lays them out reads the margins and spacings.
namespace quorvex::layout {

// Margins and spacings of a page laid out by a toolkit.
struct Flow {
    int left = 0, top = 0, right = 0, bottom = 0;
    int horizontalSpacing = 0, verticalSpacing = 0;
};

// --- Internet Settings: the connection kinds by group, in three columns, and the QoS row. ----

struct ConnectionColumn {
    std::array<ConnectionGroup, 2> groups;
    int groupCount;
    bool endsWithRestore;  // the "Restore Defaults" choice closes the column
};
inline constexpr std::array<ConnectionColumn, 3> kConnectionColumns{{
    {{ConnectionGroup::DslOrCable, ConnectionGroup::DslOrCable}, 1, false},
    {{ConnectionGroup::Wireless, ConnectionGroup::Satellite}, 2, false},
    {{ConnectionGroup::DialUp, ConnectionGroup::ClosedNetworks}, 2, true},
}};
struct ConnectionPlacement {
    std::array<int, 3> columnX, columnWidth;
    int top, rowStep, rowHeight, groupGap;
};
// The third column is the widest: the two ISDN choices need 155 pixels with Tahoma.
inline constexpr ConnectionPlacement kConnectionPlacement{
    {6, 154, 291}, {146, 134, 155}, 5, 14, 13, 4};
// 27 choices in three columns: a smaller size keeps the longest captions whole.
inline constexpr Font kConnectionFont = kSmallFont;
inline constexpr Font kConnectionHeadingFont = kSmallBold;
inline constexpr Flow kInternetFlow{6, 5, 4, 5, 4, 0};
// Room between a radio button's mark and its caption on the toolkit-laid page.
inline constexpr int kConnectionMarkSpacing = 3;

// A row of texts with one list, left to right.
struct ListRow {
    const char* heading;  // bold
    List list;
    const char* unit;  // may be null
    const char* hint;
    Rect headingRect, unitRect, hintRect;
};
inline constexpr ListRow kQosRow{"Bandwidth Reserved For QoS:",
                                 {names::kQosList, {180, 196, 48, 21}},
                                 "%",
                                 "(Recommended: 0%) (Default: 20%)",
                                 {6, 199, 174, 14},
                                 {231, 199, 12, 14},
                                 {245, 199, 198, 14}};
inline constexpr int kQosSpacing = 4;

// --- Advanced Settings: five groups in two columns, the time to live row, the RWIN row. ------

struct GroupColumn {
    std::array<const char*, 3> groups;  // group ids, nullptr after the last
    int x, width;
};
inline constexpr std::array<GroupColumn, 2> kAdvancedColumns{{
    // The first column's headings are the longest (225 pixels in Tahoma bold).
    {{"FastCopyReceiveThreshold", "SackOpts", "MaxDupAcks"}, 8, 226},
    {{"FastSendDatagramThreshold", "Tcp1323Opts", nullptr}, 236, 206},
}};
struct GroupPlacement {
    int top, rowStep, rowHeight, indent, groupGap;
};
inline constexpr GroupPlacement kAdvancedPlacement{6, 15, 14, 4, 4};
inline constexpr Flow kAdvancedFlow{8, 6, 8, 6, 12, 5};

// The time to live choices stand in one row below both columns, each as wide as its caption.
inline constexpr const char* kTtlGroup = "Ttl";
struct ChoiceRow {
    int gapAbove, headingWidth, firstX, markWidth, charWidth, gap;
    constexpr int widthFor(int captionLength) const {
        return markWidth + captionLength * charWidth;
    }
};
inline constexpr ChoiceRow kTtlRow{2, 90, 100, 24, 6, 6};

// The receive window the chosen connection sets, shown below the time to live.
inline constexpr const char* kRwinCaption = "RWIN:";
inline constexpr int kRwinBelowTtl = 18;
inline constexpr Rect kRwinCaptionRect{8, 0, 40, 14};  // y follows the time to live row
inline constexpr Rect kRwinValueRect{50, 0, 120, 14};
inline constexpr int kRowSpacing = 6;

// --- Local Area Network: three Enabled / Disabled choices, "Enabled" first. -----------------

inline constexpr std::array<const char*, 3> kLanGroups{"NoRecentDocsNetHood", "SizReqBuf",
                                                       "MaxCmds"};
struct LanPlacement {
    int top, headingX, headingWidth, optionX, optionWidth, optionHeight, rowStep, groupGap;
};
inline constexpr LanPlacement kLanPlacement{10, 12, 420, 16, 416, 15, 16, 12};
inline constexpr Flow kLanFlow{12, 10, 12, 10, 0, 10};

// --- Internet Explorer: connections per server for HTTP 1.0 and 1.1. ------------------------

inline constexpr const char* kSimultaneousCaption = "Simultaneous Connections:";
struct HttpRow {
    const char* heading;
    const char* list;
    const char* hint;
};
inline constexpr std::array<HttpRow, 2> kHttpRows{{
    {"Maximum HTTP 1.0 Server Connections:", names::kHttp10List, "(Recommended: 10) (Default: 4)"},
    {"Maximum HTTP 1.1 Server Connections:", names::kHttp11List, "(Recommended: 10) (Default: 2)"},
}};
// Rectangles of one row's parts, with y relative to the row's top.
struct HttpPlacement {
    int top, rowStep, controlsBelowHeading;
    Rect heading, caption, list, hint;
};
inline constexpr HttpPlacement kHttpPlacement{
    12, 60, 20, {12, 0, 420, 14}, {12, 3, 142, 14}, {154, 0, 52, 21}, {212, 3, 220, 14}};
inline constexpr Flow kExplorerFlow{12, 12, 12, 10, 0, 4};
inline constexpr int kHttpRowGap = 14;

// --- Mozilla Firefox: the current configuration, its preference text and the two switches. -

inline constexpr const char* kCurrentConfiguration = "Current Configuration: ";
inline constexpr Rect kCurrentCaptionRect{8, 6, 140, 16};
struct FirefoxState {
    const char* name;
    const char* text;
};
inline constexpr std::array<FirefoxState, 2> kFirefoxStates{{
    {firefox::kOptimizedLabel, "Optimized Configuration"},
    {firefox::kDefaultLabel, "Default Configuration"},
}};
// Right after the caption; as wide as the longer state.
inline constexpr Rect kFirefoxStateRect{149, 6, 260, 16};
inline constexpr std::array<const char*, 2> kFirefoxTexts{firefox::kOptimizedText,
                                                          firefox::kDefaultText};
// Above the buttons and as wide as they are.
inline constexpr Rect kFirefoxTextRect{16, 26, 417, 120};

// The owner-drawn push button's design: the Windows XP look on a beige face with black text,
// the system's scheme, a focus rectangle and a grey mask colour.
struct ButtonDesign {
    ButtonLook look;
    ButtonScheme scheme;
    ColorRef face, text, mask;
    Font font;
    bool focusRect;
};
inline constexpr ButtonDesign kFirefoxButtonDesign{ButtonLook::WindowsXp,
                                                   ButtonScheme::System,
                                                   colour::rgb(236, 233, 216),
                                                   colour::kBlack,
                                                   colour::rgb(192, 192, 192),
                                                   kPageFont,
                                                   true};
struct Button {
    const char* name;
    const char* caption;
    Rect rect;
};
// As designed, the disable button waits for an optimized configuration to undo.
constexpr bool enabledAsDesigned(const Button& button) {
    return std::string_view(button.name) != firefox::kDisableButton;
}
// The disable button above the enable button, each as wide as the preference texts.
inline constexpr std::array<Button, 2> kFirefoxButtons{{
    {firefox::kDisableButton, "Disable Optimized Configuration", {16, 152, 417, 33}},
    {firefox::kEnableButton, "Enable Optimized Configuration", {16, 192, 417, 33}},
}};

}  // namespace quorvex::layout
