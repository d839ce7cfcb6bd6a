// korvane-cli: the companion command-line program over the same core as the window program.
#include <iostream>
#include <string>
#include <string_view>

#include "app/cli/CliCommands.h"
#include "platform/linux/LinuxFolders.h"

namespace {

constexpr std::string_view kUsage =
    "Usage: korvane-cli [--settings FILE] COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  next-scan                     compute the next scan time and print \"Next Scan: ...\"\n"
    "  config get SECTION KEY [--default TEXT]\n"
    "  config get-int SECTION KEY [--default N]\n"
    "  config set SECTION KEY VALUE\n"
    "  config remove SECTION KEY\n"
    "  scan [--timed] [--pattern P]... [DIR]...\n"
    "  clean [--dry-run] [--folder F] [--timed] [--pattern P]... [DIR]...\n"
    "  drives                        list the drive rows: caption, mount point, type\n"
    "\n"
    "Without --settings the program's own settings file is used.\n"
    "Output of scan: one line per found file, DIRECTORY<TAB>NAME<TAB>SIZE, then the total.\n"
    "Bytes that are control characters, a backslash or not valid UTF-8 are printed escaped:\n"
    "\\t \\n \\r \\\\ and \\xHH for any other such byte.\n"
    "\n"
    "Exit status: 0 success, 1 the operation failed, 2 a bad command line.\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace korvane::cli;
    Arguments arguments(argv + 1, argv + argc);
    std::string settingsFile;

    std::size_t index = 0;
    while (index < arguments.size() && arguments[index].starts_with("--")) {
        const std::string& option = arguments[index];
        if (option == "--help") {
            std::cout << kUsage;
            return kExitOk;
        }
        if (option == "--settings" && index + 1 < arguments.size()) {
            settingsFile = arguments[index + 1];
            index += 2;
            continue;
        }
        std::cerr << "korvane-cli: unknown option " << option << "\n" << kUsage;
        return kExitUsage;
    }
    if (index == arguments.size()) {
        std::cerr << kUsage;
        return kExitUsage;
    }
    if (settingsFile.empty()) {
        settingsFile = korvane::LinuxFolders().settingsFile();
    }

    const std::string command = arguments[index];
    const Arguments rest(arguments.begin() + static_cast<std::ptrdiff_t>(index) + 1,
                         arguments.end());
    const Context context{settingsFile, std::cout, std::cerr};
    if (command == "next-scan")
        return runNextScan(context, rest);
    if (command == "config")
        return runConfig(context, rest);
    if (command == "scan")
        return runScan(context, rest);
    if (command == "clean")
        return runClean(context, rest);
    if (command == "drives")
        return runDrives(context, rest);

    std::cerr << "korvane-cli: unknown command " << command << "\n" << kUsage;
    return kExitUsage;
}
