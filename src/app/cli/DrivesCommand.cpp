#include "app/cli/CliCommands.h"

#include <ostream>

namespace korvane::cli {

int runDrives(const Context& context, const Arguments&) {
    context.err << "korvane-cli: drives is not built yet\n";
    return kExitFailed;
}

}  // namespace korvane::cli
