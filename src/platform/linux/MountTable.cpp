#include "platform/linux/MountTable.h"

#include <sys/sysmacros.h>

#include <charconv>
#include <fstream>
#include <sstream>

namespace korvane {
namespace {

bool isOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start < line.size()) {
        const std::size_t end = line.find(' ', start);
        const std::size_t stop = end == std::string_view::npos ? line.size() : end;
        if (stop > start) {
            fields.push_back(line.substr(start, stop - start));
        }
        start = stop + 1;
    }
    return fields;
}

bool parseDevice(std::string_view text, dev_t& device) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        return false;
    }
    unsigned int major = 0;
    unsigned int minor = 0;
    const char* end = text.data() + text.size();
    auto [afterMajor, majorError] = std::from_chars(text.data(), text.data() + colon, major);
    auto [afterMinor, minorError] = std::from_chars(text.data() + colon + 1, end, minor);
    if (majorError != std::errc() || minorError != std::errc() ||
        afterMajor != text.data() + colon || afterMinor != end) {
        return false;
    }
    device = makedev(major, minor);
    return true;
}

// Fields: id, parent id, major:minor, root, mount point, options, optional fields..., "-",
// filesystem type, source, super-block options.
bool parseLine(std::string_view line, MountEntry& entry) {
    const std::vector<std::string_view> fields = splitFields(line);
    if (fields.size() < 7) {
        return false;
    }
    std::size_t separator = 6;
    while (separator < fields.size() && fields[separator] != "-") {
        ++separator;
    }
    if (separator + 1 >= fields.size()) {
        return false;
    }
    if (!parseDevice(fields[2], entry.device)) {
        return false;
    }
    entry.root = unescapeMountField(fields[3]);
    entry.mountPoint = unescapeMountField(fields[4]);
    entry.fsType = unescapeMountField(fields[separator + 1]);
    entry.source =
        separator + 2 < fields.size() ? unescapeMountField(fields[separator + 2]) : std::string();
    return !entry.mountPoint.empty() && entry.mountPoint.front() == '/';
}

}  // namespace

std::string unescapeMountField(std::string_view field) {
    std::string text;
    text.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctalDigit(field[i + 1]) &&
            isOctalDigit(field[i + 2]) && isOctalDigit(field[i + 3])) {
            const int value =
                (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
            text += static_cast<char>(value);
            i += 3;
        } else {
            text += field[i];
        }
    }
    return text;
}

std::vector<MountEntry> parseMountInfo(std::string_view text) {
    std::vector<MountEntry> entries;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        MountEntry entry;
        if (parseLine(text.substr(start, end - start), entry)) {
            entries.push_back(std::move(entry));
        }
        start = end + 1;
    }
    return entries;
}

std::vector<MountEntry> readMountTable() {
    std::ifstream file("/proc/self/mountinfo");
    if (!file) {
        return {};
    }
    std::ostringstream text;
    text << file.rdbuf();
    return parseMountInfo(text.str());
}

}  // namespace korvane
