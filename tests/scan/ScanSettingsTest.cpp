// The scan choices read from a settings file.
#include <gtest/gtest.h>

#include "platform/fake/FakeVolumes.h"
#include "scan/ScanSettings.h"
#include "support/TempTree.h"

namespace korvane {
namespace {

TEST(ScanSettingsTest, ReadsTheChoicesAsTheFileStoresThem) {
    test::TempTree tree;
    FakeVolumes volumes;
    for (const char letter : {'c', 'd', 'e'}) {
        volumes.addDrive(letter, tree.folder(std::string(1, letter)));
    }
    const std::string file = tree.fileWithText(
        "k.ini",
        "[Settings]\nDrives=2,0,9,\nDeleteOption=3\n[Scan]\nCheck2=0\nScanFor=*.tmp,1,*.bak,0,\n"
        "[Schedule]\nCheckHDSpace=1\nSpaceToCheck=$20\n[Locations]\nTemp=\nCookies=/x\n");
    const SettingsAccess settings(file);

    const ScanChoices manual = readScanChoices(settings, volumes, false);
    ASSERT_EQ(manual.drives.size(), 3u);
    EXPECT_TRUE(manual.drives[0].ticked);
    EXPECT_FALSE(manual.drives[1].ticked);
    EXPECT_TRUE(manual.drives[2].ticked);
    EXPECT_EQ(manual.drives[1].caption, volumes.drives()[1].caption);
    ASSERT_EQ(manual.patterns.size(), 2u);
    EXPECT_EQ(manual.patterns[1].pattern, "*.bak");
    EXPECT_FALSE(manual.patterns[1].ticked);
    EXPECT_EQ(manual.specialFolders, (std::array<bool, 3>{true, false, true}));
    EXPECT_EQ(manual.locations, (std::array<std::string, 3>{"", "Default", "/x"}));
    EXPECT_FALSE(manual.onlyScanLowSpace);
    EXPECT_EQ(manual.imageIndex, 2);

    const ScanChoices timed = readScanChoices(settings, volumes, true);
    EXPECT_TRUE(timed.timed);
    EXPECT_TRUE(timed.onlyScanLowSpace);
    EXPECT_EQ(thresholdMegabytes(timed.thresholdText), 32);
}

TEST(ScanSettingsTest, ImageIndexOfEachDeleteOption) {
    const std::pair<int, int> cases[] = {{1, 0}, {2, 1}, {3, 2}, {0, 1}, {4, 1}, {-1, 1}};
    for (const auto& [option, index] : cases) {
        EXPECT_EQ(imageIndexOfDeleteOption(option), index) << option;
    }
}

}  // namespace
}  // namespace korvane
