#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "platform/file_access.h"
#include "tuning/file_registry_backend.h"
#include "tuning/reg_file_format.h"

namespace quorvex {

namespace {

// Longer than the time between two registry operations of one command.
constexpr std::chrono::seconds kOperationPause{1};

std::string parentOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
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

}  // namespace

FileRegistryBackend::FileRegistryBackend(std::string storePath, std::string homeFolder)
    : storePath_(std::move(storePath)), homeFolder_(std::move(homeFolder)) {}

std::string FileRegistryBackend::shown(const std::string& path) const {
    if (!homeFolder_.empty() && path.starts_with(homeFolder_ + "/"))
        return "~" + path.substr(homeFolder_.size());
    return path;
}

std::optional<RegistryFailure> FileRegistryBackend::lastFailure() const {
    if (!failure_) return std::nullopt;
    RegistryFailure failure = *failure_;
    failure.location = shown(failure.location);
    return failure;
}

RegistryFailure FileRegistryBackend::describeFailure(long status) const {
    if (auto failure = lastFailure()) return *failure;
    return {shown(storePath_), registryStatusText(status), status};
}

long FileRegistryBackend::fail(long status, const std::string& path, const std::string& reason) {
    failure_ = RegistryFailure{path, reason, status};
    return status;
}

RegistryData FileRegistryBackend::load() const {
    std::string text;
    if (!readRegularFile(storePath_, kMaxStoreBytes, text)) return {};
    return parseRegFile(text).value_or(RegistryData{});
}

long FileRegistryBackend::openSession(Session& session) {
    const std::string folder = parentOf(storePath_);
    // Only an absolute path below the root: never the working folder, never "/" itself.
    if (storePath_.empty() || storePath_[0] != '/' || folder == "/")
        return fail(kRegAccessDenied, storePath_, "no usable data folder");
    // The store names the failure: its folder is part of its path.
    if (!makeDirectories(folder)) return fail(kRegAccessDenied, storePath_, std::strerror(errno));
    const std::string lockPath = storePath_ + ".lock";
    // Operations that follow a wait that ran out, within the pause between two operations of
    // one command, try once.
    const auto now = std::chrono::steady_clock::now();
    const bool waitedInVain = gaveUpWaiting_ && now - *gaveUpWaiting_ < kOperationPause;
    session.lock = std::make_unique<FileLock>(
        lockPath, waitedInVain ? std::chrono::milliseconds(0) : lockWait_);
    if (session.lock->busy()) {
        gaveUpWaiting_ = std::chrono::steady_clock::now();
        return fail(kRegAccessDenied, storePath_, session.lock->error());
    }
    if (!session.lock->held()) return fail(kRegAccessDenied, lockPath, session.lock->error());
    gaveUpWaiting_.reset();
    ++locksTaken_;

    // Only the lock holder writes temporary files: any found now were left by a crash.
    if (!cleanedUp_) {
        removeStaleTemporaryFiles(folder, fileNameOf(storePath_) + ".tmp.", 0);
        cleanedUp_ = true;
    }

    std::string text;
    bool missing = false;
    const FileResult read = readRegularFile(storePath_, kMaxStoreBytes, text, &missing);
    if (!read && !missing) return fail(kRegAccessDenied, storePath_, read.reason);
    if (read) {
        if (auto parsed = parseRegFile(text)) {
            session.data = std::move(*parsed);
        } else {
            moveAside(storePath_);
        }
    }
    return kRegOk;
}

long FileRegistryBackend::saveSession(const Session& session) {
    if (!session.changed) return kRegOk;
    const auto formatted = formatRegFile(session.data, kMaxStoreBytes);
    if (!formatted) return fail(kRegWriteFault, storePath_, "the store would exceed 64 MiB");
    // Flushes the file, renames it over the store and flushes the folder.
    const FileResult written =
        replaceFileAtomically(storePath_, *formatted, fileNameOf(storePath_) + ".tmp.");
    if (!written) return fail(kRegWriteFault, storePath_, written.reason);
    ++savesMade_;
    return kRegOk;
}

long FileRegistryBackend::transact(const std::function<long(RegistryData&, bool&)>& change) {
    failure_.reset();
    if (batch_) {
        if (batch_->status != kRegOk) {
            failure_ = batch_->failure;
            return batch_->status;
        }
        bool changed = false;
        const long status = change(batch_->session.data, changed);
        batch_->session.changed = batch_->session.changed || changed;
        return status;
    }
    Session session;
    const long opened = openSession(session);
    if (opened != kRegOk) return opened;
    const long status = change(session.data, session.changed);
    if (status != kRegOk) return status;
    return saveSession(session);
}

long FileRegistryBackend::beginBatch() {
    failure_.reset();
    if (batch_) {
        ++batch_->depth;
        if (batch_->status != kRegOk) failure_ = batch_->failure;
        return batch_->status;
    }
    batch_.emplace();
    batch_->status = openSession(batch_->session);
    if (batch_->status != kRegOk) {
        batch_->failure = failure_.value_or(RegistryFailure{storePath_, "error", batch_->status});
        batch_->session.lock.reset();
    }
    return batch_->status;
}

long FileRegistryBackend::commitBatch() {
    failure_.reset();
    if (!batch_) return kRegOk;
    if (--batch_->depth > 0) return kRegOk;
    long status = batch_->status;
    if (status != kRegOk) {
        failure_ = batch_->failure;
    } else {
        status = saveSession(batch_->session);
    }
    batch_.reset();  // lets the lock go
    return status;
}

void FileRegistryBackend::abandonBatch() {
    if (batch_ && --batch_->depth <= 0) batch_.reset();
}

RegKey FileRegistryBackend::open(Hive hive, const std::string& path) {
    const RegKey key = next_++;
    handles_.emplace(key, std::make_pair(hive, path));
    return key;
}

long FileRegistryBackend::createKey(Hive hive, const std::string& path, RegKey& key) {
    if (!validKeyPath(path)) return fail(kRegInvalidData, path, "not a valid key path");
    const long status = transact([&](RegistryData& data, bool& changed) {
        changed = data.createKey(hive, path);
        return kRegOk;
    });
    if (status == kRegOk) key = open(hive, path);
    return status;
}

long FileRegistryBackend::openKey(Hive hive, const std::string& path, RegKey& key) {
    if (!validKeyPath(path)) return fail(kRegInvalidData, path, "not a valid key path");
    const long status = transact(
        [&](RegistryData& data, bool&) { return data.hasKey(hive, path) ? kRegOk : kRegNotFound; });
    if (status == kRegOk) key = open(hive, path);
    return status;
}

long FileRegistryBackend::setValue(RegKey key, const std::string& name, std::uint32_t type,
                                   const std::vector<std::uint8_t>& bytes) {
    auto it = handles_.find(key);
    if (it == handles_.end()) return kRegInvalidData;
    if (!validValueName(name)) return fail(kRegInvalidData, name, "not a valid value name");
    // Named copies: clang 14 cannot capture a structured binding in a lambda.
    const Hive hive = it->second.first;
    const std::string path = it->second.second;
    return transact([&](RegistryData& data, bool& changed) {
        if (!data.hasKey(hive, path)) return kRegNotFound;  // deleted since it was opened
        changed = data.setValue(hive, path, name, type, bytes);
        return kRegOk;
    });
}

void FileRegistryBackend::closeKey(RegKey key) {
    handles_.erase(key);
}

// Reading goes through the same lock as writing, so it never sees a store half replaced.
long FileRegistryBackend::queryValue(Hive hive, const std::string& path, const std::string& name,
                                     std::uint32_t& type, std::vector<std::uint8_t>& bytes) {
    return transact([&](RegistryData& data, bool&) {
        const RegValue* value = data.value(hive, path, name);
        if (!value) return kRegNotFound;
        type = value->type;
        bytes = value->data;
        return kRegOk;
    });
}

long FileRegistryBackend::deleteValue(RegKey key, const std::string& name) {
    auto it = handles_.find(key);
    if (it == handles_.end()) return kRegInvalidData;
    const Hive hive = it->second.first;
    const std::string path = it->second.second;
    return transact([&](RegistryData& data, bool& changed) {
        changed = data.removeValue(hive, path, name);
        return changed ? kRegOk : kRegNotFound;
    });
}

}  // namespace quorvex
