// The result of a file operation: success, or a failure with a reason the user can read.
#pragma once

#include <string>
#include <utility>

namespace korvane {

class Outcome {
public:
    static Outcome success() { return Outcome(true, {}); }
    static Outcome failure(std::string reason) { return Outcome(false, std::move(reason)); }

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    /// Why the operation failed; empty on success.
    const std::string& reason() const { return reason_; }

private:
    Outcome(bool ok, std::string reason) : ok_(ok), reason_(std::move(reason)) {}

    bool ok_;
    std::string reason_;
};

}  // namespace korvane
