// korvane-cli drives: the drive rows in list order, caption, mount point and drive type.
#include <ostream>

#include "app/cli/CliCommands.h"
#include "app/cli/ScanCommandLine.h"
#include "platform/Platform.h"
#include "platform/linux/DriveList.h"

namespace korvane::cli {

int runDrives(const Context& context, const Arguments& arguments) {
    if (!arguments.empty()) {
        context.err << "korvane-cli: drives takes no arguments\n";
        return kExitUsage;
    }
    const Platform platform = createSystemPlatform();
    std::string out;
    for (const Drive& drive : platform.volumes->drives()) {
        out += escapeText(drive.caption) + "\t" + escapeText(drive.mountPoint) + "\t" +
               driveTypeName(drive.type) + "\n";
    }
    context.out << out;
    return kExitOk;
}

}  // namespace korvane::cli
