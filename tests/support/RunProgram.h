// Runs a program for a test and collects its exit status, standard output and standard error.
#pragma once

#include <string>
#include <vector>

namespace korvane::test {

struct ProgramResult {
    int exitCode = -1;  ///< the exit status, or -1 when it did not exit normally
    std::string out;
    std::string err;
};

/// Runs argv[0] with the arguments, the process's environment plus `environment` entries
/// ("NAME=value", replacing the same names), and waits for it.
ProgramResult runProgram(const std::vector<std::string>& argv,
                         const std::vector<std::string>& environment = {});

}  // namespace korvane::test
