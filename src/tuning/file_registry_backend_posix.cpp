#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <system_error>

#include "tuning/file_registry_backend.h"
#include "tuning/reg_file_format.h"

namespace quorvex {

namespace {

std::string parentOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
}

bool makeDirectories(const std::string& dir) {
    if (dir.empty()) return true;
    struct stat st {};
    if (::stat(dir.c_str(), &st) == 0) {
        if (!S_ISDIR(st.st_mode)) errno = ENOTDIR;
        return S_ISDIR(st.st_mode);
    }
    if (!makeDirectories(parentOf(dir)) && parentOf(dir) != dir) return false;
    return ::mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST;
}

bool readFile(const std::string& path, std::string& text, bool& exists) {
    std::ifstream in(path, std::ios::binary);
    exists = static_cast<bool>(in);
    if (!in) return errno == ENOENT;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return !in.bad();
}

bool writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool replaceAtomically(const std::string& path, const std::string& text) {
    std::string tmpl = path + ".tmp.XXXXXX";
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0) return false;
    const bool ok = writeAll(fd, text) && ::fdatasync(fd) == 0;
    if (::close(fd) != 0 || !ok || ::rename(tmpl.c_str(), path.c_str()) != 0) {
        const int error = errno;  // the reason, not the clean-up's outcome
        ::unlink(tmpl.c_str());
        errno = error;
        return false;
    }
    return true;
}

void moveAside(const std::string& path) {
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    ::localtime_r(&now, &tm);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm);
    std::string target = path + ".corrupt-" + stamp;
    for (int n = 2; ::access(target.c_str(), F_OK) == 0; ++n)
        target = path + ".corrupt-" + stamp + "-" + std::to_string(n);
    ::rename(path.c_str(), target.c_str());
}

class LockFile {
  public:
    explicit LockFile(const std::string& path)
        : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (fd_ >= 0)
            while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~LockFile() {
        if (fd_ >= 0) ::close(fd_);  // closing releases the lock
    }
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;
    bool held() const { return fd_ >= 0; }

  private:
    int fd_;
};

}  // namespace

FileRegistryBackend::FileRegistryBackend(std::string storePath, std::string homeFolder)
    : storePath_(std::move(storePath)), homeFolder_(std::move(homeFolder)) {}

long FileRegistryBackend::refused(long status) {
    lastErrno_ = errno != 0 ? errno : EIO;
    return status;
}

std::optional<RegistryFailure> FileRegistryBackend::lastFailure() const {
    if (lastErrno_ == 0) return std::nullopt;
    std::string location = storePath_;
    if (!homeFolder_.empty() && location.starts_with(homeFolder_ + "/"))
        location = "~" + location.substr(homeFolder_.size());
    return RegistryFailure{location, std::generic_category().message(lastErrno_)};
}

RegistryData FileRegistryBackend::load() const {
    std::string text;
    bool exists = false;
    if (!readFile(storePath_, text, exists) || !exists) return {};
    return parseRegFile(text).value_or(RegistryData{});
}

long FileRegistryBackend::transact(const std::function<long(RegistryData&, bool&)>& change) {
    errno = 0;
    if (!makeDirectories(parentOf(storePath_))) return refused(kRegAccessDenied);
    LockFile lock(storePath_ + ".lock");
    if (!lock.held()) return refused(kRegAccessDenied);

    std::string text;
    bool exists = false;
    if (!readFile(storePath_, text, exists)) return refused(kRegAccessDenied);
    RegistryData data;
    if (exists) {
        if (auto parsed = parseRegFile(text)) {
            data = std::move(*parsed);
        } else {
            moveAside(storePath_);
        }
    }
    bool changed = false;
    const long status = change(data, changed);
    if (status != kRegOk || !changed) return status;
    return replaceAtomically(storePath_, formatRegFile(data)) ? kRegOk : refused(kRegWriteFault);
}

RegKey FileRegistryBackend::open(Hive hive, const std::string& path) {
    const RegKey key = next_++;
    handles_.emplace(key, std::make_pair(hive, path));
    return key;
}

long FileRegistryBackend::createKey(Hive hive, const std::string& path, RegKey& key) {
    const long status = transact([&](RegistryData& data, bool& changed) {
        changed = data.createKey(hive, path);
        return kRegOk;
    });
    if (status == kRegOk) key = open(hive, path);
    return status;
}

long FileRegistryBackend::openKey(Hive hive, const std::string& path, RegKey& key) {
    const long status = transact(
        [&](RegistryData& data, bool&) { return data.hasKey(hive, path) ? kRegOk : kRegNotFound; });
    if (status == kRegOk) key = open(hive, path);
    return status;
}

long FileRegistryBackend::setValue(RegKey key, const std::string& name, std::uint32_t type,
                                   const std::vector<std::uint8_t>& bytes) {
    auto it = handles_.find(key);
    if (it == handles_.end()) return kRegInvalidData;
    const auto [hive, path] = it->second;
    return transact([&](RegistryData& data, bool& changed) {
        if (!data.hasKey(hive, path)) return kRegNotFound;  // deleted since it was opened
        changed = data.setValue(hive, path, name, type, bytes);
        return kRegOk;
    });
}

void FileRegistryBackend::closeKey(RegKey key) {
    handles_.erase(key);
}

}  // namespace quorvex
