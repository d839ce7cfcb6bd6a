// A temporary folder tree for tests.
#include "support/TempTree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace korvane::test {
namespace {

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what + ": " + std::to_string(errno));
}

void makeParents(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) {
            fail("mkdir " + part);
        }
    }
}

void writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written <= 0) {
            fail("write");
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

/// Empties the folder open on fd (taken over) and reports whether all went.
bool removeContents(int fd) {
    ::fchmod(fd, 0700);
    DIR* folder = ::fdopendir(fd);
    if (folder == nullptr) {
        ::close(fd);
        return false;
    }
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    bool ok = true;
    for (const std::string& name : names) {
        struct stat status;
        if (::fstatat(::dirfd(folder), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;
        }
        if (S_ISDIR(status.st_mode)) {
            ::fchmodat(::dirfd(folder), name.c_str(), 0700, 0);
            const int child =
                ::openat(::dirfd(folder), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
            ok = (child >= 0 && removeContents(child)) && ok;
            ok = ::unlinkat(::dirfd(folder), name.c_str(), AT_REMOVEDIR) == 0 && ok;
        } else {
            ok = ::unlinkat(::dirfd(folder), name.c_str(), 0) == 0 && ok;
        }
    }
    ::closedir(folder);
    return ok;
}

}  // namespace

TempTree::TempTree() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/korvane-test-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        fail("mkdtemp");
    }
    root_ = pattern;
}

TempTree::~TempTree() {
    removeTree(root_);
}

std::string TempTree::path(const std::string& relative) const {
    return root_ + "/" + relative;
}

std::string TempTree::folder(const std::string& relative) {
    const std::string full = path(relative);
    makeParents(full + "/");
    return full;
}

std::string TempTree::file(const std::string& relative, std::uint64_t size) {
    const std::string full = path(relative);
    makeParents(full);
    const int fd = ::open(full.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::ftruncate(fd, static_cast<off_t>(size)) != 0) {
        fail("create " + full);
    }
    ::close(fd);
    return full;
}

std::string TempTree::fileWithText(const std::string& relative, const std::string& content) {
    const std::string full = file(relative, 0);
    const int fd = ::open(full.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
        fail("open " + full);
    }
    writeAll(fd, content.data(), content.size());
    ::close(fd);
    return full;
}

std::string TempTree::link(const std::string& relative, const std::string& target) {
    const std::string full = path(relative);
    makeParents(full);
    if (::symlink(target.c_str(), full.c_str()) != 0) {
        fail("symlink " + full);
    }
    return full;
}

void TempTree::setMode(const std::string& relative, mode_t mode) {
    if (::chmod(path(relative).c_str(), mode) != 0) {
        fail("chmod " + relative);
    }
}

std::string TempTree::deepChain(const std::string& relative, const std::string& component,
                                int levels, const std::string& fileName, std::uint64_t size) {
    std::string full = folder(relative) + "/";
    int fd = ::open(full.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int level = 0; level < levels && fd >= 0; ++level) {
        ::mkdirat(fd, component.c_str(), 0755);
        const int child = ::openat(fd, component.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(fd);
        fd = child;
        full += component + "/";
    }
    if (fd < 0) {
        fail("deep chain");
    }
    const int file = ::openat(fd, fileName.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (file < 0 || ::ftruncate(file, static_cast<off_t>(size)) != 0) {
        fail("deep file");
    }
    ::close(file);
    ::close(fd);
    return full;
}

int openDescriptorCount() {
    DIR* folder = ::opendir("/proc/self/fd");
    if (folder == nullptr) {
        return -1;
    }
    int count = 0;
    while (const dirent* entry = ::readdir(folder)) {
        if (entry->d_name[0] != '.') {
            ++count;
        }
    }
    ::closedir(folder);
    return count - 1;  // the descriptor of this listing
}

bool removeTree(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return ::unlink(path.c_str()) == 0;
    }
    const bool emptied = removeContents(fd);
    return ::rmdir(path.c_str()) == 0 && emptied;
}

}  // namespace korvane::test
