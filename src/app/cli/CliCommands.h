// The commands of korvane-cli. Each takes the arguments after its name and returns the exit
// status: 0 success, 1 the operation failed (message on standard error), 2 a bad command line.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace korvane::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct Context {
    std::string settingsFile;  ///< the settings file to use: --settings, else the program's own
    std::ostream& out;
    std::ostream& err;
};

using Arguments = std::vector<std::string>;

int runNextScan(const Context& context, const Arguments& arguments);
int runConfig(const Context& context, const Arguments& arguments);
int runScan(const Context& context, const Arguments& arguments);
int runClean(const Context& context, const Arguments& arguments);
int runDrives(const Context& context, const Arguments& arguments);

}  // namespace korvane::cli
