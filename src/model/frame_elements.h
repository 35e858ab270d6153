#pragma once

#include <array>

// Names of the main window's frame: the window-level pictures, the page panels and their headers,
// and the home page's icons. Every front end and test reaches these elements through these names.
namespace quorvex::frame {

// Window-level elements.
inline constexpr const char* kBottomStrip = "Label53";  // senses the pointer only
inline constexpr const char* kHomeButton = "Image12";
inline constexpr const char* kApplyResting = "Image19";
inline constexpr const char* kApplyButton = "Image21";
inline constexpr const char* kBackResting = "Image26";
inline constexpr const char* kBackButton = "Image25";
inline constexpr const char* kMonitorResting = "Image24";
inline constexpr const char* kMonitorButton = "Image23";
inline constexpr const char* kBackground = "Image1";

// Page headers.
inline constexpr const char* kInternetHeader = "Image9";
inline constexpr const char* kAdvancedHeader = "Image8";
inline constexpr const char* kLanHeader = "Image7";
inline constexpr const char* kFirefoxHeader = "Image11";
inline constexpr const char* kExplorerHeader = "Image10";
inline constexpr std::array<const char*, 5> kHeaders{
    {kInternetHeader, kAdvancedHeader, kLanHeader, kFirefoxHeader, kExplorerHeader}};

// Page panels.
inline constexpr const char* kHomePage = "Picture2";
inline constexpr const char* kInternetPage = "Picture16";
inline constexpr const char* kAdvancedPage = "Picture11";
inline constexpr const char* kLanPage = "Picture9";
inline constexpr const char* kExplorerPage = "Picture1";
inline constexpr const char* kFirefoxPage = "Picture15";
inline constexpr const char* kMonitorPage = "Picture3";
inline constexpr std::array<const char*, 7> kPages{
    {kHomePage, kInternetPage, kAdvancedPage, kLanPage, kExplorerPage, kFirefoxPage, kMonitorPage}};
inline constexpr std::array<const char*, 5> kSettingsPages{
    {kInternetPage, kAdvancedPage, kLanPage, kExplorerPage, kFirefoxPage}};

// The home page's icons: a resting picture above the highlighted picture that takes the click.
inline constexpr const char* kInternetIcon = "Image6";
inline constexpr const char* kAdvancedIcon = "Image3";
inline constexpr const char* kLanIcon = "Image2";
inline constexpr const char* kFirefoxIcon = "Image5";
inline constexpr const char* kExplorerIcon = "Image4";
inline constexpr const char* kAutomaticIcon = "Image20";
inline constexpr const char* kInternetIconResting = "Image13";
inline constexpr const char* kAdvancedIconResting = "Image14";
inline constexpr const char* kLanIconResting = "Image15";
inline constexpr const char* kFirefoxIconResting = "Image16";
inline constexpr const char* kExplorerIconResting = "Image17";
inline constexpr const char* kAutomaticIconResting = "Image18";

struct HoverPair {
    const char* resting;
    const char* highlighted;
};
// In the order the home page shows them.
inline constexpr std::array<HoverPair, 6> kHomeIcons{{
    {kInternetIconResting, kInternetIcon},
    {kAdvancedIconResting, kAdvancedIcon},
    {kLanIconResting, kLanIcon},
    {kFirefoxIconResting, kFirefoxIcon},
    {kExplorerIconResting, kExplorerIcon},
    {kAutomaticIconResting, kAutomaticIcon},
}};
// The bottom band's buttons and the home button, which is its own resting picture.
inline constexpr std::array<HoverPair, 4> kButtons{{
    {kApplyResting, kApplyButton},
    {kMonitorResting, kMonitorButton},
    {kBackResting, kBackButton},
    {kHomeButton, kHomeButton},
}};

}  // namespace quorvex::frame
