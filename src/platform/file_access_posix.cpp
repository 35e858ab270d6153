#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/file_access.h"

namespace quorvex {

namespace {

std::string systemError(int error) {
    return std::strerror(error);
}

std::string folderOf(const std::filesystem::path& path) {
    const auto folder = path.parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

std::string tooLarge(std::uint64_t maxBytes) {
    if (maxBytes >= (1u << 20) && maxBytes % (1u << 20) == 0)
        return "larger than " + std::to_string(maxBytes >> 20) + " MiB";
    return "larger than " + std::to_string(maxBytes) + " bytes";
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports the close's own failure (a delayed write error shows here).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes, int& error) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

FileResult readRegularFile(const std::filesystem::path& path, std::uint64_t maxBytes,
                           std::string& text, bool* missing) {
    text.clear();
    if (missing) *missing = false;
    // O_NONBLOCK: opening a FIFO for reading must not wait for a writer.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        const int error = errno;
        if (missing) *missing = error == ENOENT;
        return FileResult::failure(systemError(error));
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return FileResult::failure(systemError(errno));
    if (!S_ISREG(st.st_mode)) return FileResult::failure("not a regular file");
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes)
        return FileResult::failure(tooLarge(maxBytes));
    text.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    // The file may shrink or grow while it is read: stop at its end, refuse it past the limit.
    while (true) {
        if (done == text.size()) {
            if (text.size() >= maxBytes) {
                char probe;
                const ssize_t n = ::read(fd.get(), &probe, 1);
                if (n > 0) {
                    text.clear();
                    return FileResult::failure(tooLarge(maxBytes));
                }
                if (n < 0 && errno == EINTR) continue;
                break;
            }
            text.resize(std::min<std::uint64_t>(maxBytes, text.size() + 4096 + text.size() / 2));
        }
        const ssize_t n = ::read(fd.get(), text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            text.clear();
            return FileResult::failure(systemError(error));
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    text.resize(done);
    return FileResult::success();
}

FileResult replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                 std::string_view temporaryPrefix) {
    const std::string folder = folderOf(path);
    std::string temporary = folder + "/" + std::string(temporaryPrefix) + "XXXXXX";
    // mkstemp creates the file with O_EXCL and mode 0600: never someone else's file or link.
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0) return FileResult::failure(systemError(errno));
    int error = 0;
    bool ok = writeAll(fd.get(), bytes, error);
    if (ok && ::fsync(fd.get()) != 0) {
        error = errno;
        ok = false;
    }
    if (!fd.close() && ok) {
        error = errno;
        ok = false;
    }
    if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) {
        error = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return FileResult::failure(systemError(error));
    }
    // The rename lasts only once the folder itself is on disk.
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
    return FileResult::success();
}

int removeStaleTemporaryFiles(const std::filesystem::path& folder, std::string_view temporaryPrefix,
                              std::int64_t minimumAgeSeconds) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return 0;
    const std::time_t now = std::time(nullptr);
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name.size() <= temporaryPrefix.size() || !name.starts_with(temporaryPrefix)) continue;
        struct stat st {};
        // Only plain files of our own: never a link's target, never someone else's file.
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
            continue;
        if (now - st.st_mtime < minimumAgeSeconds) continue;
        if (::unlinkat(::dirfd(dir), entry->d_name, 0) == 0) ++removed;
    }
    ::closedir(dir);
    return removed;
}

}  // namespace quorvex
