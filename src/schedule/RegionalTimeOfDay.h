// The time of day of the daily schedule as the short time text of the regional settings: what
// the options record's load and save use for [Schedule] DayParameter.
#pragma once

#include "schedule/Clock.h"
#include "schedule/RegionalSettings.h"
#include "settings/Options.h"

namespace korvane {

class RegionalTimeOfDay final : public TimeOfDayText {
public:
    /// Both are kept by reference and must outlive this object.
    RegionalTimeOfDay(const RegionalSettings& regional, const Clock& clock)
        : regional_(regional), clock_(clock) {}

    double read(std::string_view text) const override;
    std::string format(double timeOfDay) const override;
    std::string presentText() const override;

private:
    const RegionalSettings& regional_;
    const Clock& clock_;
};

}  // namespace korvane
