// korvane-cli config, run as a program on a temporary settings file: output, exit status and
// the file afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "support/FileText.h"
#include "support/RunProgram.h"

namespace {

namespace fs = std::filesystem;

class ConfigCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "korvane-config-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        file_ = folder_ / "krvane.ini";
    }
    void TearDown() override { fs::remove_all(folder_); }

    korvane::test::ProgramResult config(std::vector<std::string> arguments, const fs::path& file) {
        arguments.insert(arguments.begin(),
                         {KORVANE_CLI_PATH, "--settings", file.string(), "config"});
        return korvane::test::runProgram(arguments);
    }

    fs::path folder_;
    fs::path file_;
};

constexpr const char* kStored = "; mine\n[Main]\nFirstRun=0\n\n[Schedule]\nSpaceToCheck=0x10\n";

struct ConfigCase {
    std::vector<std::string> arguments;
    int status;
    std::string out;
    std::string errContains;
    std::optional<std::string> fileAfter;  // the file unchanged when not given
};

const ConfigCase kConfigCases[] = {
    {{"get", "Main", "FirstRun"}, 0, "0\n", "", {}},
    {{"get", "main", "FIRSTRUN"}, 0, "0\n", "", {}},
    {{"get", "Main", "Absent"}, 0, "\n", "", {}},
    {{"get", "Main", "Absent", "--default", "a b"}, 0, "a b\n", "", {}},
    {{"get", "--default", "x", "Main", "FirstRun"}, 0, "0\n", "", {}},
    {{"get-int", "Schedule", "SpaceToCheck"}, 0, "16\n", "", {}},
    {{"get-int", "Main", "Absent"}, 0, "0\n", "", {}},
    {{"get-int", "Main", "Absent", "--default", "-5"}, 0, "-5\n", "", {}},
    {{"set", "Main", "Path", "/tmp/a b=c"},
     0,
     "",
     "",
     "; mine\n[Main]\nFirstRun=0\nPath=/tmp/a b=c\n\n[Schedule]\nSpaceToCheck=0x10\n"},
    {{"set", "New", "K", ""},
     0,
     "",
     "",
     "; mine\n[Main]\nFirstRun=0\n\n[Schedule]\nSpaceToCheck=0x10\n\n[New]\nK=\n"},
    {{"remove", "schedule", "spacetocheck"},
     0,
     "",
     "",
     "; mine\n[Main]\nFirstRun=0\n\n[Schedule]\n"},
    {{"remove", "Main", "Absent"}, 0, "", "", {}},
    {{"set", "Main", "K=J", "v"}, 1, "", "Unable to write to KRVANE.INI", {}},
    {{"set", "Main", "K", "a\n[Other]"}, 1, "", "Unable to write to KRVANE.INI", {}},
    {{}, 2, "", "Usage:", {}},
    {{"fetch", "Main", "K"}, 2, "", "Usage:", {}},
    {{"get", "Main"}, 2, "", "Usage:", {}},
    {{"get", "Main", "K", "extra"}, 2, "", "Usage:", {}},
    {{"get", "Main", "K", "--default"}, 2, "", "Usage:", {}},
    {{"get-int", "Main", "K", "--default", "ten"}, 2, "", "Usage:", {}},
    {{"set", "Main", "K"}, 2, "", "Usage:", {}},
    {{"remove", "Main"}, 2, "", "Usage:", {}},
};

TEST_F(ConfigCommandTest, ReadsWritesAndRemovesKeys) {
    for (const ConfigCase& item : kConfigCases) {
        std::string trace = "config";
        for (const std::string& argument : item.arguments)
            trace += " '" + argument + "'";
        SCOPED_TRACE(trace);
        std::ofstream(file_, std::ios::binary) << kStored;
        const korvane::test::ProgramResult run = config(item.arguments, file_);
        EXPECT_EQ(run.exitCode, item.status);
        EXPECT_EQ(run.out, item.out);
        EXPECT_NE(run.err.find(item.errContains), std::string::npos) << run.err;
        EXPECT_EQ(korvane::test::readFileText(file_), item.fileAfter.value_or(kStored));
    }
}

TEST_F(ConfigCommandTest, MissingFileAndFailedWrites) {
    const fs::path missing = folder_ / "new" / "krvane.ini";
    EXPECT_EQ(config({"get", "Main", "K", "--default", "d"}, missing).out, "d\n");
    EXPECT_FALSE(fs::exists(missing.parent_path()));
    EXPECT_EQ(config({"set", "Main", "K", "v"}, missing).exitCode, 0);
    EXPECT_EQ(korvane::test::readFileText(missing), "[Main]\nK=v\n");

    // A regular file where the folder should be: the write cannot be done.
    std::ofstream(folder_ / "plain") << "x";
    const korvane::test::ProgramResult run =
        config({"set", "Main", "K", "v"}, folder_ / "plain" / "krvane.ini");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "korvane-cli: Unable to write to KRVANE.INI\n");
    EXPECT_EQ(korvane::test::readFileText(folder_ / "plain"), "x");
}

}  // namespace
