// The time of day of the daily schedule as the short time text of the regional settings.
#include "schedule/RegionalTimeOfDay.h"

#include "schedule/DateTimeFormat.h"
#include "schedule/DateTimeReader.h"

namespace korvane {

double RegionalTimeOfDay::read(std::string_view text) const {
    return readTime(text, regional_).days();
}

std::string RegionalTimeOfDay::format(double timeOfDay) const {
    return shortTimeText(DateTime(timeOfDay), regional_);
}

std::string RegionalTimeOfDay::presentText() const {
    return shortTimeText(clock_.now(), regional_);
}

}  // namespace korvane
