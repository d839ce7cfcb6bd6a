// The schedule timer's logic: the next-scan text, the due test and the failure policy.
#include "schedule/ScheduleTick.h"

#include "schedule/DateTimeFormat.h"
#include "schedule/DateTimeReader.h"
#include "schedule/NextScan.h"
#include "settings/UserError.h"

namespace korvane {

std::string nextScanText(std::optional<DateTime> next, const RegionalSettings& regional) {
    if (!next)
        return {};
    return std::string(kNextScanPrefix) + fullText(*next, regional);
}

std::string computeNextScanText(SettingsAccess& settings, const RegionalSettings& regional,
                                const Clock& clock) {
    return nextScanText(ComputeNextScan(settings, regional, clock), regional);
}

DateTime nextScanMinute(std::string_view panelText, const RegionalSettings& regional,
                        int currentYear) {
    std::string_view text = panelText;
    // The text from the blank after the colon; the reader skips that blank.
    if (const std::size_t colon = text.find(": "); colon != std::string_view::npos)
        text.remove_prefix(colon + 1);
    return readDateTime(text, regional, currentYear).cutToMinute();
}

void recordTimedScan(SettingsAccess& settings, const RegionalSettings& regional,
                     const Clock& clock) {
    settings.writeText("Schedule", "LastScan", minuteText(clock.now(), regional));
}

ScheduleTick::Decision ScheduleTick::check(bool scheduleOn, std::string_view panelText,
                                           const RegionalSettings& regional, const Clock& clock) {
    if (!scheduleOn || resting_)
        return {};
    const DateTime now = clock.now();
    try {
        const DateTime next = nextScanMinute(panelText, regional, now.fields().year);
        if (now.cutToMinute() < next)
            return {Step::NotDue, {}};
        return {Step::Due, {}};
    } catch (const UserError& error) {
        resting_ = true;
        return {Step::Failed, error.what()};
    }
}

bool ScheduleTick::fail() {
    const bool report = !resting_;
    resting_ = true;
    return report;
}

}  // namespace korvane
