#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "browser/locations.h"
#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/process_elevation.h"
#include "platform/prompts.h"
#include "settings/settings_storage.h"
#include "tuning/memory_registry_backend.h"

namespace quorvex::testing {

// A temporary folder removed with the object.
class TempDir {
  public:
    TempDir() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("quorvex-test-" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Answers every box from a script (Yes by default) and records what was shown.
class FakePrompts : public Prompts {
  public:
    MessageAnswer showMessage(const MessageRequest& request) override {
        shown.push_back(request);
        if (onMessage) onMessage(request);
        return request.buttons == MessageButtons::YesNo ? answer : MessageAnswer::Ok;
    }
    void offerRestart() override {
        ++restarts;
        if (onRestart) onRestart();
    }

    MessageAnswer answer = MessageAnswer::Yes;
    std::vector<MessageRequest> shown;
    int restarts = 0;
    std::function<void(const MessageRequest&)> onMessage;
    std::function<void()> onRestart;
};

// Whether the process runs elevated, as the test says (not, by default).
class FakeElevation : public ProcessElevation {
  public:
    bool elevated() const override { return value; }
    bool value = false;
};

class FakeEventPump : public EventPump {
  public:
    void processEvents() override {
        ++runs;
        if (onProcess) onProcess();
    }
    int runs = 0;
    std::function<void()> onProcess;
};

class FixedClock : public Clock {
  public:
    std::chrono::system_clock::time_point now() const override { return when; }
    // 2026-12-09 05:15:30 UTC.
    std::chrono::system_clock::time_point when =
        std::chrono::sys_days{std::chrono::year{2026} / 12 / 9} + std::chrono::hours{5} +
        std::chrono::minutes{15} + std::chrono::seconds{30};
};

// Locations inside a temporary folder: the program folder and the environment are the test's.
class FakeLocations : public Locations {
  public:
    std::filesystem::path programFolder() const override { return program; }
    std::vector<std::pair<std::string, std::string>> environment() const override {
        return variables;
    }
    std::vector<std::filesystem::path> platformProfileRoots() const override { return roots; }

    std::filesystem::path program;
    std::vector<std::pair<std::string, std::string>> variables;
    std::vector<std::filesystem::path> roots;
};

// A settings store that also keeps every write in order.
class RecordingSettingsStorage : public MemorySettingsStorage {
  public:
    struct Write {
        std::string section, key, value;
        friend bool operator==(const Write&, const Write&) = default;
    };
    bool write(const std::string& section, const std::string& key,
               const std::string& value) override {
        log.push_back({section, key, value});
        return MemorySettingsStorage::write(section, key, value);
    }
    std::string value(const std::string& section, const std::string& key) const {
        return read(section, key).value_or("<missing>");
    }
    std::vector<Write> log;
};

// A memory registry that calls back before each value is written (to look at the window then).
class ObservedRegistryBackend : public MemoryRegistryBackend {
  public:
    long setValue(RegKey key, const std::string& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data) override {
        if (beforeWrite) beforeWrite(name);
        return MemoryRegistryBackend::setValue(key, name, type, data);
    }
    std::function<void(const std::string& valueName)> beforeWrite;
};

}  // namespace quorvex::testing
