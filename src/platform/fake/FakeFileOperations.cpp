// File operations for tests, recorded and optionally made to fail.
#include "platform/fake/FakeFileOperations.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace korvane {
namespace {

Outcome fromErrno(int error) {
    return Outcome::failure(std::strerror(error));
}

/// Creates the folder and its missing parents.
bool makeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (!part.empty() && ::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
        if (slash == std::string::npos) {
            return true;
        }
    }
}

std::string baseName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

Outcome moveInto(const std::string& path, std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    if (!makeFolders(folder)) {
        return fromErrno(errno);
    }
    const std::string target = folder + "/" + baseName(path);
    if (std::rename(path.c_str(), target.c_str()) != 0) {
        return fromErrno(errno);
    }
    return Outcome::success();
}

}  // namespace

FakeFileOperations::FakeFileOperations(std::string trashFolder)
    : trashFolder_(std::move(trashFolder)) {}

void FakeFileOperations::failPath(const std::string& path, std::string reason) {
    const std::lock_guard lock(mutex_);
    failures_[path] = std::move(reason);
}

void FakeFileOperations::holdPath(const std::string& path) {
    const std::lock_guard lock(mutex_);
    heldPath_ = path;
}

void FakeFileOperations::release() {
    {
        const std::lock_guard lock(mutex_);
        heldPath_.clear();
    }
    released_.notify_all();
}

std::vector<FakeFileOperations::Call> FakeFileOperations::calls() const {
    const std::lock_guard lock(mutex_);
    return calls_;
}

const std::string* FakeFileOperations::record(Kind kind, const std::string& path,
                                              const std::string& folder) {
    std::unique_lock lock(mutex_);
    calls_.push_back(Call{kind, path, folder});
    released_.wait(lock, [&] { return heldPath_.empty() || heldPath_ != path; });
    const auto failure = failures_.find(path);
    return failure == failures_.end() ? nullptr : &failure->second;
}

Outcome FakeFileOperations::deleteFile(const std::string& path) {
    if (const std::string* reason = record(Kind::Delete, path, {})) {
        return Outcome::failure(*reason);
    }
    if (::unlink(path.c_str()) != 0) {
        return fromErrno(errno);
    }
    return Outcome::success();
}

Outcome FakeFileOperations::moveToTrash(const std::string& path) {
    if (const std::string* reason = record(Kind::Trash, path, {})) {
        return Outcome::failure(*reason);
    }
    if (trashFolder_.empty()) {
        return Outcome::failure("The Trash is not available");
    }
    return moveInto(path, trashFolder_);
}

Outcome FakeFileOperations::moveIntoFolder(const std::string& path, const std::string& folder) {
    if (const std::string* reason = record(Kind::MoveIntoFolder, path, folder)) {
        return Outcome::failure(*reason);
    }
    return moveInto(path, folder);
}

}  // namespace korvane
