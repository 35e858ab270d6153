#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace quorvex {

// Keeps a folder that a more privileged process writes into what it was when looked at: a folder
// that is not itself a link (a junction or symbolic link could send the writes anywhere), held
// open from construction to destruction. On Windows the open handle shares no deletion, so the
// folder can be neither renamed, removed nor replaced by a link meanwhile.
class FolderHold {
  public:
    explicit FolderHold(const std::filesystem::path& folder);
    ~FolderHold();
    FolderHold(const FolderHold&) = delete;
    FolderHold& operator=(const FolderHold&) = delete;

    bool held() const { return handle_ != -1; }
    // Why the folder is not held; empty when it is.
    const std::string& error() const { return error_; }

  private:
    // The open folder: a descriptor, or a HANDLE on Windows; -1 when none is open.
    std::intptr_t handle_ = -1;
    std::string error_;
};

}  // namespace quorvex
