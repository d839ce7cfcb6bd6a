// Regional settings: the locale's LC_TIME formats mapped to patterns, and the fallbacks of the
// C and POSIX locales.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

#include "schedule/RegionalSettings.h"

namespace korvane {
namespace {

void expectFallbacks(const RegionalSettings& settings) {
    EXPECT_EQ(settings.dateSeparator, '/');
    EXPECT_EQ(settings.shortDatePattern, "m/d/yy");
    EXPECT_EQ(settings.timeSeparator, ':');
    EXPECT_EQ(settings.amDesignator, "am");
    EXPECT_EQ(settings.pmDesignator, "pm");
    EXPECT_FALSE(settings.hourLeadingZero);
    EXPECT_TRUE(settings.twelveHourClock);
    EXPECT_FALSE(settings.designatorBefore);
    EXPECT_EQ(settings.shortTimePattern(), "h:mm AMPM");
    EXPECT_EQ(settings.longTimePattern(), "h:mm:ss AMPM");
    EXPECT_EQ(settings.dateOrder(), DateOrder::MonthDayYear);
}

TEST(RegionalSettingsTest, PlainLocalesGiveTheFallbacks) {
    for (const char* name : {"C", "POSIX", "C.UTF-8"}) {
        SCOPED_TRACE(name);
        const std::optional<RegionalSettings> settings = regionalSettingsForLocale(name);
        if (!settings) {
            continue;  // C.UTF-8 is not everywhere
        }
        expectFallbacks(*settings);
    }
    EXPECT_FALSE(regionalSettingsForLocale("xx_NOWHERE.UTF-8"));
}

struct FormatsCase {
    const char* name;
    LocaleTimeFormats formats;
    const char* datePattern;
    char dateSeparator;
    const char* shortTime;
    const char* longTime;
    char timeSeparator;
    const char* am;
};

TEST(RegionalSettingsTest, MapsTheLocaleFormatsToPatterns) {
    const FormatsCase cases[] = {
        {"US",
         {"%m/%d/%Y", "%r", "%I:%M:%S %p", "AM", "PM"},
         "mm/dd/yyyy",
         '/',
         "hh:mm AMPM",
         "hh:mm:ss AMPM",
         ':',
         "AM"},
        {"German", {"%d.%m.%Y", "%T", "", "", ""}, "dd/mm/yyyy", '.', "hh:mm", "hh:mm:ss", ':', ""},
        {"British",
         {"%d/%m/%y", "%T", "%l:%M:%S %P %Z", "am", "pm"},
         "dd/mm/yy",
         '/',
         "hh:mm",
         "hh:mm:ss",
         ':',
         "am"},
        {"ISO", {"%F", "%H.%M.%S", "", "", ""}, "yyyy/mm/dd", '-', "hh:mm", "hh:mm:ss", '.', ""},
        {"unpadded",
         {"%-m/%e/%y", "%-I:%M %p", "", "a.m.", "p.m."},
         "m/d/yy",
         '/',
         "h:mm AMPM",
         "h:mm:ss AMPM",
         ':',
         "a.m."},
        {"designator first",
         {"%Y. %m. %d.", "%p %l:%M:%S", "", "AM", "PM"},
         "yyyy/mm/dd",
         '.',
         "AMPM h:mm",
         "AMPM h:mm:ss",
         ':',
         "AM"},
        {"composite date", {"%D", "%R", "", "", ""}, "mm/dd/yy", '/', "hh:mm", "hh:mm:ss", ':', ""},
        // Literal text between the fields that is not one mark falls back to '/'.
        {"words between",
         {"%Y\xe5\xb9\xb4%m\xe6\x9c\x88%d\xe6\x97\xa5", "%H\xe6\x99\x82%M", "", "", ""},
         "yyyy/mm/dd",
         '/',
         "hh:mm",
         "hh:mm:ss",
         ':',
         ""},
        // Month names cannot be read back: the numeric fallback pattern stays.
        {"month names",
         {"%d %b %Y", "%k:%M", "", "", ""},
         "m/d/yy",
         '/',
         "h:mm",
         "h:mm:ss",
         ':',
         ""},
        // A 12-hour clock without designators keeps the fallback ones.
        {"no designators",
         {"%m/%d/%y", "%I:%M:%S", "", "", ""},
         "mm/dd/yy",
         '/',
         "hh:mm AMPM",
         "hh:mm:ss AMPM",
         ':',
         "am"},
        {"no hour",
         {"", "%M", "", "AM", "PM"},
         "m/d/yy",
         '/',
         "h:mm AMPM",
         "h:mm:ss AMPM",
         ':',
         "AM"},
    };
    for (const FormatsCase& c : cases) {
        SCOPED_TRACE(c.name);
        const RegionalSettings settings = regionalSettingsFromFormats(c.formats);
        EXPECT_EQ(settings.shortDatePattern, c.datePattern);
        EXPECT_EQ(settings.dateSeparator, c.dateSeparator);
        EXPECT_EQ(settings.shortTimePattern(), c.shortTime);
        EXPECT_EQ(settings.longTimePattern(), c.longTime);
        EXPECT_EQ(settings.timeSeparator, c.timeSeparator);
        EXPECT_EQ(settings.amDesignator, c.am);
    }
}

TEST(RegionalSettingsTest, InstalledLocalesWhenPresent) {
    const std::optional<RegionalSettings> us = regionalSettingsForLocale("en_US.UTF-8");
    const std::optional<RegionalSettings> german = regionalSettingsForLocale("de_DE.UTF-8");
    if (!us && !german) {
        GTEST_SKIP() << "neither en_US.UTF-8 nor de_DE.UTF-8 is installed";
    }
    if (us) {
        EXPECT_EQ(us->dateOrder(), DateOrder::MonthDayYear);
        EXPECT_EQ(us->dateSeparator, '/');
        EXPECT_TRUE(us->twelveHourClock);
        EXPECT_EQ(us->pmDesignator, "PM");
        EXPECT_EQ(us->longMonthNames[2], "March");
    }
    if (german) {
        EXPECT_EQ(german->shortDatePattern, "dd/mm/yyyy");
        EXPECT_EQ(german->dateSeparator, '.');
        EXPECT_FALSE(german->twelveHourClock);
        EXPECT_EQ(german->shortTimePattern(), "hh:mm");
        EXPECT_EQ(german->longMonthNames[2], "M\xc3\xa4rz");
    }
}

// Sets LC_ALL, LC_TIME and LANG for one test and puts them back afterwards.
class LocaleEnvironment {
public:
    LocaleEnvironment(const char* all, const char* time, const char* lang) {
        for (int i = 0; i < 3; ++i) {
            const char* old = getenv(kNames[i]);
            saved_[i] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        apply(kNames[0], all);
        apply(kNames[1], time);
        apply(kNames[2], lang);
    }
    ~LocaleEnvironment() {
        for (int i = 0; i < 3; ++i) {
            apply(kNames[i], saved_[i] ? saved_[i]->c_str() : nullptr);
        }
    }
    LocaleEnvironment(const LocaleEnvironment&) = delete;
    LocaleEnvironment& operator=(const LocaleEnvironment&) = delete;

private:
    static void apply(const char* name, const char* value) {
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    static constexpr const char* kNames[3] = {"LC_ALL", "LC_TIME", "LANG"};
    std::optional<std::string> saved_[3];
};

TEST(RegionalSettingsTest, EnvironmentNamesTheLocaleInOrder) {
    {
        const LocaleEnvironment environment(nullptr, nullptr, nullptr);
        expectFallbacks(regionalSettingsFromEnvironment());
    }
    {
        // A locale that is not installed gives the fallbacks, not an error.
        const LocaleEnvironment environment("xx_NOWHERE.UTF-8", nullptr, "C");
        expectFallbacks(regionalSettingsFromEnvironment());
    }
    if (!regionalSettingsForLocale("de_DE.UTF-8")) {
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    }
    {
        const LocaleEnvironment environment("", "de_DE.UTF-8", "C");
        EXPECT_EQ(regionalSettingsFromEnvironment().dateSeparator, '.');
    }
    {
        const LocaleEnvironment environment("C", "de_DE.UTF-8", "de_DE.UTF-8");
        expectFallbacks(regionalSettingsFromEnvironment());
    }
    {
        const LocaleEnvironment environment(nullptr, nullptr, "de_DE.UTF-8");
        EXPECT_EQ(regionalSettingsFromEnvironment().dateSeparator, '.');
    }
}

}  // namespace
}  // namespace korvane
