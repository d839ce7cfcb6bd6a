// Whole-file reading and atomic replacement with POSIX calls, so that a failure at any step
// (a full disk, a read-only folder) leaves the old file as it was.
#include "settings/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

namespace korvane {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    /// Closes now and reports whether the close succeeded (a late write error shows here).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool makeFolders(const std::filesystem::path& folder) {
    std::filesystem::path prefix;
    for (const auto& part : folder) {
        prefix /= part;
        if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    struct stat status {};
    return ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

void syncFolder(const std::filesystem::path& folder) {
    const Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    // The new file is already in place; a folder that cannot be synced changes nothing.
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

}  // namespace

FileContents readFileContents(const std::string& path) {
    FileContents contents;
    // O_NONBLOCK: a FIFO put in the file's place must not hang the program.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        contents.status =
            missing ? FileContents::Status::Missing : FileContents::Status::Unreadable;
        return contents;
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        contents.status = FileContents::Status::Unreadable;
        return contents;
    }
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        const ssize_t count = ::read(fd.get(), buffer.data(), buffer.size());
        if (count < 0) {
            if (errno == EINTR)
                continue;
            contents.status = FileContents::Status::Unreadable;
            contents.text.clear();
            return contents;
        }
        if (count == 0)
            break;
        contents.text.append(buffer.data(), static_cast<std::size_t>(count));
    }
    contents.status = FileContents::Status::Read;
    return contents;
}

bool replaceFileAtomically(const std::string& path, std::string_view contents) {
    const std::filesystem::path target(path);
    if (!target.has_filename())
        return false;
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    if (!makeFolders(folder))
        return false;

    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return false;

    bool written = true;
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        written = ::fchmod(fd.get(), old.st_mode & 07777) == 0;
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            // Only root can give the file back to its owner; others keep it as their own.
            [[maybe_unused]] const int ignored = ::fchown(fd.get(), old.st_uid, old.st_gid);
        }
    }
    written = written && writeAll(fd.get(), contents) && ::fsync(fd.get()) == 0;
    written = fd.close() && written;
    if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

}  // namespace korvane
