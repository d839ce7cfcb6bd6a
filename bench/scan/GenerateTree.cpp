// Builds the scan benchmark's tree: a deterministic mix of folders (depth up to 8, a few of them
// hidden) and small files with mixed-case extensions, under a given folder.
//
// Usage: korvane-bench-tree FOLDER [FILES] [FOLDERS] [SEED]
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

/// splitmix64: small, fast and the same on every machine.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::size_t below(std::size_t bound) { return static_cast<std::size_t>(next() % bound); }

private:
    std::uint64_t state_;
};

struct Folder {
    std::string path;
    int depth = 0;
};

constexpr int kMaxDepth = 8;
constexpr const char* kExtensions[] = {
    "tmp", "TMP", "Tmp", "bak", "BAK",  "log", "Log", "LOG", "old", "chk", "CHK", "txt",  "TXT",
    "dat", "jpg", "JPG", "png", "html", "cpp", "h",   "o",   "pdf", "doc", "mp3", "tmpx", "ini",
};
constexpr const char* kWords[] = {"alpha", "Beta", "cache", "data", "Docs", "img",  "lib",
                                  "misc",  "Old",  "proj",  "src",  "Temp", "user", "var"};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [FILES] [FOLDERS] [SEED]\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    const std::size_t fileCount = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 400000;
    const std::size_t folderCount = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 40000;
    Random random(argc > 4 ? std::strtoull(argv[4], nullptr, 10) : 20240611);

    if (::mkdir(root.c_str(), 0755) != 0) {
        std::perror(root.c_str());
        return 1;
    }
    std::vector<Folder> folders{{root, 0}};
    std::vector<std::size_t> canHaveChildren{0};
    while (folders.size() < folderCount) {
        const Folder& parent = folders[canHaveChildren[random.below(canHaveChildren.size())]];
        const bool hidden = random.below(100) < 2;
        const std::string name = std::string(hidden ? "." : "") + kWords[random.below(14)] +
                                 std::to_string(folders.size());
        Folder child{parent.path + "/" + name, parent.depth + 1};
        if (::mkdir(child.path.c_str(), 0755) != 0) {
            std::perror(child.path.c_str());
            return 1;
        }
        if (child.depth < kMaxDepth) {
            canHaveChildren.push_back(folders.size());
        }
        folders.push_back(std::move(child));
    }
    for (std::size_t index = 0; index < fileCount; ++index) {
        const Folder& folder = folders[random.below(folders.size())];
        const std::string path = folder.path + "/f" + std::to_string(index) + "." +
                                 kExtensions[random.below(std::size(kExtensions))];
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0 || ::ftruncate(fd, static_cast<off_t>(random.below(8192))) != 0) {
            std::perror(path.c_str());
            return 1;
        }
        ::close(fd);
    }
    std::printf("%zu files in %zu folders under %s\n", fileCount, folders.size(), root.c_str());
    return 0;
}
