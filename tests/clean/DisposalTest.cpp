// Disposal of found rows by each option over real files: what is counted, which rows go,
// and that failures stay listed with their reasons.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stop_token>

#include "../platform/ScratchFolder.h"
#include "clean/Disposal.h"
#include "platform/linux/LinuxFileOperations.h"

namespace korvane {
namespace {

using testing::exists;

class DisposalTest : public ::testing::Test {
protected:
    // A row for a file of the given size in the scratch folder's "found" folder; the file is
    // made unless it is to be missing.
    FoundFile row(const std::string& name, std::uint64_t bytes, bool present = true) {
        if (present) {
            scratch.write("found/" + name, std::string(bytes, 'k'));
        }
        FoundFile file;
        file.directory = directory;
        file.name = name;
        file.sizeBytes = bytes;
        file.imageIndex = 1;  // the icon of the Trash; the option in hand decides, not this
        return file;
    }

    testing::ScratchFolder scratch;
    testing::ScopedEnvironment dataHome{"XDG_DATA_HOME", scratch / "data"};
    std::shared_ptr<const std::string> directory =
        std::make_shared<const std::string>(scratch / "found/");
    LinuxFileOperations files;
};

TEST_F(DisposalTest, CleanAllCountsAndRemovesOnlyTheFilesDisposedOf) {
    struct Case {
        DeleteOption option;
        std::string arrivesIn;  // where a disposed file is found afterwards, empty when gone
    };
    const Case cases[] = {
        {DeleteOption::Delete, ""},
        {DeleteOption::MoveToFolder, "cleaned/here/"},
        {DeleteOption::Trash, "data/Trash/files/"},  // last: the Trash keeps what it gets
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.option));
        std::vector<FoundFile> rows = {row("a.tmp", 3 * 1024), row("gone.tmp", 5 * 1024, false),
                                       row("b.tmp", 100), row("c.tmp", 12 * 1024)};
        std::vector<std::size_t> told;

        const DisposalResult result =
            disposeOf(cleanAllItems(rows), c.option, scratch / "cleaned/here", files, {},
                      [&](const DisposalItem& item, const Outcome&) { told.push_back(item.row); });

        EXPECT_EQ(result.kilobytesCleaned, 15u);
        EXPECT_EQ(result.statusText(), "Space Cleaned: 15k");
        EXPECT_EQ(result.disposedRows, (std::vector<std::size_t>{0, 2, 3}));
        EXPECT_EQ(told, (std::vector<std::size_t>{0, 1, 2, 3}));
        ASSERT_EQ(result.failures.size(), 1u);
        EXPECT_EQ(result.failures[0].row, 1u);
        EXPECT_EQ(result.failures[0].path, scratch / "found/gone.tmp");
        EXPECT_NE(result.failures[0].reason.find("No such file"), std::string::npos)
            << result.failures[0].reason;
        for (const char* name : {"a.tmp", "b.tmp", "c.tmp"}) {
            EXPECT_FALSE(exists(scratch / "found/" + name)) << name;
            EXPECT_EQ(exists(scratch / c.arrivesIn + name), !c.arrivesIn.empty()) << name;
        }
        EXPECT_EQ(exists(scratch / "data/Trash/files/a.tmp"), c.option == DeleteOption::Trash);

        removeDisposedRows(rows, result);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].name, "gone.tmp");
    }
}

TEST_F(DisposalTest, CleanSelectedHandlesTheSelectedRowsAndKeepsTheOthersInOrder) {
    std::vector<FoundFile> rows = {row("1.tmp", 1024), row("2.tmp", 2048), row("3.tmp", 3072),
                                   row("4.tmp", 4096), row("5.tmp", 5120)};
    // The window removes each row as the sink tells it; rows are found by their key.
    std::vector<std::size_t> listed = {0, 1, 2, 3, 4};
    const DisposalSink removeRow = [&](const DisposalItem& item, const Outcome& outcome) {
        if (outcome) {
            listed.erase(std::find(listed.begin(), listed.end(), item.row));
        }
    };

    const DisposalResult result =
        disposeOf(cleanSelectedItems(rows, {false, true, true, false, false}), DeleteOption::Delete,
                  "", files, {}, removeRow);

    EXPECT_EQ(result.statusText(), "Space Cleaned: 5k");
    EXPECT_EQ(listed, (std::vector<std::size_t>{0, 3, 4}));
    removeDisposedRows(rows, result);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].name, "1.tmp");
    EXPECT_EQ(rows[1].name, "4.tmp");
    EXPECT_EQ(rows[2].name, "5.tmp");
    for (const char* name : {"1.tmp", "4.tmp", "5.tmp"}) {
        EXPECT_TRUE(exists(scratch / "found/" + name)) << name;
    }

    // No selection, or an empty list: nothing happens and nothing is counted.
    EXPECT_TRUE(cleanSelectedItems(rows, {}).empty());
    const DisposalResult none = disposeOf({}, DeleteOption::Delete, "", files);
    EXPECT_EQ(none.statusText(), "Space Cleaned: 0k");
    EXPECT_TRUE(none.disposedRows.empty());
}

TEST_F(DisposalTest, AFolderThatCannotBeMadeLeavesEveryFileAndRow) {
    scratch.write("not-a-folder", "plain file");
    std::vector<FoundFile> rows = {row("a.tmp", 2048), row("b.tmp", 4096)};

    const DisposalResult result = disposeOf(cleanAllItems(rows), DeleteOption::MoveToFolder,
                                            scratch / "not-a-folder/sub", files);

    EXPECT_EQ(result.statusText(), "Space Cleaned: 0k");
    EXPECT_EQ(result.failures.size(), 2u);
    removeDisposedRows(rows, result);
    EXPECT_EQ(rows.size(), 2u);
    EXPECT_TRUE(exists(scratch / "found/a.tmp"));
    EXPECT_TRUE(exists(scratch / "found/b.tmp"));
}

TEST_F(DisposalTest, AStopRequestEndsTheRunBetweenFiles) {
    std::vector<FoundFile> rows = {row("a.tmp", 1024), row("b.tmp", 1024), row("c.tmp", 1024)};
    std::stop_source stop;

    const DisposalResult result =
        disposeOf(cleanAllItems(rows), DeleteOption::Delete, "", files, stop.get_token(),
                  [&](const DisposalItem&, const Outcome&) { stop.request_stop(); });

    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.disposedRows, (std::vector<std::size_t>{0}));
    EXPECT_EQ(result.kilobytesCleaned, 1u);
    EXPECT_TRUE(exists(scratch / "found/b.tmp"));
    EXPECT_TRUE(exists(scratch / "found/c.tmp"));
}

}  // namespace
}  // namespace korvane
