// The scan run over the fake platform: the selection rule, rows and their order, status texts,
// sizes and totals, [Locations] values and stopping.
#include <gtest/gtest.h>

#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "platform/fake/FakePlatform.h"
#include "scan/FileFinder.h"
#include "scan/ScanRun.h"
#include "support/TempTree.h"

namespace korvane {
namespace {

using test::TempTree;

constexpr std::uint64_t kMegabyte = 1024 * 1024;

/// Records statuses and rows as one stream of events.
class RecordingSink : public ScanSink {
public:
    void status(const std::string& text) override {
        events.push_back("status " + text);
        if (onStatus) {
            onStatus(text);
        }
    }
    void rowsFound(std::vector<FoundFile>&& batch) override {
        for (FoundFile& row : batch) {
            events.push_back("row " + row.path() + " " + row.sizeText());
            rows.push_back(std::move(row));
        }
    }

    std::vector<std::string> events;
    std::vector<FoundFile> rows;
    std::function<void(const std::string&)> onStatus;
};

/// The row events one walk of a folder for one pattern gives.
std::vector<std::string> rowEvents(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> events;
    FindFiles(folder, pattern, [&](const std::string& directory, const SearchRecord& record) {
        FoundFile row{nullptr, std::string(record.name), record.size, 0};
        events.push_back("row " + directory + row.name + " " + row.sizeText());
        return true;
    });
    return events;
}

class ScanRunTest : public testing::Test {
protected:
    ScanRunTest() : fake(makeFakePlatform(tree.root())) {
        // Drive e holds the configuration folder; c and d are the searched drives.
        fake.volumes->addDrive('c', tree.folder("c"), 500 * kMegabyte, "c: [system]");
        fake.volumes->addDrive('d', tree.folder("d"), 500 * kMegabyte, "d: [data]");
        fake.volumes->addDrive('e', tree.root(), 500 * kMegabyte, "e: [home]");
        choices.drives = {{"c: [system]", true}, {"d: [data]", false}};
        choices.patterns = {{"*.tmp", true}};
        choices.specialFolders = {false, false, false};
    }

    ScanOutcome run(std::stop_token stop = {}) {
        return RunScan(choices, *fake.volumes, *fake.folders, sink, stop);
    }

    TempTree tree;
    FakePlatform fake;
    ScanChoices choices;
    RecordingSink sink;
};

TEST_F(ScanRunTest, SelectionRuleForDrives) {
    tree.file("c/a.tmp");
    struct Case {
        const char* what;
        bool ticked;
        bool timed;
        bool onlyScan;
        std::optional<std::uint64_t> freeBytes;
        const char* threshold;
        bool searched;
    };
    const Case cases[] = {
        {"unticked", false, false, false, 1, " 100", false},
        {"manual ignores the free space", true, false, true, 900 * kMegabyte, " 100", true},
        {"timed without the condition", true, true, false, 900 * kMegabyte, " 100", true},
        {"exactly at the threshold", true, true, true, 100 * kMegabyte, " 100", true},
        {"under a kilobyte more", true, true, true, 100 * kMegabyte + 1023, "100 ", true},
        {"a kilobyte more", true, true, true, 100 * kMegabyte + 1024, " 100", false},
        {"free space unreadable", true, true, true, std::nullopt, " 100", true},
        {"threshold not a number reads as 100", true, true, true, 100 * kMegabyte, "x", true},
        {"threshold not a number, over 100", true, true, true, 101 * kMegabyte, "", false},
        {"other threshold", true, true, true, 101 * kMegabyte, "  200  ", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        choices.drives = {{"c: [system]", c.ticked}};
        choices.timed = c.timed;
        choices.onlyScanLowSpace = c.onlyScan;
        choices.thresholdText = c.threshold;
        fake.volumes->setFreeBytes('c', c.freeBytes);
        sink.rows.clear();
        const ScanOutcome outcome = run();
        EXPECT_EQ(sink.rows.size(), c.searched ? 1u : 0u);
        EXPECT_EQ(outcome.rowCount, sink.rows.size());
        EXPECT_FALSE(outcome.stopped);
    }
}

TEST_F(ScanRunTest, SpecialFoldersFollowTheFreeSpaceOfTheConfigurationDrive) {
    tree.file("Temp/t.dat");
    tree.file("d/elsewhere/c.dat");
    choices.drives.clear();
    choices.specialFolders = {true, false, true};
    choices.locations = {"Default", "Default", tree.path("d/elsewhere")};
    choices.timed = true;
    choices.onlyScanLowSpace = true;

    fake.volumes->setFreeBytes('d', 1);  // the drive a [Locations] value points to: low
    run();
    EXPECT_TRUE(sink.rows.empty());

    fake.volumes->setFreeBytes('e', 1);
    fake.volumes->setFreeBytes('d', 900 * kMegabyte);
    run();
    ASSERT_EQ(sink.rows.size(), 2u);
    EXPECT_EQ(sink.rows[0].path(), tree.path("Temp/t.dat"));
    EXPECT_EQ(sink.rows[1].path(), tree.path("d/elsewhere/c.dat"));
}

TEST_F(ScanRunTest, RowsComeAsOneWalkPerPatternWouldGiveThem) {
    for (const char* name : {"c/s0.tmp", "c/sub/s1.tmp", "c/sub/deep/s2.TMP", "c/b.bak",
                             "c/sub/b2.bak", "c/n.log", "d/d.tmp"}) {
        tree.file(name, 700);
    }
    tree.file("Temp/t1");
    tree.file("Temp/.hidden");
    tree.file("Temp/.hiddenDir/not-entered");
    tree.file("Cookies/k.txt");
    tree.file("mycache/m.bin");
    choices.drives = {{"c: [system]", true}, {"x: [missing]", true}, {"d: [data]", true}};
    choices.patterns = {{"*.tmp", true}, {"*.log", false}, {"*.bak", true}, {"s*", true}};
    choices.specialFolders = {true, true, true};
    choices.locations = {"Default", tree.path("mycache"), "Default"};
    choices.imageIndex = 2;

    const ScanOutcome outcome = run();

    const std::string c = tree.path("c"), d = tree.path("d");
    std::vector<std::string> expected;
    const auto add = [&](const std::string& status, std::vector<std::string> rows) {
        expected.push_back("status " + status);
        expected.insert(expected.end(), rows.begin(), rows.end());
    };
    add("Scanning: *.tmp", rowEvents(c, "*.tmp"));
    add("Scanning: *.bak", rowEvents(c, "*.bak"));
    add("Scanning: s*", rowEvents(c, "s*"));
    add("Scanning: *.tmp", rowEvents(d, "*.tmp"));
    add("Scanning: *.bak", {});
    add("Scanning: s*", {});
    add("Scanning: Temp", rowEvents(tree.path("Temp"), "*.*"));
    add("Scanning: Cache", rowEvents(tree.path("mycache"), "*.*"));
    add("Scanning: Cookies", rowEvents(tree.path("Cookies"), "*.*"));
    // Three *.tmp, two *.bak, three s* (found twice) and one on d, 1k each; the folders' 0k.
    expected.push_back("status Total Files: 9k");
    EXPECT_EQ(sink.events, expected);
    EXPECT_EQ(outcome.totalKilobytes, 9u);
    EXPECT_EQ(outcome.rowCount, 13u);
    EXPECT_EQ(sink.rows.size(), 13u);
    for (const FoundFile& row : sink.rows) {
        EXPECT_EQ(row.imageIndex, 2);
    }
    // The rows of one folder share their directory text, whichever pattern found them.
    std::vector<const std::string*> rootOfC;
    for (const FoundFile& row : sink.rows) {
        if (*row.directory == c + "/") {
            rootOfC.push_back(row.directory.get());
        }
    }
    ASSERT_EQ(rootOfC.size(), 3u);  // s0.tmp twice and b.bak
    EXPECT_EQ(rootOfC[0], rootOfC[1]);
    EXPECT_EQ(rootOfC[0], rootOfC[2]);
}

TEST_F(ScanRunTest, SizeTextsAndTotals) {
    const std::pair<std::uint64_t, const char*> sizes[] = {
        {0, "0k"}, {512, "0k"}, {513, "1k"}, {1536, "2k"}, {2560, "2k"}, {3584, "4k"}};
    for (const auto& [bytes, text] : sizes) {
        FoundFile row{nullptr, "f", bytes, 0};
        EXPECT_EQ(row.sizeText(), text) << bytes;
    }
    for (const char* name : {"a.tmp", "b.tmp", "c.tmp"}) {
        tree.file(std::string("c/") + name, 512);
    }
    EXPECT_EQ(run().totalKilobytes, 0u);
    EXPECT_EQ(sink.events.back(), "status Total Files: 0k");
    EXPECT_EQ(sink.rows.size(), 3u);
}

TEST_F(ScanRunTest, NothingTickedGivesOnlyTheZeroTotal) {
    tree.file("c/a.tmp");
    tree.file("Temp/t");
    choices.drives = {{"c: [system]", false}};
    run();
    EXPECT_EQ(sink.events, std::vector<std::string>{"status Total Files: 0k"});

    // A ticked drive without a ticked pattern is not searched; the folders still are.
    sink.events.clear();
    choices.drives = {{"c: [system]", true}};
    choices.patterns = {{"*.tmp", false}};
    choices.specialFolders = {true, false, false};
    run();
    EXPECT_EQ(sink.events, (std::vector<std::string>{"status Scanning: Temp",
                                                     "row " + tree.path("Temp/t") + " 0k",
                                                     "status Total Files: 0k"}));
}

TEST_F(ScanRunTest, LocationValuesPickTheFolder) {
    fake.folders->setCurrentDirectory(tree.path("cwd"));
    struct Case {
        std::string location;
        std::string directory;
    };
    const Case cases[] = {
        {"Default", tree.path("Temp/")},         {"default", tree.path("cwd/default/")},
        {"DEFAULT/", tree.path("cwd/DEFAULT/")}, {"/abs/olute", "/abs/olute/"},
        {"/abs/olute/", "/abs/olute/"},          {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(specialFolderDirectory(SpecialFolder::Temp, c.location, *fake.folders),
                  c.directory)
            << '"' << c.location << '"';
    }

    // The rows of a value without a final '/' have it added; an empty value searches nothing.
    tree.file("elsewhere/e.txt");
    tree.file("cwd/w.txt");
    choices.drives.clear();
    choices.specialFolders = {true, true, false};
    choices.locations = {tree.path("elsewhere"), "", "Default"};
    run();
    EXPECT_EQ(sink.events,
              (std::vector<std::string>{"status Scanning: Temp",
                                        "row " + tree.path("elsewhere/e.txt") + " 0k",
                                        "status Scanning: Cache", "status Total Files: 0k"}));
}

TEST_F(ScanRunTest, StopEndsTheRunAndDropsHeldRows) {
    tree.file("c/a.tmp");
    tree.file("c/b.bak");
    tree.file("Temp/t");
    choices.patterns = {{"*.tmp", true}, {"*.bak", true}};
    choices.specialFolders = {true, true, true};

    std::stop_source before;
    before.request_stop();
    ScanOutcome outcome = run(before.get_token());
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(sink.events, std::vector<std::string>{"status Total Files: 0k"});

    sink.events.clear();
    std::stop_source during;
    sink.onStatus = [&](const std::string& text) {
        if (text == "Scanning: *.bak") {
            during.request_stop();
        }
    };
    outcome = run(during.get_token());
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(sink.events, (std::vector<std::string>{
                               "status Scanning: *.tmp", "row " + tree.path("c/a.tmp") + " 0k",
                               "status Scanning: *.bak", "status Total Files: 0k"}));
}

TEST(DriveNumberFromLetterTest, OneLetterInEitherCaseElseDriveC) {
    const std::pair<const char*, int> cases[] = {{"a", 1},  {"A", 1},       {"c", 3},  {"z", 26},
                                                 {"Z", 26}, {"", 3},        {"ab", 3}, {"1", 3},
                                                 {":", 3},  {"\xC3\xA9", 3}};
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(DriveNumberFromLetter(text), number) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace korvane
