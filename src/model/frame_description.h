#pragma once

#include <array>

#include "model/frame_elements.h"
#include "model/window_description.h"
#include "model/window_model.h"

// The main window's frame as designed: its size, the window-level pictures, the page panels and
// the home page. Front ends create their widgets from these tables and hold no place of their own.
namespace quorvex::layout {

inline constexpr int kClientWidth = 498;
inline constexpr int kClientHeight = 607;
inline constexpr const char* kWindowTitle = "Quorvex";

// A picture from the artwork (`art` names the image without its extension). A picture with a
// command caption runs the window's command of its name when clicked; the caption is also its
// accessible name.
struct Picture {
    const char* name;
    const char* art;
    Rect rect;
    bool visibleAtLoad;
    const char* command = nullptr;
};

inline constexpr Rect kUpperSlot{13, 480, 478, 65};
inline constexpr Rect kLowerSlot{13, 536, 478, 65};
inline constexpr Rect kHeaderRect{16, 152, 470, 325};

// The window-level pictures, bottom first: every later one lies above the earlier ones, and
// every page lies above them all.
inline constexpr std::array<Picture, 13> kWindowPictures{{
    {frame::kBackground, "background", {0, 0, 500, 600}, false},
    {frame::kMonitorButton, "button_monitor_hover", kLowerSlot, true, "Open Traffic Monitor"},
    {frame::kMonitorResting, "button_monitor", kLowerSlot, true},
    {frame::kBackButton, "button_back_hover", kLowerSlot, false, "Back To Main Menu"},
    {frame::kBackResting, "button_back", kLowerSlot, false},
    {frame::kApplyButton, "button_apply_hover", kUpperSlot, true, "Apply Settings"},
    {frame::kApplyResting, "button_apply", kUpperSlot, true},
    {frame::kExplorerHeader, "header_explorer", kHeaderRect, false},
    {frame::kFirefoxHeader, "header_firefox", kHeaderRect, false},
    {frame::kLanHeader, "header_lan", kHeaderRect, false},
    {frame::kAdvancedHeader, "header_advanced", kHeaderRect, false},
    {frame::kInternetHeader, "header_internet", kHeaderRect, false},
    {frame::kHomeButton, "home", {440, 168, 30, 30}, true, "Home"},
}};

// The strip along the bottom edge that only senses the pointer; it lies above every picture.
inline constexpr Rect kBottomStripRect{0, 592, 497, 17};

struct Page {
    const char* name;
    Rect rect;
    Fill fill;
};

inline constexpr Fill kGreyPage{false, kWindowGrey};
inline constexpr Fill kSystemPage{true, 0};

// Every page panel, in the order they are made (later ones lie above).
inline constexpr std::array<Page, 7> kPageTable{{
    {frame::kHomePage, {8, 144, 481, 337}, kGreyPage},
    {frame::kInternetPage, {24, 240, 449, 227}, kSystemPage},
    {frame::kAdvancedPage, {24, 232, 449, 233}, kSystemPage},
    {frame::kLanPage, {24, 240, 449, 225}, kSystemPage},
    {frame::kExplorerPage, {24, 232, 449, 233}, kSystemPage},
    {frame::kFirefoxPage, {24, 232, 449, 233}, kSystemPage},
    {frame::kMonitorPage, {8, 112, 481, 433}, kGreyPage},
}};

// A home icon: the resting picture lies above the highlighted one, whose command the first
// movement over the resting one reveals; the caption sits centred below both.
struct HomeIcon {
    const char* resting;
    const char* highlighted;
    const char* art;  // the highlighted picture is `art` + kHoverArt
    const char* caption;
    Rect picture;
    Rect captionRect;
};

inline constexpr const char* kHoverArt = "_hover";

inline constexpr std::array<HomeIcon, 6> kHomeIconTable{{
    {frame::kInternetIconResting,
     frame::kInternetIcon,
     "icon_internet",
     "Internet Settings",
     {32, 32, 72, 72},
     {16, 112, 113, 17}},
    {frame::kAdvancedIconResting,
     frame::kAdvancedIcon,
     "icon_advanced",
     "Advanced Settings",
     {200, 32, 72, 72},
     {160, 112, 145, 17}},
    {frame::kLanIconResting,
     frame::kLanIcon,
     "icon_lan",
     "Local Area Network",
     {360, 32, 72, 72},
     {312, 112, 169, 17}},
    {frame::kFirefoxIconResting,
     frame::kFirefoxIcon,
     "icon_firefox",
     "Mozilla Firefox",
     {32, 168, 72, 72},
     {8, 248, 129, 17}},
    {frame::kExplorerIconResting,
     frame::kExplorerIcon,
     "icon_explorer",
     "Internet Explorer",
     {192, 168, 72, 72},
     {168, 248, 129, 17}},
    {frame::kAutomaticIconResting,
     frame::kAutomaticIcon,
     "icon_automatic",
     "Everything Automatically",
     {360, 168, 72, 72},
     {304, 248, 185, 17}},
}};

// The room an icon caption gets on each side beyond its design, since bold faces run wider in
// some toolkits and fonts than in the original one.
inline constexpr int kCaptionSlack = 8;
// Where an icon caption is drawn, for a text `textWidth` pixels wide in the front end's font:
// centred where designed (in the designed rectangle grown by kCaptionSlack on each side, the room
// bold faces need in some toolkits), moved sideways only as far as keeps it inside the page (the
// last designed caption reaches past the page's edge), two pixels taller (descenders). It is as
// wide as the text and kCaptionInk on each side, so that neighbouring captions never overlap;
// with the grown rectangle's parity, so that the text lands on the pixel it would have there.
inline constexpr int kCaptionInk = 2;  // glyphs may reach a little past their advance
constexpr Rect captionArea(const Rect& designed, int pageWidth, int textWidth) {
    const int grown = designed.width + 2 * kCaptionSlack;
    const int inked = textWidth + 2 * kCaptionInk;
    const int width = inked >= grown ? inked : inked + (grown - inked) % 2;
    int x = designed.x - kCaptionSlack + (grown - width) / 2;
    if (x + width > pageWidth) x = pageWidth - width;
    if (x < 0) x = 0;
    return {x, designed.y, width, designed.height + 2};
}

inline constexpr Text kConnectionPrompt{nullptr,
                                        "Please Choose Your Internet / Network Connection Type:",
                                        {24, 282, 433, 18},
                                        kCaptionGrey,
                                        kWindowFont,
                                        Align::Left};

// A pick-only list; the dropped-down part reaches kListDropHeight below its top.
struct List {
    const char* name;
    Rect rect;
};
inline constexpr int kListDropHeight = 200;
inline constexpr List kConnectionListPlace{names::kConnectionList, {24, 302, 433, 24}};

}  // namespace quorvex::layout
