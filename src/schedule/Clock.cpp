// The system clock in local time.
#include "schedule/Clock.h"

#include <time.h>

namespace korvane {

DateTime SystemClock::now() const {
    timespec instant{};
    clock_gettime(CLOCK_REALTIME, &instant);
    tm local{};
    localtime_r(&instant.tv_sec, &local);
    const DateTime date = makeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    // A leap second (tm_sec 60) is shown as the last second of its minute.
    const int second = local.tm_sec > 59 ? 59 : local.tm_sec;
    const std::int64_t milliseconds =
        ((static_cast<std::int64_t>(local.tm_hour) * 60 + local.tm_min) * 60 + second) * 1000 +
        instant.tv_nsec / 1'000'000;
    return DateTime::fromMilliseconds(date.milliseconds() + milliseconds);
}

}  // namespace korvane
