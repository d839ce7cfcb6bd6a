// One found-files row: a file a scan found, with its folder, name, size and icon.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace korvane {

struct FoundFile {
    /// The file's folder, ending in '/'; the rows of one folder share one string.
    std::shared_ptr<const std::string> directory;
    /// The file's name as the folder lists it.
    std::string name;
    /// The file's size in bytes.
    std::uint64_t sizeBytes = 0;
    /// The disposal option selected when the row was added: 0 delete, 1 Trash, 2 move.
    int imageIndex = 0;

    std::string path() const { return *directory + name; }

    /// The size in whole kilobytes, an exact half going to the even neighbour.
    std::uint64_t kilobytes() const {
        const std::uint64_t whole = sizeBytes / 1024;
        const std::uint64_t rest = sizeBytes % 1024;
        if (rest > 512 || (rest == 512 && whole % 2 == 1)) {
            return whole + 1;
        }
        return whole;
    }

    /// The row's size text: the kilobytes directly followed by "k".
    std::string sizeText() const { return std::to_string(kilobytes()) + "k"; }
};

}  // namespace korvane
