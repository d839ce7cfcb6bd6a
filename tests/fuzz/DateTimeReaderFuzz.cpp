// libFuzzer target: the date-time reader must end on any bytes, with a value or a UserError,
// under month-first and day-first settings alike; a value it reads must format again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "schedule/DateTimeFormat.h"
#include "schedule/DateTimeReader.h"
#include "settings/UserError.h"

namespace {

korvane::RegionalSettings dayFirst() {
    korvane::RegionalSettings settings;
    settings.dateSeparator = '.';
    settings.shortDatePattern = "dd/mm/yyyy";
    settings.twelveHourClock = false;
    settings.amDesignator = "";
    settings.pmDesignator = "";
    return settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const korvane::RegionalSettings settingsList[] = {korvane::RegionalSettings{},
                                                             dayFirst()};
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const korvane::RegionalSettings& settings : settingsList) {
        try {
            const korvane::DateTime value = korvane::readDateTime(text, settings, 2025);
            (void)korvane::fullText(value, settings);
        } catch (const korvane::UserError&) {
        }
        try {
            (void)korvane::readDate(text, settings, 2025);
        } catch (const korvane::UserError&) {
        }
        try {
            (void)korvane::readTime(text, settings);
        } catch (const korvane::UserError&) {
        }
    }
    return 0;
}
