#pragma once

#include <array>
#include <cstdint>

#include "controls/bar_style.h"
#include "model/monitor_elements.h"
#include "model/window_description.h"

// The traffic monitor page as designed: its captions and figures, rules, graphs and bars.
namespace quorvex::layout {

inline constexpr ColorRef kMonitorLight = colour::rgb(224, 224, 224);
inline constexpr ColorRef kMonitorValue = colour::rgb(192, 192, 192);
inline constexpr ColorRef kMonitorDim = colour::rgb(128, 128, 128);
inline constexpr ColorRef kMonitorWhite = colour::rgb(255, 255, 255);
inline constexpr Font kMonitorLarge{"Tahoma", 9.75, false};
inline constexpr Font kMonitorLargeBold{"Tahoma", 9.75, true};

// Value labels reach further right than their designed width, so that longer figures stay
// whole in fonts wider than Tahoma. The figures show their starting texts until the meter
// first updates them.
inline constexpr std::array<Text, 32> kMonitorTexts{{
    {nullptr,
     "Download Capacity Utilization:",
     {8, 8, 190, 13},
     kMonitorLight,
     kPageBold,
     Align::Left},
    {nullptr,
     "Upload Capacity Utilization:",
     {248, 8, 190, 13},
     kMonitorLight,
     kPageBold,
     Align::Left},
    {monitor_page::kDownloadScaleTop,
     "100%",
     {201, 24, 33, 12},
     kMonitorWhite,
     kScaleFont,
     Align::Centre},
    {monitor_page::kDownloadScaleBottom,
     "0%",
     {200, 208, 33, 13},
     kMonitorWhite,
     kPageFont,
     Align::Centre},
    {monitor_page::kUploadScaleTop,
     "100%",
     {442, 24, 33, 12},
     kMonitorWhite,
     kScaleFont,
     Align::Centre},
    {monitor_page::kUploadScaleBottom,
     "0%",
     {442, 208, 33, 13},
     kMonitorWhite,
     kPageFont,
     Align::Centre},
    {nullptr, "You Are Downloading At:", {8, 232, 150, 13}, kMonitorLight, kPageBold, Align::Left},
    {monitor_page::kDownloadSpeed,
     "0.0 KB/S",
     {160, 232, 80, 13},
     kMonitorValue,
     kPageFont,
     Align::Left},
    {nullptr, "You Are Uploading At:", {248, 232, 150, 13}, kMonitorLight, kPageBold, Align::Left},
    {monitor_page::kUploadSpeed,
     "0.0 KB/S",
     {400, 232, 80, 13},
     kMonitorValue,
     kPageFont,
     Align::Left},
    {nullptr, "At An Average Rate Of:", {8, 248, 150, 13}, kMonitorLight, kPageBold, Align::Left},
    {monitor_page::kDownloadAverage,
     "0.0 KB/S",
     {160, 248, 80, 13},
     kMonitorValue,
     kPageFont,
     Align::Left},
    {nullptr, "At An Average Rate Of:", {248, 248, 150, 13}, kMonitorLight, kPageBold, Align::Left},
    {monitor_page::kUploadAverage,
     "0.0 KB/S",
     {400, 248, 80, 13},
     kMonitorValue,
     kPageFont,
     Align::Left},
    {nullptr, "You Have Downloaded:", {8, 264, 150, 13}, kMonitorDim, kPageBold, Align::Left},
    {monitor_page::kDownloadedVolume,
     "0.00 KBs",
     {160, 264, 80, 13},
     kMonitorDim,
     kPageFont,
     Align::Left},
    {nullptr, "You Have Uploaded:", {248, 264, 150, 13}, kMonitorDim, kPageBold, Align::Left},
    {monitor_page::kUploadedVolume,
     "0.00 KBs",
     {400, 264, 80, 13},
     kMonitorDim,
     kPageFont,
     Align::Left},
    {nullptr, "Best Download Speed:", {8, 296, 150, 13}, kMonitorLight, kPageBold, Align::Left},
    {monitor_page::kBestDownload,
     "0.0 KB/S",
     {160, 296, 80, 13},
     kMonitorValue,
     kPageFont,
     Align::Left},
    {nullptr, "Best Upload Speed:", {248, 296, 150, 13}, kMonitorLight, kPageBold, Align::Left},
    {monitor_page::kBestUpload,
     "0.0 KB/S",
     {400, 296, 80, 13},
     kMonitorValue,
     kPageFont,
     Align::Left},
    {nullptr, "Total Bits Downloaded:", {8, 336, 158, 13}, kMonitorLight, kPageBold, Align::Left},
    {monitor_page::kBitsReceived,
     "0.00",
     {168, 336, 124, 13},
     kMonitorLight,
     kPageFont,
     Align::Left},
    {monitor_page::kDownloadShare, "0%", {440, 336, 35, 13}, kMonitorDim, kPageFont, Align::Centre},
    {nullptr, "Total Bits Uploaded:", {8, 352, 158, 13}, kMonitorLight, kPageBold, Align::Left},
    {monitor_page::kBitsSent, "0.00", {168, 352, 124, 13}, kMonitorLight, kPageFont, Align::Left},
    {monitor_page::kUploadShare, "0%", {440, 352, 35, 13}, kMonitorDim, kPageFont, Align::Centre},
    {nullptr,
     "Overall Bits Transferred:",
     {8, 368, 158, 13},
     kMonitorLight,
     kPageBold,
     Align::Left},
    {monitor_page::kBitsTotal, "0.00", {168, 368, 124, 13}, kMonitorLight, kPageFont, Align::Left},
    {nullptr,
     "Best Connection Achieved:",
     {8, 400, 182, 16},
     kMonitorLight,
     kMonitorLargeBold,
     Align::Left},
    {monitor_page::kBestConnection,
     "0.00 Kbits/s",
     {192, 400, 200, 16},
     kMonitorValue,
     kMonitorLarge,
     Align::Left},
}};

inline constexpr std::array<Rule, 3> kMonitorRules{{
    {{8, 288, 228, 1}, kMonitorValue},
    {{248, 288, 228, 1}, kMonitorValue},
    {{8, 323, 473, 1}, colour::rgb(92, 92, 92)},
}};

struct Graph {
    const char* name;
    Rect rect;
};
inline constexpr std::array<Graph, 2> kMonitorGraphs{{
    {monitor_page::kDownloadGraph, {8, 24, 191, 201}},
    {monitor_page::kUploadGraph, {240, 24, 191, 201}},
}};

struct BarDesign {
    ColorRef colour;
    bool vertical;
    BarStyle style;
    Font font;                    // the bar's own font, used only for a shown percentage
    std::int32_t brushStyle = 0;  // the hatch of the hatched style, unused by these styles
};
inline constexpr Font kBarFont{"MS Sans Serif", 8.25, false};
// Thin grey share bars and dark utilisation columns.
inline constexpr BarDesign kShareBar{colour::rgb(192, 192, 192), false, BarStyle::DarkGradient,
                                     kBarFont};
inline constexpr BarDesign kUtilisationBar{colour::rgb(64, 64, 64), true, BarStyle::Continuous,
                                           kBarFont};
struct Bar {
    const char* name;
    Rect rect;
    BarDesign design;
};
// XP_ProgressBar1 to XP_ProgressBar4, in that order.
inline constexpr std::array<Bar, 4> kMonitorBars{{
    {monitor_page::kDownloadShareBar, {296, 338, 137, 9}, kShareBar},
    {monitor_page::kDownloadUtilisationBar, {207, 40, 17, 161}, kUtilisationBar},
    {monitor_page::kUploadUtilisationBar, {448, 40, 17, 161}, kUtilisationBar},
    {monitor_page::kUploadShareBar, {296, 355, 137, 9}, kShareBar},
}};

}  // namespace quorvex::layout
