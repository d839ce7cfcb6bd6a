// The recursive finder on fixture trees: its order, its stop, what it never reports or enters,
// and the descriptors it leaves open.
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "scan/FileFinder.h"
#include "support/TempTree.h"

namespace korvane {
namespace {

using test::TempTree;

struct Found {
    std::string directory;
    std::string name;
    std::uint64_t size = 0;
    bool operator==(const Found&) const = default;
};

std::vector<Found> find(const std::string& directory, const std::string& pattern) {
    std::vector<Found> found;
    FindFiles(directory, pattern, [&](const std::string& folder, const SearchRecord& record) {
        found.push_back({folder, std::string(record.name), record.size});
        return true;
    });
    return found;
}

std::vector<std::string> paths(const std::vector<Found>& found) {
    std::vector<std::string> result;
    for (const Found& f : found) {
        result.push_back(f.directory + f.name);
    }
    std::sort(result.begin(), result.end());
    return result;
}

/// The walk written plainly as two searches per folder: the matching regular files in listing
/// order, then the non-hidden subfolders in listing order.
void referenceWalk(const std::string& folder, const WildcardPattern& pattern,
                   std::vector<Found>& found) {
    const auto list = [&](auto&& each) {
        if (DIR* dir = ::opendir(folder.c_str())) {
            while (const dirent* entry = ::readdir(dir)) {
                const std::string name = entry->d_name;
                struct stat status;
                if (name != "." && name != ".." && ::lstat((folder + name).c_str(), &status) == 0) {
                    each(name, status);
                }
            }
            ::closedir(dir);
        }
    };
    list([&](const std::string& name, const struct stat& status) {
        if (S_ISREG(status.st_mode) && pattern.matches(name)) {
            found.push_back({folder, name, static_cast<std::uint64_t>(status.st_size)});
        }
    });
    list([&](const std::string& name, const struct stat& status) {
        if (S_ISDIR(status.st_mode) && name[0] != '.') {
            referenceWalk(folder + name + "/", pattern, found);
        }
    });
}

class FileFinderTest : public testing::Test {
protected:
    void SetUp() override {
        tree.file("b.tmp", 10);
        tree.file("a.TMP", 2000);
        tree.file("note.txt");
        tree.file(".hidden.tmp");
        tree.file("sub1/x.tmp");
        tree.file("sub1/deeper/y.tmp");
        tree.file("sub1/deeper/deepest/w.tmp");
        tree.file("sub2/z.tmp");
        tree.folder("empty");
        tree.file("nomatch/inner/v.tmp");
        tree.file(".hiddenDir/h.tmp");
        tree.link("linkToFile.tmp", "b.tmp");
        tree.link("linkToDir", "sub1");
        tree.link("linkOutside", outside.root());
        tree.link("loop", ".");
        tree.link("dangling.tmp", "missing");
        outside.file("o.tmp");
        ::mkfifo(tree.path("fifo.tmp").c_str(), 0644);
        for (const char* weird : {"new\nline.tmp", "tab\t.tmp", "star*.tmp", "br[acket.tmp",
                                  "back\\slash.tmp", "bad\xFF.tmp", "\xC3\xA9t\xC3\xA9.tmp"}) {
            tree.file(std::string("weird/") + weird, 1);
        }
        root = tree.root() + "/";
    }

    TempTree outside;
    TempTree tree;
    std::string root;
};

TEST_F(FileFinderTest, ReportsFilesInTheOrderOfTheTwoPhaseWalk) {
    std::vector<Found> expected;
    referenceWalk(root, WildcardPattern("*.tmp"), expected);
    const std::vector<Found> found = find(tree.root(), "*.tmp");
    EXPECT_EQ(found, expected);

    const std::vector<std::string> want = {root + ".hidden.tmp",
                                           root + "a.TMP",
                                           root + "b.tmp",
                                           root + "nomatch/inner/v.tmp",
                                           root + "sub1/deeper/deepest/w.tmp",
                                           root + "sub1/deeper/y.tmp",
                                           root + "sub1/x.tmp",
                                           root + "sub2/z.tmp",
                                           root + "weird/back\\slash.tmp",
                                           root + "weird/bad\xFF.tmp",
                                           root + "weird/br[acket.tmp",
                                           root + "weird/new\nline.tmp",
                                           root + "weird/star*.tmp",
                                           root + "weird/tab\t.tmp",
                                           root + "weird/\xC3\xA9t\xC3\xA9.tmp"};
    EXPECT_EQ(paths(found), want);
}

TEST_F(FileFinderTest, GivesSizesAndTheSameTextsWithOrWithoutAFinalSlash) {
    const std::vector<Found> withSlash = find(root, "*.tmp");
    EXPECT_EQ(find(tree.root(), "*.tmp"), withSlash);
    const auto a = std::find_if(withSlash.begin(), withSlash.end(),
                                [](const Found& f) { return f.name == "a.TMP"; });
    ASSERT_NE(a, withSlash.end());
    EXPECT_EQ(a->size, 2000u);
    EXPECT_EQ(a->directory, root);
}

TEST_F(FileFinderTest, EmptyPatternReportsEveryFileAndEmptyFolderIsTheCurrentOne) {
    EXPECT_EQ(find(root, ""), find(root, "*.*"));
    EXPECT_EQ(paths(find(root, "")).size(), 16u);  // the *.tmp files and note.txt

    char previous[4096];
    ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(::chdir(tree.path("sub1").c_str()), 0);
    const std::vector<Found> found = find("", "*.tmp");
    ASSERT_EQ(::chdir(previous), 0);
    std::vector<Found> expected;
    referenceWalk(root + "sub1/", WildcardPattern("*.tmp"), expected);
    EXPECT_EQ(found, expected);
}

TEST_F(FileFinderTest, StopEndsTheWalkAndClosesEveryDescriptor) {
    const int before = test::openDescriptorCount();
    const std::vector<Found> all = find(root, "*.tmp");
    EXPECT_EQ(test::openDescriptorCount(), before);

    for (std::size_t stopAt = 0; stopAt < all.size(); ++stopAt) {
        SCOPED_TRACE(stopAt);
        std::vector<Found> seen;
        FindFiles(root, "*.tmp", [&](const std::string& folder, const SearchRecord& record) {
            seen.push_back({folder, std::string(record.name), record.size});
            return seen.size() <= stopAt;
        });
        EXPECT_EQ(seen, std::vector<Found>(all.begin(), all.begin() + stopAt + 1));
        EXPECT_EQ(test::openDescriptorCount(), before);
    }
}

TEST_F(FileFinderTest, FolderThatVanishesDuringTheWalkIsPassedOver) {
    std::vector<std::string> found;
    FindFiles(root, "*.tmp", [&](const std::string& folder, const SearchRecord& record) {
        if (found.empty()) {
            test::removeTree(tree.path("sub2"));
            test::removeTree(tree.path("sub1/deeper"));
        }
        found.push_back(folder + std::string(record.name));
        return true;
    });
    EXPECT_EQ(std::count(found.begin(), found.end(), root + "sub2/z.tmp"), 0);
    EXPECT_EQ(std::count(found.begin(), found.end(), root + "sub1/deeper/y.tmp"), 0);
    EXPECT_EQ(std::count(found.begin(), found.end(), root + "sub1/x.tmp"), 1);
}

TEST_F(FileFinderTest, StartingFolderThatIsALinkOrMissingGivesNothing) {
    EXPECT_TRUE(find(tree.path("linkToDir"), "*.*").empty());
    EXPECT_TRUE(find(tree.path("linkToDir") + "/", "*.*").empty());
    EXPECT_TRUE(find(tree.path("missing"), "*.*").empty());
}

TEST_F(FileFinderTest, UnreadableFolderIsPassedOver) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads every folder";
    }
    tree.file("locked/secret.tmp");
    tree.setMode("locked", 0);
    const std::vector<std::string> found = paths(find(root, "*.tmp"));
    tree.setMode("locked", 0755);
    EXPECT_EQ(std::count(found.begin(), found.end(), root + "locked/secret.tmp"), 0);
    EXPECT_EQ(std::count(found.begin(), found.end(), root + "sub2/z.tmp"), 1);
}

TEST(FileFinderDepthTest, WalksPathsLongerThanPathMax) {
    TempTree tree;
    const std::string deepest = tree.deepChain("deep", std::string(200, 'd'), 30, "end.tmp", 7);
    ASSERT_GT(deepest.size(), static_cast<std::size_t>(PATH_MAX));
    const int before = test::openDescriptorCount();
    const std::vector<Found> found = find(tree.root(), "*.tmp");
    EXPECT_EQ(test::openDescriptorCount(), before);
    EXPECT_EQ(found, (std::vector<Found>{{deepest, "end.tmp", 7}}));
}

TEST(FileFinderDepthTest, StopsDescendingBelowTheDepthCap) {
    TempTree tree;
    const std::string atCap = tree.deepChain("a", "d", kMaxFolderDepth - 1, "in.tmp", 0);
    tree.deepChain("b", "d", kMaxFolderDepth, "out.tmp", 0);
    const std::vector<Found> found = find(tree.root(), "*.tmp");
    EXPECT_EQ(found, (std::vector<Found>{{atCap, "in.tmp", 0}}));
}

TEST(FileFinderMountTest, NeverEntersAnotherFilesystem) {
    TempTree tree;
    tree.file("here.tmp");
    const std::string mountPoint = tree.folder("mnt");
    if (::mount("korvane-test", mountPoint.c_str(), "tmpfs", 0, "size=1m") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs here";
    }
    const int fd = ::open((mountPoint + "/there.tmp").c_str(), O_CREAT | O_WRONLY, 0644);
    ::close(fd);
    const std::vector<Found> found = find(tree.root(), "*.tmp");
    ::umount(mountPoint.c_str());
    EXPECT_EQ(paths(found), std::vector<std::string>{tree.path("here.tmp")});
}

/// Records every pattern's callbacks of one shared walk.
class RecordingVisitor : public FinderVisitor {
public:
    explicit RecordingVisitor(std::size_t patterns) : found(patterns) {}
    bool fileFound(std::size_t index, const std::string& directory,
                   const SearchRecord& record) override {
        found[index].push_back({directory, std::string(record.name), record.size});
        return true;
    }
    std::vector<std::vector<Found>> found;
};

TEST_F(FileFinderTest, OneWalkForSeveralPatternsEqualsOneWalkPerPattern) {
    const std::vector<std::string> texts = {"*.tmp", "*.txt", "?.tmp", "*", "*.none"};
    std::vector<WildcardPattern> patterns;
    for (const std::string& text : texts) {
        patterns.emplace_back(text);
    }
    RecordingVisitor visitor(patterns.size());
    EXPECT_TRUE(findFilesForPatterns(root, patterns, visitor));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(texts[i]);
        EXPECT_EQ(visitor.found[i], find(root, texts[i]));
    }
}

}  // namespace
}  // namespace korvane
