#include "app/cli/CliCommands.h"

#include <ostream>

namespace korvane::cli {

int runNextScan(const Context& context, const Arguments&) {
    context.err << "korvane-cli: next-scan is not built yet\n";
    return kExitFailed;
}

}  // namespace korvane::cli
