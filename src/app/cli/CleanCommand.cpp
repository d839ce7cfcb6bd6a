#include "app/cli/CliCommands.h"

#include <ostream>

namespace korvane::cli {

int runClean(const Context& context, const Arguments&) {
    context.err << "korvane-cli: clean is not built yet\n";
    return kExitFailed;
}

}  // namespace korvane::cli
