#include "platform/linux/LinuxFileOperations.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/linux/LinuxPaths.h"
#include "platform/linux/UniqueFd.h"

namespace korvane {
namespace {

std::string withoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

bool copyContents(int from, int to) {
    // copy_file_range lets the kernel copy without a trip through user space; older kernels and
    // some pairs of filesystems refuse it across filesystems, so plain reads and writes remain.
    bool kernelCopy = true;
    std::vector<char> buffer;
    for (;;) {
        if (kernelCopy) {
            const ssize_t copied = copy_file_range(from, nullptr, to, nullptr, 1 << 30, 0);
            if (copied > 0) {
                continue;
            }
            if (copied == 0) {
                return true;
            }
            if (errno == EINTR) {
                continue;
            }
            if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP) {
                return false;
            }
            kernelCopy = false;
            buffer.resize(1 << 17);
        }
        const ssize_t count = read(from, buffer.data(), buffer.size());
        if (count == 0) {
            return true;
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        for (ssize_t written = 0; written < count;) {
            const ssize_t step =
                write(to, buffer.data() + written, static_cast<std::size_t>(count - written));
            if (step < 0 && errno != EINTR) {
                return false;
            }
            written += step > 0 ? step : 0;
        }
    }
}

// A move to another filesystem: a copy under a temporary name in the target folder, made
// durable and renamed over the target, and only then the source removed.
Outcome moveAcross(const std::string& source, const struct stat& status, const std::string& folder,
                   const std::string& target) {
    const std::string context = "Cannot move " + source + " into " + folder + ": ";
    if (!S_ISREG(status.st_mode)) {
        return Outcome::failure(context + "only regular files can be moved to another drive");
    }
    // Removing the source needs a writable folder; refusing first leaves no copy behind.
    if (access(parentOf(source).c_str(), W_OK | X_OK) != 0) {
        return Outcome::failure(
            context + "the file cannot be removed from its folder: " + systemError(errno));
    }
    UniqueFd input(open(source.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!input.valid()) {
        return Outcome::failure(context + systemError(errno));
    }
    std::string temporary = folder + "/.korvane-XXXXXX";
    UniqueFd output(mkostemp(temporary.data(), O_CLOEXEC));
    if (!output.valid()) {
        return Outcome::failure(context +
                                "no temporary file can be made there: " + systemError(errno));
    }
    auto fail = [&](const std::string& what) {
        const int error = errno;
        output.reset();
        unlink(temporary.c_str());
        return Outcome::failure(context + what + systemError(error));
    };
    if (!copyContents(input.get(), output.get())) {
        return fail("copying failed: ");
    }
    // Owner and times as far as we may set them; the mode always.
    if (fchown(output.get(), status.st_uid, status.st_gid) != 0) {
        // An unprivileged user keeps the copy as their own, as any copy would be.
    }
    const struct timespec times[2] = {status.st_atim, status.st_mtim};
    futimens(output.get(), times);
    if (fchmod(output.get(), status.st_mode & 07777) != 0) {
        return fail("the copy's permissions cannot be set: ");
    }
    if (fsync(output.get()) != 0) {
        return fail("the copy cannot be written out: ");
    }
    if (close(output.release()) != 0) {
        return fail("the copy cannot be written out: ");
    }
    if (rename(temporary.c_str(), target.c_str()) != 0) {
        return fail("the copy cannot be put in place: ");
    }
    UniqueFd targetFolder(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (targetFolder.valid()) {
        fsync(targetFolder.get());
    }
    if (unlink(source.c_str()) != 0) {
        return Outcome::failure("Copied " + source + " to " + target +
                                ", but the original cannot be removed: " + systemError(errno));
    }
    return Outcome::success();
}

}  // namespace

Outcome LinuxFileOperations::deleteFile(const std::string& path) {
    // unlink never removes a folder and removes a link itself, never what it points to.
    if (unlink(path.c_str()) != 0) {
        return Outcome::failure("Cannot delete " + path + ": " + systemError(errno));
    }
    return Outcome::success();
}

Outcome LinuxFileOperations::moveToTrash(const std::string& path) {
    return trash_.moveToTrash(path);
}

Outcome LinuxFileOperations::moveIntoFolder(const std::string& path, const std::string& folder) {
    if (folder.empty()) {
        return Outcome::failure("Cannot move " + path + ": no folder is chosen");
    }
    const std::string context = "Cannot move " + path + " into " + folder + ": ";
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0) {
        return Outcome::failure(context + systemError(errno));
    }
    if (S_ISDIR(status.st_mode)) {
        return Outcome::failure(context + "it is a folder");
    }
    const std::string targetFolder = withoutTrailingSlashes(folder);
    if (const int error = makeFolders(targetFolder, 0777); error != 0) {
        return Outcome::failure(context + "the folder cannot be created: " + systemError(error));
    }
    const std::string name = nameOf(path);
    const std::string target = (targetFolder == "/" ? "" : targetFolder) + "/" + name;
    struct stat existing {};
    if (lstat(target.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)) {
        return Outcome::failure(context + "a folder named " + name + " is already there");
    }
    if (rename(path.c_str(), target.c_str()) == 0) {
        return Outcome::success();
    }
    if (errno != EXDEV) {
        return Outcome::failure(context + systemError(errno));
    }
    return moveAcross(path, status, targetFolder, target);
}

}  // namespace korvane
