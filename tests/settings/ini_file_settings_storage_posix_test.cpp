// The settings file shared by two running instances of the program, each a process of its own.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "settings/ini_file_settings_storage.h"
#include "support/command_world.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using namespace quorvex::testing;

constexpr int kKeysPerInstance = 100;

// Saves its own keys one save at a time, as an instance applying settings does. True when every
// save reported success.
bool saveKeys(const fs::path& file, const std::string& owner) {
    IniFileSettingsStorage storage(file);
    bool ok = true;
    for (int i = 0; i < kKeysPerInstance; ++i) {
        ok = storage.write("Values", owner + std::to_string(i), std::to_string(i)) && ok;
        ok = storage.flush() && ok;
    }
    return ok;
}

// The child's exit status, or -1 when it had to be killed after `limit`.
int waitBounded(pid_t child, std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(IniFileSettingsStorageProcessesTest, TwoInstancesSavingAtOnceKeepEachOthersKeys) {
    TempDir temp;
    const fs::path file = temp.path() / "config" / "Quorvex.ini";
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Starts when the parent does, so that the two really save at the same time.
        ::close(gate[1]);
        char go;
        const bool started = ::read(gate[0], &go, 1) == 1;
        ::_exit(started && saveKeys(file, "child") ? 0 : 1);
    }
    ::close(gate[0]);
    const bool started = ::write(gate[1], "g", 1) == 1;
    ::close(gate[1]);
    ASSERT_TRUE(started);
    EXPECT_TRUE(saveKeys(file, "parent"));
    EXPECT_EQ(waitBounded(child, std::chrono::seconds(20)), 0);

    const IniFileSettingsStorage saved(file);
    int kept = 0;
    for (const char* owner : {"parent", "child"})
        for (int i = 0; i < kKeysPerInstance; ++i)
            kept += saved.read("Values", owner + std::to_string(i)) == std::to_string(i);
    EXPECT_EQ(kept, 2 * kKeysPerInstance);
}

}  // namespace
}  // namespace quorvex
