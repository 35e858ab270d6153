#include "platform/win32_prompts.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace quorvex {
namespace {

TEST(Win32ShellLibraryTest, ResolvesTheRestartPromptByOrdinal) {
    // Only resolved, never called: calling it would offer to restart the machine.
    Win32ShellLibrary shell;
    ASSERT_TRUE(shell.loaded());
    EXPECT_NE(shell.restartPromptAddress(), nullptr);
}

struct RestartCall {
    WindowHandle owner;
    const wchar_t* text;
    std::uint32_t exitFlags;
};

TEST(Win32PromptsTest, OffersTheRestartWithTheOwnerANullTextAndForcedRestart) {
    std::vector<RestartCall> calls;
    Win32Prompts prompts(0x1234, [&](WindowHandle owner, const wchar_t* text, std::uint32_t flags) {
        calls.push_back({owner, text, flags});
    });
    prompts.offerRestart();
    prompts.setOwner(0x5678);
    prompts.offerRestart();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].owner, 0x1234u);
    EXPECT_EQ(calls[0].text, nullptr);
    EXPECT_EQ(calls[0].exitFlags, static_cast<std::uint32_t>(EWX_REBOOT | EWX_FORCE));
    EXPECT_EQ(calls[1].owner, 0x5678u);
}

TEST(Win32PromptsTest, WithoutARestartPromptNothingHappens) {
    Win32Prompts prompts(0, nullptr);
    prompts.offerRestart();
    SUCCEED();
}

struct StyleCase {
    const char* name;
    MessageRequest request;
    UINT expected;
};

TEST(Win32PromptsTest, MessageBoxStyleFollowsButtonsIconAndDefault) {
    const StyleCase cases[] = {
        {"error", {"Please choose", MessageButtons::Ok, MessageIcon::Error}, MB_OK | MB_ICONERROR},
        {"confirmation",
         {"Are you sure", MessageButtons::YesNo, MessageIcon::None},
         MB_YESNO | MB_DEFBUTTON1},
        {"default no",
         {"Restart?", MessageButtons::YesNo, MessageIcon::Question, true},
         MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2},
        {"information",
         {"i", MessageButtons::Ok, MessageIcon::Information},
         MB_OK | MB_ICONINFORMATION},
        {"warning", {"w", MessageButtons::Ok, MessageIcon::Warning}, MB_OK | MB_ICONWARNING},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const UINT style = messageBoxStyle(c.request);
        EXPECT_EQ(style, c.expected | MB_APPLMODAL);
        EXPECT_EQ(style & MB_TYPEMASK, c.expected & MB_TYPEMASK);
    }
}

TEST(Win32PromptsTest, MessageBoxResultsMapToAnswers) {
    EXPECT_EQ(messageBoxAnswer(IDOK), MessageAnswer::Ok);
    EXPECT_EQ(messageBoxAnswer(IDYES), MessageAnswer::Yes);
    EXPECT_EQ(messageBoxAnswer(IDNO), MessageAnswer::No);
    EXPECT_EQ(messageBoxAnswer(IDCANCEL), MessageAnswer::Closed);
    EXPECT_EQ(messageBoxAnswer(0), MessageAnswer::Closed);
}

}  // namespace
}  // namespace quorvex
