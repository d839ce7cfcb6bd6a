// The file-name pattern rules, as a table of pattern, name and expected answer.
#include <gtest/gtest.h>

#include <string>

#include "scan/WildcardPattern.h"

namespace korvane {
namespace {

struct Case {
    std::string pattern;
    std::string name;
    bool matches;
};

class WildcardPatternTest : public testing::TestWithParam<Case> {};

TEST_P(WildcardPatternTest, MatchesAsTheRulesSay) {
    const Case& c = GetParam();
    EXPECT_EQ(WildcardPattern(c.pattern).matches(c.name), c.matches)
        << "pattern \"" << c.pattern << "\" name \"" << c.name << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Rules, WildcardPatternTest,
    testing::Values(
        // The common "*.ext" shape: a suffix, letter case ignored, no 8.3 short names.
        Case{"*.tmp", "a.tmp", true}, Case{"*.tmp", "A.TMP", true}, Case{"*.TmP", "x.tMp", true},
        Case{"*.tmp", ".tmp", true}, Case{"*.tmp", "tmp", false}, Case{"*.tmp", "a.tmp.bak", false},
        Case{"*.htm", "page.html", false}, Case{"*.tar.gz", "X.TAR.GZ", true},
        Case{"*~", "notes~", true},
        // Every name, with or without a dot.
        Case{"*.*", "noext", true}, Case{"*.*", "a.b.c", true}, Case{"*", "noext", true},
        // A final dot: names without a dot only.
        Case{"*.", "README", true}, Case{"*.", "a.b", false}, Case{"abc.", "ABC", true},
        Case{"abc.", "abc.d", false},
        // "?" is one character, however many bytes it takes.
        Case{"?.txt", "a.txt", true}, Case{"?.txt", "ab.txt", false}, Case{"?.txt", ".txt", false},
        Case{"?.txt", "\xC3\xA9.txt", true},
        Case{"a?c",
             "a\xE2\x82\xAC"
             "c",
             true},
        // Stars anywhere, with backtracking.
        Case{"a*b*c", "aXbYc", true}, Case{"a*b*c", "abc", true}, Case{"a*b*c", "acb", false},
        Case{"*a*a", "banana", true}, Case{"*ab", "aab", true}, Case{"**.log", "x.log", true},
        // Exact names and prefixes.
        Case{"file.txt", "FILE.TXT", true}, Case{"file.txt", "file.txt2", false},
        Case{"data*", "DATA01.bin", true}, Case{"data*", "dat", false},
        // Brackets and backslashes are plain characters.
        Case{"[ab].txt", "a.txt", false}, Case{"[ab].txt", "[AB].txt", true},
        Case{"*\\*", "back\\slash", true},
        // Letters beyond ASCII fold too, also where they fold to an ASCII letter.
        Case{"*.\xC3\x84\xC3\x96", "x.\xC3\xA4\xC3\xB6", true},
        Case{"\xC3\x84*", "\xC3\xA4rger", true}, Case{"*.k", "x.\xE2\x84\xAA", true},
        Case{"*.K", "x.k", true},
        // Bytes that are not valid UTF-8 compare as themselves, one character each.
        Case{"*.\xFF", "a.\xFF", true}, Case{"*.\xFF", "a.\xFE", false}, Case{"?", "\xFF", true},
        Case{"?", "\xC3", true}, Case{"*.txt", "\xFF\xC3.txt", true},
        Case{"??", "\xE2\x82", true}));

}  // namespace
}  // namespace korvane
