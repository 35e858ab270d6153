// The link cursor, the manifest and the version resource, compiled into this test executable as
// into the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>

#include "quorvex_version.h"
#include "resource_ids.h"

namespace quorvex {
namespace {

std::string_view ResourceBytes(LPCSTR name, LPCSTR type) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceA(module, name, type);
    if (found == nullptr) return {};
    const HGLOBAL loaded = LoadResource(module, found);
    const auto* bytes = static_cast<const char*>(loaded ? LockResource(loaded) : nullptr);
    return bytes ? std::string_view(bytes, SizeofResource(module, found)) : std::string_view{};
}

TEST(Win32ProgramResourcesTest, TheLinkCursorIs32PixelsWithItsHotSpotAtColumn13Row5) {
    const auto cursor = static_cast<HCURSOR>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_QUORVEX_LINK), IMAGE_CURSOR, 0,
                   0, LR_DEFAULTSIZE | LR_SHARED));
    ASSERT_NE(cursor, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, static_cast<DWORD>(QUORVEX_LINK_CURSOR_HOT_X));
    EXPECT_EQ(info.yHotspot, static_cast<DWORD>(QUORVEX_LINK_CURSOR_HOT_Y));
    BITMAP colour{};
    ASSERT_NE(info.hbmColor, nullptr) << "a colour cursor, not a monochrome mask";
    ASSERT_NE(GetObjectW(info.hbmColor, sizeof colour, &colour), 0);
    EXPECT_EQ(colour.bmWidth, QUORVEX_LINK_CURSOR_SIZE);
    EXPECT_EQ(colour.bmHeight, QUORVEX_LINK_CURSOR_SIZE);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST(Win32ProgramResourcesTest, TheManifestAsksForCommonControls6PerMonitorDpiAndRunsAsInvoker) {
    const std::string_view manifest = ResourceBytes(MAKEINTRESOURCEA(1), RT_MANIFEST);
    ASSERT_FALSE(manifest.empty());
    for (const char* part :
         {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"", "PerMonitorV2",
          "true/pm", "level=\"asInvoker\"", "uiAccess=\"false\""})
        EXPECT_NE(manifest.find(part), std::string_view::npos) << part;
    // Rights are asked for only when a command writes values that need them.
    EXPECT_EQ(manifest.find("highestAvailable"), std::string_view::npos);
    EXPECT_EQ(manifest.find("requireAdministrator"), std::string_view::npos);
}

TEST(Win32ProgramResourcesTest, TheVersionResourceCarriesTheProjectVersion) {
    const std::string_view block = ResourceBytes(MAKEINTRESOURCEA(VS_VERSION_INFO), RT_VERSION);
    ASSERT_GE(block.size(), sizeof(VS_FIXEDFILEINFO));
    // The fixed part follows the block's header and its UTF-16 key "VS_VERSION_INFO".
    const std::wstring_view key(L"VS_VERSION_INFO");
    const auto* words = reinterpret_cast<const wchar_t*>(block.data());
    const std::wstring_view text(words, block.size() / sizeof(wchar_t));
    const std::size_t at = text.find(key);
    ASSERT_NE(at, std::wstring_view::npos);
    std::size_t offset = (at + key.size() + 1) * sizeof(wchar_t);
    offset = (offset + 3) & ~std::size_t{3};
    VS_FIXEDFILEINFO fixed{};
    ASSERT_LE(offset + sizeof fixed, block.size());
    std::memcpy(&fixed, block.data() + offset, sizeof fixed);
    EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
    const unsigned numbers[] = {QUORVEX_VERSION_NUMBERS};
    EXPECT_EQ(HIWORD(fixed.dwFileVersionMS), numbers[0]);
    EXPECT_EQ(LOWORD(fixed.dwFileVersionMS), numbers[1]);
    EXPECT_EQ(HIWORD(fixed.dwFileVersionLS), numbers[2]);
    // The texts too: "ProductVersion" and the project's version.
    std::wstring version;
    for (const char* c = QUORVEX_VERSION_TEXT; *c; ++c) version += static_cast<wchar_t>(*c);
    EXPECT_NE(text.find(L"Quorvex.exe"), std::wstring_view::npos);
    EXPECT_NE(text.find(version), std::wstring_view::npos);
}

}  // namespace
}  // namespace quorvex
