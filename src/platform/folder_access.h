#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quorvex {

// The few questions and changes about folders and their entries that the program needs beyond
// reading and replacing files (file_access.h). Each platform answers them in its own file: on
// Windows through the system's wide functions, which keeps the C++ library's stream and
// file-operation code out of the executable.

enum class EntryKind {
    Missing,  // nothing there
    File,     // a regular file
    Folder,
    Link,     // a symbolic link (or another reparse point), when links are not followed
    Other,    // a device, FIFO, socket...
    Unknown,  // the path could not be looked at; `reason` says why
};

struct Entry {
    EntryKind kind = EntryKind::Missing;
    std::string reason;  // the system's words when `kind` is Unknown
};

// What lies at `path`: the link itself when `followLinks` is false, else what it leads to (a
// link to nothing is then Missing).
Entry entryAt(const std::filesystem::path& path, bool followLinks);

// Creates `folder` and the folders above it that are missing; true when it is a folder now.
// `reason` gets the system's words otherwise.
bool createFolders(const std::filesystem::path& folder, std::string& reason);

// Removes the file (or link) at `path`; true when nothing is there afterwards.
bool removeFile(const std::filesystem::path& path);

// The folders inside `folder` (links to folders included), in the system's order; `reason`
// gets the system's words when the folder cannot be listed (then the list may be partial).
std::vector<std::filesystem::path> subfolders(const std::filesystem::path& folder,
                                              std::string& reason);

// One spelling for every way of reaching the same folder (links resolved, as far as they
// exist); the path itself when it cannot be resolved.
std::filesystem::path sameFolderIdentity(const std::filesystem::path& folder);

}  // namespace quorvex
