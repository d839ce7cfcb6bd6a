// The recursive file finder over descriptor-relative calls, so neither the depth of a tree nor
// the length of its paths is limited by PATH_MAX.
#include "scan/FileFinder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>

namespace korvane {
namespace {

constexpr int kOpenFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

/// The state of one walk; the recursion is FindFilesIn.
class Walk {
public:
    Walk(const std::vector<WildcardPattern>& patterns, FinderVisitor& visitor, dev_t device)
        : patterns_(patterns), visitor_(visitor), device_(device) {}

    /// Walks the folder open on `fd` (taken over and closed exactly once) whose path text is
    /// `path`; the path is extended for each subfolder and cut back, so it is as given on return.
    /// Returns false when the visitor stopped the walk.
    bool FindFilesIn(std::string& path, int fd, ino_t inode, int depth);

private:
    bool reportFile(int dirFd, const char* name, const struct stat* known, const std::string& path);
    bool isAncestor(ino_t inode) const {
        return std::find(ancestors_.begin(), ancestors_.end(), inode) != ancestors_.end();
    }

    const std::vector<WildcardPattern>& patterns_;
    FinderVisitor& visitor_;
    const dev_t device_;
    std::uint64_t folderSerial_ = 0;
    /// The inodes of the folders on the way down, to refuse a bind mount of an ancestor.
    std::vector<ino_t> ancestors_;
    /// Per depth: the names of the subfolders still to walk, each ended by '\0'. Reused by
    /// every folder at that depth.
    std::vector<std::string> subfolders_ = std::vector<std::string>(kMaxFolderDepth + 1);
    /// The buffer the folders' entries are read into.
    std::vector<char> entries_ = std::vector<char>(64 * 1024);
};

bool Walk::reportFile(int dirFd, const char* name, const struct stat* known,
                      const std::string& path) {
    const std::string_view nameView(name);
    std::size_t first = 0;
    while (first < patterns_.size() && !patterns_[first].matches(nameView)) {
        ++first;
    }
    if (first == patterns_.size()) {
        return true;
    }
    struct stat status;
    if (known == nullptr) {
        if (::fstatat(dirFd, name, &status, AT_SYMLINK_NOFOLLOW) != 0) {
            return true;  // it vanished
        }
        known = &status;
    }
    if (!S_ISREG(known->st_mode)) {
        return true;  // replaced since the folder was read
    }
    const SearchRecord record{nameView, static_cast<std::uint64_t>(known->st_size), folderSerial_};
    for (std::size_t index = first; index < patterns_.size(); ++index) {
        if ((index == first || patterns_[index].matches(nameView)) &&
            !visitor_.fileFound(index, path, record)) {
            return false;
        }
    }
    return true;
}

bool Walk::FindFilesIn(std::string& path, int fd, ino_t inode, int depth) {
    ++folderSerial_;
    if (!visitor_.enteringFolder(path)) {
        ::close(fd);
        return false;
    }
    const std::size_t length = path.size();
    std::string& subfolders = subfolders_[static_cast<std::size_t>(depth)];
    subfolders.clear();

    // File phase, gathering the subfolders on the same pass. The pass reads the whole folder
    // before any descent, so one buffer serves the whole walk.
    for (;;) {
        const ssize_t filled = ::getdents64(fd, entries_.data(), entries_.size());
        if (filled <= 0) {
            break;  // the end, or a folder that vanished or cannot be read
        }
        for (ssize_t at = 0; at < filled;) {
            const auto* entry = reinterpret_cast<const dirent64*>(entries_.data() + at);
            at += entry->d_reclen;
            const char* name = entry->d_name;
            if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) {
                continue;
            }
            unsigned char type = entry->d_type;
            struct stat status;
            const struct stat* known = nullptr;
            if (type == DT_UNKNOWN) {
                if (::fstatat(fd, name, &status, AT_SYMLINK_NOFOLLOW) != 0) {
                    continue;
                }
                type = S_ISDIR(status.st_mode) ? DT_DIR : S_ISREG(status.st_mode) ? DT_REG : DT_LNK;
                known = &status;
            }
            if (type == DT_DIR) {
                if (name[0] != '.') {
                    subfolders.append(name);
                    subfolders.push_back('\0');
                }
            } else if (type == DT_REG && !reportFile(fd, name, known, path)) {
                ::close(fd);
                return false;
            }
        }
    }

    // Directory phase.
    bool goOn = true;
    if (depth < kMaxFolderDepth) {
        ancestors_.push_back(inode);
        for (std::size_t at = 0; goOn && at < subfolders.size();) {
            const char* name = subfolders.c_str() + at;
            const std::size_t nameLength = std::char_traits<char>::length(name);
            at += nameLength + 1;
            const int child = ::openat(fd, name, kOpenFolderFlags);
            if (child < 0) {
                continue;
            }
            struct stat status;
            if (::fstat(child, &status) != 0 || status.st_dev != device_ ||
                isAncestor(status.st_ino)) {
                ::close(child);
                continue;
            }
            path.append(name, nameLength);
            path.push_back('/');
            goOn = FindFilesIn(path, child, status.st_ino, depth + 1);
            path.resize(length);
        }
        ancestors_.pop_back();
    }
    ::close(fd);
    return goOn;
}

std::string currentDirectory() {
    std::string path(PATH_MAX, '\0');
    if (::getcwd(path.data(), path.size()) == nullptr) {
        return "./";
    }
    path.resize(std::char_traits<char>::length(path.c_str()));
    return path;
}

/// FindFiles' adapter from a visitor to its callback and user data.
class CallbackVisitor : public FinderVisitor {
public:
    CallbackVisitor(FoundFileCallback callback, void* userData)
        : callback_(callback), userData_(userData) {}

    bool fileFound(std::size_t, const std::string& directory, const SearchRecord& record) override {
        return callback_(userData_, directory, record);
    }

private:
    FoundFileCallback callback_;
    void* userData_;
};

}  // namespace

bool findFilesForPatterns(std::string directory, const std::vector<WildcardPattern>& patterns,
                          FinderVisitor& visitor) {
    if (directory.empty()) {
        directory = currentDirectory();
    }
    if (directory.back() != '/') {
        directory.push_back('/');
    }
    // Without its final slashes the path's last component is not followed when it is a link.
    std::string openPath = directory;
    while (openPath.size() > 1 && openPath.back() == '/') {
        openPath.pop_back();
    }
    const int fd = ::open(openPath.c_str(), kOpenFolderFlags);
    if (fd < 0) {
        return true;
    }
    struct stat status;
    if (::fstat(fd, &status) != 0) {
        ::close(fd);
        return true;
    }
    Walk walk(patterns, visitor, status.st_dev);
    return walk.FindFilesIn(directory, fd, status.st_ino, 0);
}

void FindFiles(std::string directory, std::string pattern, FoundFileCallback callback,
               void* userData) {
    if (pattern.empty()) {
        pattern = "*.*";
    }
    const std::vector<WildcardPattern> patterns{WildcardPattern(pattern)};
    CallbackVisitor visitor(callback, userData);
    findFilesForPatterns(std::move(directory), patterns, visitor);
}

}  // namespace korvane
