// An error whose text is meant for the user: the window shows it in the application's error box
// (title "Korvane"), the command-line program on standard error.
#pragma once

#include <stdexcept>
#include <string>

namespace korvane {

class UserError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace korvane
