#include "platform/linux/Trash.h"

#include <fcntl.h>
#include <pwd.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <random>

#include "platform/linux/LinuxPaths.h"
#include "platform/linux/TrashInfo.h"

namespace korvane {
namespace {

// More numbered names than a trash normally needs; past them a random suffix keeps each
// attempt cheap even for a name trashed thousands of times.
constexpr int kNumberedAttempts = 100;
constexpr int kMaxAttempts = 200;

Outcome trashFailure(const std::string& path, const std::string& why) {
    return Outcome::failure("Cannot move " + path + " to the Trash: " + why);
}

// Opens the folder name inside parent, creating it when missing; a link is refused.
UniqueFd openOrCreateFolder(int parent, const std::string& name, mode_t mode, int& error) {
    if (mkdirat(parent, name.c_str(), mode) != 0 && errno != EEXIST) {
        error = errno;
        return {};
    }
    UniqueFd folder(openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.valid()) {
        error = errno;
    }
    return folder;
}

bool isOwnFolder(int fd) {
    struct stat status {};
    return fstat(fd, &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == getuid();
}

// A folder that was removed while open has no links left.
bool isStillLinked(int fd) {
    struct stat status {};
    return fstat(fd, &status) == 0 && status.st_nlink > 0;
}

dev_t deviceOf(int fd) {
    struct stat status {};
    fstat(fd, &status);
    return status.st_dev;
}

// The device of the path, or of its nearest folder that exists.
dev_t deviceOfNearest(std::string path) {
    struct stat status {};
    while (stat(path.c_str(), &status) != 0 && path != "/" && path != ".") {
        path = parentOf(path);
    }
    return status.st_dev;
}

// The top folder of the volume that holds the (real) folder: the highest folder above it on
// the same device.
std::string topDirectoryOf(const std::string& realFolder, dev_t device) {
    std::string top = realFolder;
    while (top != "/") {
        const std::string parent = parentOf(top);
        struct stat status {};
        if (lstat(parent.c_str(), &status) != 0 || status.st_dev != device) {
            break;
        }
        top = parent;
    }
    return top;
}

std::string randomSuffix() {
    thread_local std::mt19937 generator{std::random_device{}()};
    static constexpr char kHex[] = "0123456789abcdef";
    std::string suffix = ".";
    for (int i = 0; i < 8; ++i) {
        suffix += kHex[generator() % 16];
    }
    return suffix;
}

bool writeWhole(int fd, const std::string& text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = write(fd, text.data() + written, text.size() - written);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        written += static_cast<std::size_t>(count);
    }
    return true;
}

}  // namespace

std::string Trash::homeTrashPath() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/') {
        return std::string(dataHome) + "/Trash";
    }
    std::string home;
    if (const char* variable = std::getenv("HOME"); variable != nullptr && variable[0] == '/') {
        home = variable;
    } else if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir) {
        home = entry->pw_dir;
    }
    if (home.empty() || home == "/") {
        return "/.local/share/Trash";
    }
    return home + "/.local/share/Trash";
}

Outcome Trash::openHomeTrash(const std::string& trashPath) {
    if (home_ && homePath_ == trashPath && isStillLinked(home_->files.get()) &&
        isStillLinked(home_->info.get())) {
        return Outcome::success();
    }
    home_.reset();
    if (const int error = makeFolders(trashPath, 0700); error != 0) {
        return Outcome::failure("the Trash folder " + trashPath +
                                " cannot be created: " + systemError(error));
    }
    UniqueFd trash(open(trashPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!trash.valid()) {
        return Outcome::failure("the Trash folder " + trashPath +
                                " cannot be opened: " + systemError(errno));
    }
    Folder folder;
    int error = 0;
    folder.files = openOrCreateFolder(trash.get(), "files", 0700, error);
    if (folder.files.valid()) {
        folder.info = openOrCreateFolder(trash.get(), "info", 0700, error);
    }
    if (!folder.info.valid()) {
        return Outcome::failure("the Trash folder " + trashPath +
                                " cannot be used: " + systemError(error));
    }
    folder.device = deviceOf(folder.files.get());
    home_ = std::move(folder);
    homePath_ = trashPath;
    return Outcome::success();
}

namespace {

// The trash at the top of a volume: $top/.Trash/$uid when $top/.Trash is a real folder with
// the sticky bit, else $top/.Trash-$uid, created when missing and refused when not ours.
Outcome openVolumeTrash(const std::string& top, UniqueFd& files, UniqueFd& info) {
    UniqueFd topFolder(open(top.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!topFolder.valid()) {
        return Outcome::failure("the volume's top folder " + top +
                                " cannot be opened: " + systemError(errno));
    }
    const std::string uid = std::to_string(getuid());
    UniqueFd userTrash;
    UniqueFd shared(
        openat(topFolder.get(), ".Trash", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat sharedStatus {};
    if (shared.valid() && fstat(shared.get(), &sharedStatus) == 0 &&
        (sharedStatus.st_mode & S_ISVTX) != 0) {
        int error = 0;
        UniqueFd candidate = openOrCreateFolder(shared.get(), uid, 0700, error);
        if (candidate.valid() && isOwnFolder(candidate.get())) {
            userTrash = std::move(candidate);
        }
    }
    std::string trashPath = (top == "/" ? "" : top) + "/.Trash/" + uid;
    if (!userTrash.valid()) {
        trashPath = (top == "/" ? "" : top) + "/.Trash-" + uid;
        int error = 0;
        userTrash = openOrCreateFolder(topFolder.get(), ".Trash-" + uid, 0700, error);
        if (!userTrash.valid()) {
            return Outcome::failure("the Trash folder " + trashPath +
                                    " cannot be used: " + systemError(error));
        }
        if (!isOwnFolder(userTrash.get())) {
            return Outcome::failure("the Trash folder " + trashPath + " is not a folder of yours");
        }
    }
    int error = 0;
    files = openOrCreateFolder(userTrash.get(), "files", 0700, error);
    if (files.valid()) {
        info = openOrCreateFolder(userTrash.get(), "info", 0700, error);
    }
    if (!info.valid()) {
        return Outcome::failure("the Trash folder " + trashPath +
                                " cannot be used: " + systemError(error));
    }
    return Outcome::success();
}

}  // namespace

Outcome Trash::moveToTrash(const std::string& path) {
    std::lock_guard lock(mutex_);
    if (path.empty()) {
        return trashFailure(path, "no file is named");
    }
    const std::string absolute = path.front() == '/' ? path : currentDirectory() + "/" + path;
    struct stat status {};
    if (lstat(absolute.c_str(), &status) != 0) {
        return trashFailure(path, systemError(errno));
    }
    if (S_ISDIR(status.st_mode)) {
        return trashFailure(path, "it is a folder");
    }
    const std::string name = nameOf(absolute);
    const std::string realFolder = realFolderOf(parentOf(absolute));
    if (realFolder.empty()) {
        return trashFailure(path, systemError(errno));
    }
    const std::string realPath = (realFolder == "/" ? "" : realFolder) + "/" + name;

    const std::string homePath = homeTrashPath();
    const Outcome home = openHomeTrash(homePath);
    if (home && home_->device == status.st_dev) {
        return moveInto(*home_, absolute, realPath, name);
    }
    if (!home && deviceOfNearest(homePath) == status.st_dev) {
        return trashFailure(path, home.reason());
    }

    Folder volume;
    volume.topDirectory = topDirectoryOf(realFolder, status.st_dev);
    volume.device = status.st_dev;
    if (const Outcome opened = openVolumeTrash(volume.topDirectory, volume.files, volume.info);
        !opened) {
        return trashFailure(path, opened.reason());
    }
    return moveInto(volume, absolute, realPath, name);
}

std::string Trash::realFolderOf(const std::string& folder) {
    // The files of a clean come folder by folder: resolving each folder once saves a lookup of
    // every link on its path per file. The folder's identity tells when the answer went stale.
    struct stat status {};
    if (stat(folder.c_str(), &status) != 0) {
        return {};
    }
    if (folder != lastFolder_ || status.st_dev != lastFolderDevice_ ||
        status.st_ino != lastFolderInode_) {
        lastRealFolder_ = realLocation(folder);
        lastFolder_ = lastRealFolder_.empty() ? std::string() : folder;
        lastFolderDevice_ = status.st_dev;
        lastFolderInode_ = status.st_ino;
    }
    return lastRealFolder_;
}

Outcome Trash::moveInto(Folder& folder, const std::string& source, const std::string& realPath,
                        const std::string& name) {
    std::string shownPath = realPath;
    if (!folder.topDirectory.empty()) {
        shownPath =
            realPath.substr(folder.topDirectory == "/" ? 1 : folder.topDirectory.size() + 1);
    }
    const std::string infoText =
        trashInfoText(encodeTrashInfoPath(shownPath), formatDeletionDate(std::time(nullptr)));

    for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
        std::string suffix;
        if (attempt > kNumberedAttempts) {
            suffix = randomSuffix();
        } else if (attempt > 1) {
            suffix = std::to_string(attempt);
            suffix.insert(suffix.begin(), '.');
        }
        const std::string entry = trashEntryName(name, suffix);
        const std::string infoName = entry + ".trashinfo";

        // O_EXCL claims the name: an entry whose info file exists is never overwritten.
        UniqueFd infoFile(openat(folder.info.get(), infoName.c_str(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!infoFile.valid()) {
            if (errno == EEXIST) {
                continue;
            }
            return trashFailure(source,
                                "its Trash information cannot be written: " + systemError(errno));
        }
        int error = writeWhole(infoFile.get(), infoText) ? 0 : errno;
        if (close(infoFile.release()) != 0 && error == 0) {
            error = errno;
        }
        if (error != 0) {
            unlinkat(folder.info.get(), infoName.c_str(), 0);
            return trashFailure(source,
                                "its Trash information cannot be written: " + systemError(error));
        }

        if (renameat2(AT_FDCWD, source.c_str(), folder.files.get(), entry.c_str(),
                      RENAME_NOREPLACE) == 0) {
            return Outcome::success();
        }
        error = errno;
        if (error == EINVAL) {
            // The filesystem cannot refuse to replace: look before moving.
            struct stat existing {};
            if (fstatat(folder.files.get(), entry.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
                error = EEXIST;
            } else if (renameat(AT_FDCWD, source.c_str(), folder.files.get(), entry.c_str()) == 0) {
                return Outcome::success();
            } else {
                error = errno;
            }
        }
        unlinkat(folder.info.get(), infoName.c_str(), 0);
        if (error != EEXIST) {
            return trashFailure(source, systemError(error));
        }
    }
    return trashFailure(source, "the Trash has no free name for it");
}

}  // namespace korvane
