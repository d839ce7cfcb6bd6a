// korvane-cli drives, run as a child process: one line per drive row, in the list's order.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/linux/LinuxVolumes.h"
#include "support/RunProgram.h"

namespace korvane {
namespace {

test::ProgramResult runCli(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), KORVANE_CLI_PATH);
    return test::runProgram(arguments);
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
    const test::ProgramResult run = runCli({"drives"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
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
    const test::ProgramResult run = runCli({"drives", "extra"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("no arguments"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace korvane
