// A Windows user whose profile and roaming folder have names beyond ASCII ("Zoë", "Zürich"):
// the records, the settings and every Firefox profile are written where they belong, and every
// box hands Windows the names as they are.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "browser/preference_sets.h"
#include "commands/automatic_optimization.h"
#include "commands/window_settings.h"
#include "platform/win32_prompts.h"
#include "platform/win32_registry_sandbox.h"
#include "settings/settings_keys.h"
#include "settings/win32_registry_settings_storage.h"
#include "support/command_world.h"
#include "tuning/win32_registry_backend.h"
#include "undo/record_store.h"
#include "undo/records_folder.h"
#include "undo/undo_recorder.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::writeFile;

constexpr const char* kDsl16M = "DSL Or Cable Modem (16 Megabit And Up)";

// Sets a variable of this process for the test's life and puts the old value back afterwards.
class VariableOverride {
  public:
    VariableOverride(const wchar_t* name, const std::wstring& value) : name_(name) {
        wchar_t buffer[32768];
        const DWORD length = GetEnvironmentVariableW(name, buffer, 32768);
        if (length > 0 && length < 32768) old_ = std::wstring(buffer, length);
        SetEnvironmentVariableW(name, value.c_str());
    }
    ~VariableOverride() { SetEnvironmentVariableW(name_, old_ ? old_->c_str() : nullptr); }
    VariableOverride(const VariableOverride&) = delete;
    VariableOverride& operator=(const VariableOverride&) = delete;

  private:
    const wchar_t* name_;
    std::optional<std::wstring> old_;
};

// The environment as the process has it; the program folder is the test's own.
class ProcessLocations : public SystemLocations {
  public:
    explicit ProcessLocations(fs::path program) : program_(std::move(program)) {}
    fs::path programFolder() const override { return program_; }

  private:
    fs::path program_;
};

struct Box {
    std::wstring text;
    std::wstring title;
};

std::string sandboxName() {
    return std::string("Unicode.") +
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

class Win32UnicodeFoldersTest : public ::testing::Test {
  protected:
    Win32UnicodeFoldersTest() {
        writeFile(program / "pipeline.js", kOptimizedPreferences);
        writeFile(program / "unpipeline.js", kDefaultPreferences);
        for (const auto& profile : profiles) fs::create_directories(profile);
        restoreWindowState(window, settings);
        window.controls().setListText("Combo3", kDsl16M);
    }

    testing::TempDir temp;
    const fs::path userProfile = temp.path() / u8"Users" / u8"Zoë";
    const fs::path localAppData = userProfile / u8"AppData" / u8"Local";
    const fs::path roaming = temp.path() / u8"Zürich";
    const fs::path program = temp.path() / u8"Programme" / u8"Quorvex Zoë";
    const std::vector<fs::path> profiles = {
        roaming / u8"Mozilla" / u8"Firefox" / u8"Profiles" / u8"abcd.default",
        roaming / u8"Mozilla" / u8"Firefox" / u8"Profiles" / u8"wxyz.Zoë-Süß"};
    VariableOverride profileVariable{L"USERPROFILE", userProfile.wstring()};
    VariableOverride localVariable{L"LOCALAPPDATA", localAppData.wstring()};
    VariableOverride roamingVariable{L"APPDATA", roaming.wstring()};

    test::RegistrySandbox sandbox{sandboxName()};
    Win32RegistryBackend registry;
    Win32RegistrySettingsStorage settings;
    std::vector<Box> boxes;
    int restarts = 0;
    Win32Prompts prompts{0, [this](WindowHandle, const wchar_t*, std::uint32_t) { ++restarts; },
                         [this](WindowHandle, const std::wstring& text, const std::wstring& title,
                                std::uint32_t style) {
                             boxes.push_back({text, title});
                             return (style & MB_YESNO) ? IDYES : IDOK;
                         }};
    testing::FakeEventPump events;
    ProcessLocations locations{program};
    testing::FixedClock clock;
    testing::FakeElevation elevation;
    WindowModel window;
    undo::RecordStore records{undo::defaultRecordsFolder()};
    undo::UndoRecorder recorder{records};
    CommandContext context{
        {registry, settings, prompts, events, locations, clock}, window, &recorder, &elevation};
};

TEST_F(Win32UnicodeFoldersTest, EverythingAutomaticallyWritesUnderTheUsersOwnFolders) {
    ASSERT_TRUE(sandbox.ready());
    EXPECT_EQ(records.folder(), localAppData / u8"Quorvex");

    runAutomaticOptimization(context);

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"Are you sure you want to proceed with Automatic Optimization?");
    EXPECT_EQ(restarts, 1);
    EXPECT_TRUE(fs::is_regular_file(records.path(undo::RecordKind::Original)));
    EXPECT_TRUE(fs::is_regular_file(records.path(undo::RecordKind::Previous)));
    EXPECT_EQ(settings.read(sections::kValues, "Connection"), std::optional<std::string>(kDsl16M));
    for (const auto& profile : profiles)
        EXPECT_EQ(readFile(profile / u8"user.js"), kOptimizedPreferences) << profile;
    // Nothing was written beside the folders, under a name read in another code page.
    for (const auto& entry : fs::directory_iterator(temp.path()))
        EXPECT_TRUE(entry.path().filename() == u8"Users" || entry.path().filename() == u8"Zürich" ||
                    entry.path().filename() == u8"Programme")
            << entry.path();
}

// The box names the records folder exactly as the user's profile spells it.
TEST_F(Win32UnicodeFoldersTest, ARecordThatCannotBeWrittenIsNamedAsItIs) {
    ASSERT_TRUE(sandbox.ready());
    // A file where the records folder belongs.
    writeFile(localAppData / u8"Quorvex", "not a folder");

    runAutomaticOptimization(context);

    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_NE(boxes[1].text.find(L"\\Users\\Zo\u00eb\\AppData\\Local\\Quorvex\\"),
              std::wstring::npos)
        << boxes[1].text;
    EXPECT_EQ(boxes[1].title, L"Quorvex");
    EXPECT_EQ(restarts, 0);
    for (const auto& profile : profiles) EXPECT_FALSE(fs::exists(profile / u8"user.js"));
}

// Firefox's refusal names the profile as it is spelled.
TEST_F(Win32UnicodeFoldersTest, AProfileThatRefusesItsPreferencesIsNamedAsItIs) {
    ASSERT_TRUE(sandbox.ready());
    fs::remove_all(profiles[0]);
    fs::create_directories(profiles[1] / u8"user.js" / u8"inside");

    runAutomaticOptimization(context);

    ASSERT_GE(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text.rfind(L"Firefox could not be tuned: ", 0), 0u);
    EXPECT_NE(boxes[1].text.find(
                  L"\\Z\u00fcrich\\Mozilla\\Firefox\\Profiles\\wxyz.Zo\u00eb-S\u00fc\u00df"),
              std::wstring::npos);
}

}  // namespace
}  // namespace quorvex
