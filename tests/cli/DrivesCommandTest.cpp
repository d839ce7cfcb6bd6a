// korvane-cli drives, run as a child process: one line per drive row, in the list's order.
#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/wait.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/linux/LinuxVolumes.h"

namespace korvane {
namespace {

struct ChildRun {
    int status = -1;
    std::string out;
};

ChildRun runCli(const std::string& arguments) {
    ChildRun result;
    const std::string command = "'" + std::string(KORVANE_CLI_PATH) + "' " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot start " << command;
        return result;
    }
    char buffer[256];
    std::size_t count = 0;
    while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.out.append(buffer, count);
    }
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream input(text);
    std::string part;
    while (std::getline(input, part, separator)) {
        parts.push_back(part);
    }
    return parts;
}

TEST(DrivesCommandTest, ListsEachDriveRowWithItsMountPointAndType) {
    const ChildRun run = runCli("drives");
    ASSERT_EQ(run.status, 0) << run.out;
    const std::vector<Drive> drives = LinuxVolumes().drives();
    const std::vector<std::string> lines = split(run.out, '\n');
    ASSERT_EQ(lines.size(), drives.size()) << run.out;

    const std::set<std::string> types = {"fixed", "removable", "remote", "cdrom", "ramdisk"};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i]);
        const std::vector<std::string> fields = split(lines[i], '\t');
        ASSERT_EQ(fields.size(), 3u);
        EXPECT_EQ(fields[0], drives[i].caption);
        EXPECT_EQ(fields[1], drives[i].mountPoint);
        EXPECT_TRUE(types.contains(fields[2]));
    }
    EXPECT_TRUE(lines.front().starts_with("c:"));
    EXPECT_EQ(split(lines.front(), '\t')[1], "/");
}

TEST(DrivesCommandTest, RefusesArguments) {
    const ChildRun run = runCli("drives extra");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find("no arguments"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace korvane
