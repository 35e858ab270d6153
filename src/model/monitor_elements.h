#pragma once

#include <array>

// Names of the traffic monitor page's elements, and of the hidden holders where the meter keeps
// its figures between updates (window-level, never seen).
namespace quorvex::monitor_page {

// What the page shows.
inline constexpr const char* kDownloadSpeed = "lblDownloadSpeedTop";
inline constexpr const char* kUploadSpeed = "lblUploadSpeedTop";
inline constexpr const char* kDownloadAverage = "Label77";
inline constexpr const char* kUploadAverage = "Label78";
inline constexpr const char* kDownloadedVolume = "Label54";
inline constexpr const char* kUploadedVolume = "Label62";
inline constexpr const char* kBestDownload = "MaximumDownload";
inline constexpr const char* kBestUpload = "MaximumUpload";
inline constexpr const char* kBitsReceived = "Label79";
inline constexpr const char* kBitsSent = "Label81";
inline constexpr const char* kBitsTotal = "Label52";
inline constexpr const char* kDownloadShare = "Label83";
inline constexpr const char* kUploadShare = "Label84";
inline constexpr const char* kBestConnection = "Label30";
// The scales beside the two vertical bars.
inline constexpr const char* kDownloadScaleTop = "Label45";
inline constexpr const char* kDownloadScaleBottom = "Label44";
inline constexpr const char* kUploadScaleTop = "Label46";
inline constexpr const char* kUploadScaleBottom = "Label47";

// The owner-drawn controls.
inline constexpr const char* kDownloadGraph = "ucHistogram1";
inline constexpr const char* kUploadGraph = "ucHistogram2";
inline constexpr const char* kDownloadShareBar = "XP_ProgressBar1";
inline constexpr const char* kDownloadUtilisationBar = "XP_ProgressBar2";
inline constexpr const char* kUploadUtilisationBar = "XP_ProgressBar3";
inline constexpr const char* kUploadShareBar = "XP_ProgressBar4";

// The hidden holders.
inline constexpr const char* kReceivedKb = "lblRecv";
inline constexpr const char* kSentKb = "lblSent";
inline constexpr const char* kPreviousReceivedKb = "Label49";
inline constexpr const char* kPreviousSentKb = "Label50";
inline constexpr const char* kLastReceivedKb = "Text8";
inline constexpr const char* kLastSentKb = "Text9";
inline constexpr const char* kDownloadedKb = "Text6";
inline constexpr const char* kUploadedKb = "Text7";
inline constexpr const char* kDownloadSpeedSum = "Text12";
inline constexpr const char* kDownloadSpeedCount = "Text11";
inline constexpr const char* kUploadSpeedSum = "Text14";
inline constexpr const char* kUploadSpeedCount = "Text13";
inline constexpr const char* kBestDownloadKb = "MaximumDownloadHolder";
inline constexpr const char* kBestUploadKb = "MaximumUploadHolder";
inline constexpr const char* kDownloadUtilisation = "Text2";
inline constexpr const char* kUploadUtilisation = "Text3";
inline constexpr const char* kPaceClock = "Text10";

// Every element above that carries a text.
inline constexpr std::array<const char*, 35> kTexts{{
    kDownloadSpeed,       kUploadSpeed,       kDownloadAverage,  kUploadAverage,
    kDownloadedVolume,    kUploadedVolume,    kBestDownload,     kBestUpload,
    kBitsReceived,        kBitsSent,          kBitsTotal,        kDownloadShare,
    kUploadShare,         kBestConnection,    kDownloadScaleTop, kDownloadScaleBottom,
    kUploadScaleTop,      kUploadScaleBottom, kReceivedKb,       kSentKb,
    kPreviousReceivedKb,  kPreviousSentKb,    kLastReceivedKb,   kLastSentKb,
    kDownloadedKb,        kUploadedKb,        kDownloadSpeedSum, kDownloadSpeedCount,
    kUploadSpeedSum,      kUploadSpeedCount,  kBestDownloadKb,   kBestUploadKb,
    kDownloadUtilisation, kUploadUtilisation, kPaceClock,
}};

}  // namespace quorvex::monitor_page
