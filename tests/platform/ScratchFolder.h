// A temporary folder for a test, removed with its contents at the end; helpers to make and
// read small files in it, and to mount a small memory filesystem where the test may.
#pragma once

#include <sys/mount.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace korvane::testing {

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "korvane-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~ScratchFolder() {
        if (!mounted_.empty()) {
            umount2(mounted_.c_str(), MNT_DETACH);
        }
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

    /// Writes a file (creating its folders) and returns its path.
    std::string write(const std::string& relative, const std::string& contents = "x") const {
        const std::string file = *this / relative;
        std::filesystem::create_directories(std::filesystem::path(file).parent_path());
        std::ofstream(file, std::ios::binary) << contents;
        return file;
    }

    /// Mounts a 4 MB memory filesystem on a new folder; empty when mounting is not allowed.
    std::string mountSmallVolume(const std::string& relative) {
        const std::string point = *this / relative;
        std::filesystem::create_directories(point);
        if (!mounted_.empty() || mount("tmpfs", point.c_str(), "tmpfs", 0, "size=4m") != 0) {
            return {};
        }
        mounted_ = point;
        return point;
    }

private:
    std::string path_;
    std::string mounted_;
};

inline std::string readFile(const std::string& path) {
    std::ifstream input(path, std::ios::binary);
    std::ostringstream text;
    text << input.rdbuf();
    return text.str();
}

inline bool exists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ignored));
}

/// Sets an environment variable for the scope and puts the old value back afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
            hadOld_ = true;
        }
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        if (hadOld_) {
            setenv(name_, old_.c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    std::string old_;
    bool hadOld_ = false;
};

}  // namespace korvane::testing
