#include "platform/linux/LinuxPaths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace korvane {

std::string systemError(int error) {
    char buffer[256];
    // The GNU strerror_r returns the text, which need not be in the buffer.
    return strerror_r(error, buffer, sizeof buffer);
}

std::string parentOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    return path.substr(path.find_last_of('/') + 1);
}

std::string realLocation(const std::string& path) {
    std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr),
                                                         &std::free);
    return resolved ? std::string(resolved.get()) : std::string();
}

std::string currentDirectory() {
    std::unique_ptr<char, decltype(&std::free)> current(getcwd(nullptr, 0), &std::free);
    return current ? std::string(current.get()) : std::string("/");
}

int makeFolders(const std::string& path, mode_t mode) {
    struct stat status {};
    if (stat(path.c_str(), &status) == 0) {
        return S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
    }
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string prefix = path.substr(0, slash);
        if (!prefix.empty() && mkdir(prefix.c_str(), mode) != 0 && errno != EEXIST) {
            return errno;
        }
        if (slash == std::string::npos) {
            break;
        }
    }
    if (stat(path.c_str(), &status) != 0) {
        return errno;
    }
    return S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
}

}  // namespace korvane
