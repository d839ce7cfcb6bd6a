// The scan options of korvane-cli and the running of the scan they ask for, shared by the
// scan and clean commands: [--timed] [--pattern P]... [DIR]...
#pragma once

#include <functional>
#include <stdexcept>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/CliCommands.h"
#include "scan/FoundFile.h"
#include "scan/ScanRun.h"

namespace korvane::cli {

/// A command line that does not parse; the message says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ScanRequest {
    bool timed = false;                    ///< --timed: honour the free-space condition
    std::vector<std::string> patterns;     ///< --pattern, in order; none: the settings' ticks
    std::vector<std::string> directories;  ///< DIR, in order; none: the settings' drives
};

/// Offered each argument the scan options do not know, with its position; returns how many
/// arguments it took (0: not an option of the command, which is then a usage error when it
/// starts with "--").
using ExtraOption = std::function<std::size_t(const Arguments& arguments, std::size_t index)>;

/// Parses the scan options; "--" ends the options. Throws UsageError.
ScanRequest parseScanOptions(const Arguments& arguments, const ExtraOption& extraOption = {});

/// Runs the scan: the settings file's scan run without directories, else one walk of each
/// directory for the patterns. Rows and status texts go to the sink. Throws UserError when
/// the settings file cannot be used.
ScanOutcome runScanRequest(const Context& context, const ScanRequest& request, ScanSink& sink,
                           std::stop_token stop = {});

/// runScanRequest keeping the rows, in list order.
std::vector<FoundFile> runScanRequest(const Context& context, const ScanRequest& request);

/// The text with control characters, backslashes and bytes that are not valid UTF-8 escaped:
/// \t \n \r \\ and \xHH.
std::string escapeText(std::string_view text);

/// Appends one output line of a row: directory, TAB, name, TAB, size text, newline, escaped.
void appendRowLine(std::string& out, const FoundFile& row);

}  // namespace korvane::cli
