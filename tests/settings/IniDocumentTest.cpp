// The INI line codec: look-up rules, placement of new keys and sections, removal, and lines
// the program does not know surviving every change, bad input included.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "settings/IniDocument.h"

namespace korvane {
namespace {

using namespace std::string_literals;

struct ReadCase {
    const char* what;
    std::string text;
    std::string section;
    std::string key;
    std::optional<std::string> expected;
};

const ReadCase kReadCases[] = {
    {"plain", "[Main]\nFirstRun=0\n", "Main", "FirstRun", "0"},
    {"case ignored", "[main]\nFIRSTRUN=0\n", "MAIN", "firstrun", "0"},
    {"blanks dropped", " [ Main ] \n\t FirstRun \t= \t0 x \n", "Main", "FirstRun", "0 x"},
    {"blanks around asked names", "[Main]\nFirstRun=0\n", " Main ", " FirstRun ", "0"},
    {"empty value is present", "[Main]\nFirstRun=\n", "Main", "FirstRun", ""},
    {"blank value is present", "[Main]\nFirstRun=  \t\n", "Main", "FirstRun", ""},
    {"missing key", "[Main]\nOther=1\n", "Main", "FirstRun", std::nullopt},
    {"missing section", "[Other]\nFirstRun=1\n", "Main", "FirstRun", std::nullopt},
    {"empty file", "", "Main", "FirstRun", std::nullopt},
    {"key before any section", "FirstRun=1\n[Main]\n", "Main", "FirstRun", std::nullopt},
    {"first duplicate wins", "[Main]\nK=1\nk=2\n", "Main", "K", "1"},
    {"section in two blocks", "[Main]\nK=1\n[Other]\nJ=9\n[MAIN]\nJ=3\n", "Main", "J", "3"},
    {"key of another section", "[Main]\nK=1\n[Other]\n", "Other", "K", std::nullopt},
    {"value holds =", "[Main]\nK=a=b\n", "Main", "K", "a=b"},
    {"line without =", "[Main]\nK\n", "Main", "K", std::nullopt},
    {"comment line", "[Main]\n;K=1\n#K=2\nK=3\n", "Main", "K", "3"},
    {"broken header", "[Main]\nK=1\n[Other\nK=2\n", "Other", "K", std::nullopt},
    {"text after header", "[Main] trailing\nK=1\n", "Main", "K", "1"},
    {"no final newline", "[Main]\nK=1", "Main", "K", "1"},
    {"CRLF", "[Main]\r\nK=1\r\nJ=2\r\n", "Main", "J", "2"},
    {"CR", "[Main]\rK=1\rJ=2", "Main", "J", "2"},
    {"byte-order mark", "\xEF\xBB\xBF[Main]\nK=1\n", "Main", "K", "1"},
    {"NUL bytes", "\0\0junk\n[Main]\nK=a\0b\n"s, "Main", "K", "a\0b"s},
    {"invalid UTF-8", "\xff[Main]\n[Main]\nK=\xc3\x28\xff\n", "Main", "K", "\xc3\x28\xff"},
    {"UTF-8 text", "[Main]\nK=Müll \xe2\x82\xac\n", "Main", "K", "Müll \xe2\x82\xac"},
};

TEST(IniDocumentTest, ReadsByTheLookUpRules) {
    for (const ReadCase& item : kReadCases) {
        SCOPED_TRACE(item.what);
        EXPECT_EQ(IniDocument::parse(item.text).value(item.section, item.key), item.expected);
    }
}

TEST(IniDocumentTest, ValuesAreCutTo1023CharactersWithoutSplittingACharacter) {
    struct CutCase {
        const char* what;
        std::string value;
        std::string expected;
    };
    const std::string a1023(1023, 'a');
    const CutCase cases[] = {
        {"exactly the buffer", a1023, a1023},
        {"longer", std::string(5000, 'b'), std::string(1023, 'b')},
        {"two-byte character across the end", std::string(1022, 'a') + "\xc3\xa9z",
         std::string(1022, 'a')},
        {"three-byte character across the end", std::string(1021, 'a') + "\xe2\x82\xac",
         std::string(1021, 'a')},
        {"stray continuation bytes", std::string(1020, 'a') + "\x80\x80\x80\x80\x80",
         std::string(1020, 'a') + "\x80\x80\x80"},
        {"blanks dropped before the cut", "   " + a1023 + "b   ", a1023},
    };
    for (const CutCase& item : cases) {
        SCOPED_TRACE(item.what);
        EXPECT_EQ(IniDocument::parse("[S]\nK=" + item.value + "\n").value("S", "K"), item.expected);
    }
}

struct Change {
    bool remove;
    std::string section;
    std::string key;
    std::string value;
};

struct WriteCase {
    const char* what;
    std::string before;
    std::vector<Change> changes;
    std::string after;
};

Change set(std::string section, std::string key, std::string value) {
    return {false, std::move(section), std::move(key), std::move(value)};
}
Change remove(std::string section, std::string key) {
    return {true, std::move(section), std::move(key), {}};
}

const WriteCase kWriteCases[] = {
    {"first key creates the section", "", {set("Main", "FirstRun", "0")}, "[Main]\nFirstRun=0\n"},
    {"new section after a blank line",
     "[Main]\nFirstRun=0\n",
     {set("Schedule", "LastScan", "x")},
     "[Main]\nFirstRun=0\n\n[Schedule]\nLastScan=x\n"},
    {"no second blank line before a new section",
     "[A]\nx=1\n\n",
     {set("B", "y", "2")},
     "[A]\nx=1\n\n[B]\ny=2\n"},
    {"no final newline", "[A]\nx=1", {set("B", "y", "2")}, "[A]\nx=1\n\n[B]\ny=2\n"},
    {"new key after the last key, before blank lines",
     "[A]\nx=1\n\n\n[B]\ny=2\n",
     {set("a", "z", "3")},
     "[A]\nx=1\nz=3\n\n\n[B]\ny=2\n"},
    {"new key before a comment that ends the section",
     "[A]\nx=1\n; about B\n[B]\n",
     {set("A", "z", "3")},
     "[A]\nx=1\nz=3\n; about B\n[B]\n"},
    {"new key in an empty section", "[A]\n\n[B]\n", {set("A", "z", "3")}, "[A]\nz=3\n\n[B]\n"},
    {"new key in the first block of a split section",
     "[A]\nx=1\n[B]\n[A]\ny=2\n",
     {set("A", "z", "3")},
     "[A]\nx=1\nz=3\n[B]\n[A]\ny=2\n"},
    {"a write changes the first duplicate, its name as stored",
     "[A]\nkEy=1\nKEY=2\n",
     {set("a", "Key", "5")},
     "[A]\nkEy=5\nKEY=2\n"},
    {"an equal value leaves the line as written",
     "[A]\n k = 1 \n",
     {set("A", "K", "1")},
     "[A]\n k = 1 \n"},
    {"unknown lines survive a change",
     "junk\n\0\xff\n[A]\n=novalue\n x = 1 \n#c\n[Other]\nq=w\n"s,
     {set("A", "x", "2"), set("A", "new", "n"), remove("Other", "none")},
     "junk\n\0\xff\n[A]\n=novalue\nx=2\nnew=n\n#c\n[Other]\nq=w\n"s},
    {"a key before any section is not the section's",
     "x=1\n",
     {set("A", "x", "2")},
     "x=1\n\n[A]\nx=2\n"},
    {"CRLF and CR read, LF written",
     "[A]\r\nx=1\ry=2\r\n",
     {set("A", "z", "3")},
     "[A]\nx=1\ny=2\nz=3\n"},
    {"byte-order mark kept",
     "\xEF\xBB\xBF[A]\nx=1\n",
     {set("A", "x", "2")},
     "\xEF\xBB\xBF[A]\nx=2\n"},
    {"value kept verbatim", "", {set("A", "x", "  a b ;c=d  ")}, "[A]\nx=  a b ;c=d  \n"},
    {"removal", "[A]\nx=1\ny=2\n", {remove("a", "X")}, "[A]\ny=2\n"},
    {"removal takes every duplicate",
     "[A]\nx=1\n[B]\nx=9\n[a]\nX=2\n",
     {remove("A", "x")},
     "[A]\n[B]\nx=9\n[a]\n"},
    {"removed and written again goes last",
     "[A]\nx=1\ny=2\n",
     {remove("A", "x"), set("A", "x", "1")},
     "[A]\ny=2\nx=1\n"},
    {"list built by appends",
     "[A]\nDrives=7,\nz=0\n",
     {remove("A", "Drives"), set("A", "Drives", "1,"), set("A", "Drives", "1,2,")},
     "[A]\nz=0\nDrives=1,2,\n"},
};

TEST(IniDocumentTest, WritesAndRemovalsPlaceLinesAndKeepTheRest) {
    for (const WriteCase& item : kWriteCases) {
        SCOPED_TRACE(item.what);
        IniDocument document = IniDocument::parse(item.before);
        for (const Change& change : item.changes) {
            if (change.remove) {
                document.remove(change.section, change.key);
            } else {
                document.set(change.section, change.key, change.value);
            }
        }
        EXPECT_EQ(document.serialise(), item.after);
    }
}

TEST(IniDocumentTest, ReportsWhetherTheTextChanged) {
    IniDocument document = IniDocument::parse("[A]\nx=1\n");
    EXPECT_FALSE(document.set("A", "x", "1"));
    EXPECT_TRUE(document.set("A", "x", "2"));
    EXPECT_TRUE(document.set("A", "y", "2"));
    EXPECT_FALSE(document.remove("A", "absent"));
    EXPECT_FALSE(document.remove("B", "x"));
    EXPECT_TRUE(document.remove("A", "y"));
}

TEST(IniDocumentTest, RefusesWritesThatWouldNotReadBackAsOneKey) {
    struct NameCase {
        const char* section;
        const char* key;
        std::string value;
    };
    const NameCase refused[] = {
        {"A", "K", "a\nb=c"}, {"A", "K", "a\rb"}, {"A", "K", "a\0b"s}, {"A\n[B", "K", "v"},
        {"A]", "K", "v"},     {"", "K", "v"},     {"A", "", "v"},      {"A", " ", "v"},
        {"A", "K=J", "v"},    {"A", "[K]", "v"},  {"A", ";K", "v"},    {"A", "#K", "v"},
        {"A", "K\nJ", "v"},
    };
    for (const NameCase& item : refused) {
        SCOPED_TRACE(std::string(item.section) + "/" + item.key + "/" + item.value);
        EXPECT_FALSE(IniDocument::canWrite(item.section, item.key, item.value));
        IniDocument document;
        EXPECT_THROW(document.set(item.section, item.key, item.value), std::invalid_argument);
        EXPECT_EQ(document.serialise(), "");
    }
    EXPECT_TRUE(IniDocument::canWrite("Temporary Internet", "Key [x]", "[v]=;#"));
}

TEST(IniDocumentTest, ALongLineIsReadAndKept) {
    const std::string longLine(10 * 1024 * 1024, 'x');
    const std::string text = "[A]\nk=" + longLine + "\n" + longLine;
    IniDocument document = IniDocument::parse(text);
    EXPECT_EQ(document.value("A", "k"), std::string(1023, 'x'));
    document.set("A", "j", "1");
    EXPECT_EQ(document.serialise(), "[A]\nk=" + longLine + "\nj=1\n" + longLine + "\n");
}

}  // namespace
}  // namespace korvane
