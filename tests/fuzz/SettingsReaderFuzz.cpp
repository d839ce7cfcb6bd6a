// Fuzzes the settings file's codec: arbitrary bytes are parsed, read, changed by one write and
// one removal, written back and parsed again. Lines the change does not concern must survive.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/IniDocument.h"
#include "settings/WholeNumber.h"

namespace {

// The lines of a written text; a byte-order mark at its start is not part of the first line.
std::vector<std::string_view> splitLines(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

void check(bool condition) {
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using korvane::IniDocument;
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    const IniDocument original = IniDocument::parse(input);
    const std::string canonical = original.serialise();
    // The written text reads back as itself.
    check(IniDocument::parse(canonical).serialise() == canonical);

    for (const char* key : {"FirstRun", "ScanFor", "Drives", "Temp"}) {
        for (const char* section : {"Main", "Scan", "Settings", "Locations"}) {
            if (const auto value = original.value(section, key)) {
                check(value->size() <= IniDocument::kMaxValueLength);
                korvane::parseSettingsNumber(*value);
                korvane::parseWholeNumber(*value);
            }
        }
    }

    IniDocument changed = IniDocument::parse(canonical);
    changed.set("Fuzz", "Written", "value");
    changed.remove("Scan", "ScanFor");
    const std::string written = changed.serialise();
    const IniDocument reread = IniDocument::parse(written);
    check(reread.value("Fuzz", "Written") == std::optional<std::string>("value"));
    check(!reread.value("Scan", "ScanFor"));

    // Every line before the change is still there, in order, except the lines of the two keys
    // (and the line the write may have put in place of the old value).
    const auto before = splitLines(canonical);
    const auto after = splitLines(written);
    std::size_t next = 0;
    for (const std::string_view line : before) {
        const IniDocument single =
            IniDocument::parse(std::string("[Scan]\n[Fuzz]\n") + std::string(line));
        const IniDocument inScan = IniDocument::parse(std::string("[Scan]\n") + std::string(line));
        if (single.value("Fuzz", "Written") || inScan.value("Scan", "ScanFor"))
            continue;
        while (next < after.size() && after[next] != line)
            ++next;
        check(next < after.size());
        ++next;
    }
    return 0;
}
