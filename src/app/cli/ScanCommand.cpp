#include "app/cli/CliCommands.h"

#include <ostream>

namespace korvane::cli {

int runScan(const Context& context, const Arguments&) {
    context.err << "korvane-cli: scan is not built yet\n";
    return kExitFailed;
}

}  // namespace korvane::cli
