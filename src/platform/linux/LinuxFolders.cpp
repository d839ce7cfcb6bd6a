#include "platform/linux/LinuxFolders.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

namespace korvane {
namespace {

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string homeDirectory() {
    std::string home = environmentValue("HOME");
    return home.empty() ? std::string("/") : home;
}

// An XDG base directory: the variable when it holds an absolute path, else HOME/fallback.
std::string baseDirectory(const char* variable, const char* fallbackUnderHome) {
    std::string value = environmentValue(variable);
    if (!value.empty() && value.front() == '/') {
        return value;
    }
    return homeDirectory() + "/" + fallbackUnderHome;
}

std::string withoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

std::string withTrailingSlash(std::string path) {
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    return path;
}

}  // namespace

std::string LinuxFolders::configDirectory() const {
    return withoutTrailingSlashes(baseDirectory("XDG_CONFIG_HOME", ".config")) + "/korvane";
}

std::string LinuxFolders::settingsFile() const {
    return configDirectory() + "/KRVANE.INI";
}

std::string LinuxFolders::builtInFolder(SpecialFolder folder) const {
    switch (folder) {
        case SpecialFolder::Temp: {
            std::string temp = environmentValue("TMPDIR");
            return withTrailingSlash(temp.empty() || temp.front() != '/' ? "/tmp" : temp);
        }
        case SpecialFolder::InternetCache:
            return withTrailingSlash(baseDirectory("XDG_CACHE_HOME", ".cache"));
        case SpecialFolder::Cookies:
            return configDirectory() + "/Cookies/";
    }
    return {};
}

std::string LinuxFolders::currentDirectory() const {
    std::string buffer(4096, '\0');
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) {
            return "/";
        }
        buffer.resize(buffer.size() * 2);
    }
    buffer.resize(std::char_traits<char>::length(buffer.c_str()));
    return withTrailingSlash(buffer);
}

std::string LinuxFolders::movedFilesFolder() const {
    return withoutTrailingSlashes(homeDirectory()) + "/Korvane/Cleaned";
}

}  // namespace korvane
