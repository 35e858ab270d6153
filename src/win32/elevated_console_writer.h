#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tuning/elevated_writer.h"

namespace quorvex::win32 {

// The text form of the SID of the user this process runs as ("S-1-5-21-..."); empty when the
// token cannot be read.
std::string currentUserSid();

// quorvex.com in the folder of this program.
std::filesystem::path consoleProgramBeside();

// Hands writes that need administrator rights to the console program, started with the "runas"
// verb so that Windows asks the user for consent: the writes and the user's SID go into a
// hand-over file in a private folder under the user's temporary folder, the program writes them
// into HKEY_LOCAL_MACHINE and HKEY_USERS\<SID> and answers in a file beside it. The window waits
// for it. Declining the prompt refuses every write with kElevationDeclined.
class ElevatedConsoleWriter : public ElevatedWriter {
  public:
    ElevatedConsoleWriter(std::filesystem::path program, std::string userSid)
        : program_(std::move(program)), userSid_(std::move(userSid)) {}
    // The window the consent prompt belongs to.
    void setOwner(HWND owner) { owner_ = owner; }
    HeldBackResults write(const std::vector<HeldBackWrite>& writes) override;

  private:
    HeldBackResults handOver(const std::filesystem::path& folder,
                             const std::vector<HeldBackWrite>& writes);

    std::filesystem::path program_;
    std::string userSid_;
    HWND owner_ = nullptr;
};

}  // namespace quorvex::win32
