// The present moment, behind an interface so that callers can pin it.
#pragma once

#include "schedule/DateTime.h"

namespace korvane {

class Clock {
public:
    virtual ~Clock() = default;

    /// The present local date and time.
    virtual DateTime now() const = 0;
};

/// The system clock in local time, read afresh at every call.
class SystemClock final : public Clock {
public:
    DateTime now() const override;
};

/// A clock that shows whatever moment it was last set to.
class FixedClock final : public Clock {
public:
    explicit FixedClock(DateTime moment) : moment_(moment) {}

    DateTime now() const override { return moment_; }
    void set(DateTime moment) { moment_ = moment; }

private:
    DateTime moment_;
};

}  // namespace korvane
