#pragma once

// Names of the Mozilla Firefox page's elements.
namespace quorvex::firefox {

inline constexpr const char* kCurrentCaption = "Label15";  // "Current Configuration: "
inline constexpr const char* kOptimizedLabel = "Label25";  // "Optimized Configuration"
inline constexpr const char* kDefaultLabel = "Label26";    // "Default Configuration"
inline constexpr const char* kOptimizedText = "Text4";     // the optimized preference set
inline constexpr const char* kDefaultText = "Text5";       // the default preference set
inline constexpr const char* kEnableButton = "chameleonButton2";
inline constexpr const char* kDisableButton = "chameleonButton3";

}  // namespace quorvex::firefox
