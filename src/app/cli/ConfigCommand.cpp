#include "app/cli/CliCommands.h"

#include <ostream>

namespace korvane::cli {

int runConfig(const Context& context, const Arguments&) {
    context.err << "korvane-cli: config is not built yet\n";
    return kExitFailed;
}

}  // namespace korvane::cli
