// The application icon resource group AAA, compiled into this test executable as into the
// program.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <utility>
#include <vector>

namespace quorvex {
namespace {

// The group as the resource compiler stores it: a 6-byte header, then 14-byte entries.
#pragma pack(push, 2)
struct GroupHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
struct GroupEntry {
    BYTE width;
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

std::vector<GroupEntry> groupEntries() {
    HRSRC found = FindResourceA(nullptr, "AAA", MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    if (!found) return {};
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    if (!data || SizeofResource(nullptr, found) < sizeof(GroupHeader)) return {};
    GroupHeader header;
    std::memcpy(&header, data, sizeof header);
    if (SizeofResource(nullptr, found) < sizeof header + header.count * sizeof(GroupEntry))
        return {};
    std::vector<GroupEntry> entries(header.count);
    std::memcpy(entries.data(), data + sizeof header, header.count * sizeof(GroupEntry));
    return entries;
}

TEST(Win32IconResourceTest, GroupAaaHoldsTheThirteenImages) {
    const auto entries = groupEntries();
    std::multiset<std::pair<int, int>> images;  // size, bits per pixel
    for (const auto& e : entries) {
        EXPECT_EQ(e.width, e.height);
        images.insert({e.width == 0 ? 256 : e.width, e.bitCount});
        // Every image the group names is there.
        EXPECT_NE(FindResourceA(nullptr, MAKEINTRESOURCEA(e.id), MAKEINTRESOURCEA(3)), nullptr)
            << e.id;  // RT_ICON
    }
    const std::multiset<std::pair<int, int>> expected = {
        {16, 4}, {24, 4},  {32, 4},  {48, 4},  {16, 8},  {24, 8},  {32, 8},
        {48, 8}, {16, 32}, {24, 32}, {32, 32}, {48, 32}, {128, 32}};
    EXPECT_EQ(images, expected);
}

// How many pixels of a loaded icon are drawn (not transparent), read through its masks.
int drawnPixels(HICON icon, int size) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return -1;
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = size;
    format.bmiHeader.biHeight = -size;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> mask(static_cast<std::size_t>(size) * size);
    HDC screen = GetDC(nullptr);
    const int lines =
        GetDIBits(screen, info.hbmMask, 0, size, mask.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    if (lines != size) return -1;
    // A black mask pixel is a drawn one.
    return static_cast<int>(std::count_if(mask.begin(), mask.end(),
                                          [](std::uint32_t p) { return (p & 0xFFFFFF) == 0; }));
}

TEST(Win32IconResourceTest, LoadsAtTheLargeAndTheSmallIconSize) {
    for (auto [metricX, metricY] : {std::pair{SM_CXICON, SM_CYICON}, {SM_CXSMICON, SM_CYSMICON}}) {
        const int width = GetSystemMetrics(metricX);
        const int height = GetSystemMetrics(metricY);
        SCOPED_TRACE(width);
        ASSERT_GT(width, 0);
        auto icon = static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), "AAA", IMAGE_ICON, width, height, LR_SHARED));
        ASSERT_NE(icon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        ASSERT_TRUE(GetObjectA(info.hbmMask, sizeof bitmap, &bitmap));
        EXPECT_EQ(bitmap.bmWidth, width);
        // A monochrome icon keeps both masks in one bitmap of twice the height.
        EXPECT_EQ(bitmap.bmHeight, info.hbmColor ? height : 2 * height);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        // The artwork's rounded square: most pixels drawn, the corners left clear.
        const int drawn = drawnPixels(icon, width);
        EXPECT_GT(drawn, width * height / 2);
        EXPECT_LT(drawn, width * height);
    }
}

TEST(Win32IconResourceTest, TheLargeImageIsPngCompressedAndLoadsWhole) {
    int pngImages = 0;
    for (const auto& e : groupEntries()) {
        HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(e.id), MAKEINTRESOURCEA(3));
        ASSERT_NE(found, nullptr);
        const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
        ASSERT_NE(data, nullptr);
        const bool png =
            SizeofResource(nullptr, found) > 8 && std::memcmp(data, "\x89PNG\r\n\x1a\n", 8) == 0;
        EXPECT_EQ(png, e.width == 128) << int{e.width} << " pixels at " << e.bitCount << " bits";
        pngImages += png ? 1 : 0;
    }
    EXPECT_EQ(pngImages, 1);
    auto icon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), "AAA", IMAGE_ICON, 128, 128, LR_DEFAULTCOLOR));
    ASSERT_NE(icon, nullptr);
    const int drawn = drawnPixels(icon, 128);
    EXPECT_GT(drawn, 128 * 128 / 2);
    EXPECT_LT(drawn, 128 * 128);
    DestroyIcon(icon);
}

TEST(Win32IconResourceTest, AMissingIconResourceLoadsNothing) {
    EXPECT_EQ(LoadImageA(GetModuleHandleA(nullptr), "NOSUCHICON", IMAGE_ICON, 32, 32, LR_SHARED),
              nullptr);
}

}  // namespace
}  // namespace quorvex
