// Well-known folders for tests, inside a base folder.
#include "platform/fake/FakeFolders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace korvane {
namespace {

std::string withSlash(std::string path) {
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    return path;
}

void makeFolder(const std::string& path) {
    ::mkdir(path.c_str(), 0700);
}

}  // namespace

FakeFolders::FakeFolders(const std::string& baseDirectory) {
    std::string base = baseDirectory;
    while (base.size() > 1 && base.back() == '/') {
        base.pop_back();
    }
    configDirectory_ = base + "/config";
    temp_ = base + "/Temp/";
    cache_ = base + "/Temporary Internet Files/";
    cookies_ = base + "/Cookies/";
    movedFilesFolder_ = base + "/Cleaned";
    for (const std::string* folder : {&configDirectory_, &temp_, &cache_, &cookies_}) {
        makeFolder(*folder);
    }
}

void FakeFolders::setBuiltInFolder(SpecialFolder folder, std::string path) {
    path = withSlash(std::move(path));
    switch (folder) {
        case SpecialFolder::Temp:
            temp_ = std::move(path);
            break;
        case SpecialFolder::InternetCache:
            cache_ = std::move(path);
            break;
        case SpecialFolder::Cookies:
            cookies_ = std::move(path);
            break;
    }
}

void FakeFolders::setCurrentDirectory(std::string path) {
    currentDirectory_ = withSlash(std::move(path));
}

std::string FakeFolders::builtInFolder(SpecialFolder folder) const {
    switch (folder) {
        case SpecialFolder::Temp:
            return temp_;
        case SpecialFolder::InternetCache:
            return cache_;
        case SpecialFolder::Cookies:
            return cookies_;
    }
    return temp_;
}

std::string FakeFolders::currentDirectory() const {
    if (!currentDirectory_.empty()) {
        return currentDirectory_;
    }
    std::string path(4096, '\0');
    if (::getcwd(path.data(), path.size()) == nullptr) {
        return "/";
    }
    path.resize(path.find('\0'));
    return withSlash(std::move(path));
}

}  // namespace korvane
