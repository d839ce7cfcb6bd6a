// korvane-bench-clean: lists the regular files of a folder as found rows and disposes of them
// all through the disposal operation, as "Clean All" does; the benchmark script times it.
// Usage: korvane-bench-clean delete|trash|move FOLDER [TARGET-FOLDER]
#include <dirent.h>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "clean/Disposal.h"
#include "platform/Platform.h"

namespace {

std::vector<korvane::FoundFile> listFiles(const std::string& folder) {
    std::vector<korvane::FoundFile> rows;
    auto directory = std::make_shared<const std::string>(folder + "/");
    DIR* listing = opendir(folder.c_str());
    if (listing == nullptr) {
        return rows;
    }
    while (const dirent* entry = readdir(listing)) {
        if (entry->d_type == DT_REG) {
            korvane::FoundFile row;
            row.directory = directory;
            row.name = entry->d_name;
            rows.push_back(std::move(row));
        }
    }
    closedir(listing);
    return rows;
}

}  // namespace

int main(int argc, char** argv) {
    using korvane::DeleteOption;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() < 2) {
        std::cerr << "Usage: korvane-bench-clean delete|trash|move FOLDER [TARGET-FOLDER]\n";
        return 2;
    }
    DeleteOption option = DeleteOption::Delete;
    if (arguments[0] == "trash") {
        option = DeleteOption::Trash;
    } else if (arguments[0] == "move" && arguments.size() == 3) {
        option = DeleteOption::MoveToFolder;
    } else if (arguments[0] != "delete") {
        std::cerr << "korvane-bench-clean: unknown disposal " << arguments[0] << "\n";
        return 2;
    }
    const std::string target = arguments.size() == 3 ? arguments[2] : std::string();

    const korvane::Platform platform = korvane::createSystemPlatform();
    const std::vector<korvane::FoundFile> rows = listFiles(arguments[1]);
    const korvane::DisposalResult result =
        korvane::disposeOf(korvane::cleanAllItems(rows), option, target, *platform.files);
    for (const korvane::DisposalFailure& failure : result.failures) {
        std::cerr << failure.reason << "\n";
    }
    std::cout << result.disposedRows.size() << " of " << rows.size() << " files disposed of\n";
    return result.failures.empty() ? 0 : 1;
}
