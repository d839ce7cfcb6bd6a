// The two whole-number rules: the general one and the settings file's, and the error text.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "settings/UserError.h"
#include "settings/WholeNumber.h"

namespace korvane {
namespace {

struct NumberCase {
    std::string text;
    std::optional<std::int32_t> general;
    std::optional<std::int32_t> settings;
};

const NumberCase kNumberCases[] = {
    {"5", 5, 5},
    {" 5", 5, 5},
    {"\t 7", 7, 7},
    {"5 ", std::nullopt, std::nullopt},
    {"+5", 5, 5},
    {"-5", -5, -5},
    {"-0", 0, 0},
    {"007", 7, 7},
    {"", std::nullopt, std::nullopt},
    {"   ", std::nullopt, std::nullopt},
    {"yes", std::nullopt, std::nullopt},
    {"1,", std::nullopt, std::nullopt},
    {"+", std::nullopt, std::nullopt},
    {"- 5", std::nullopt, std::nullopt},
    {"$10", 16, 16},
    {" $ff", 255, 255},
    {"$", std::nullopt, std::nullopt},
    {"-$10", std::nullopt, std::nullopt},
    {"$7FFFFFFF", 2147483647, 2147483647},
    {"$80000000", std::nullopt, std::nullopt},
    {"$g", std::nullopt, std::nullopt},
    {"0x10", std::nullopt, 16},
    {"0X1f", std::nullopt, 31},
    {" 0x10", std::nullopt, 16},
    {"0x", std::nullopt, std::nullopt},
    {"0x-1", std::nullopt, std::nullopt},
    {"0x7fffffff", std::nullopt, 2147483647},
    {"0x100000000", std::nullopt, std::nullopt},
    {"2147483647", 2147483647, 2147483647},
    {"2147483648", std::nullopt, std::nullopt},
    {"-2147483648", -2147483647 - 1, -2147483647 - 1},
    {"-2147483649", std::nullopt, std::nullopt},
    {"99999999999999999999999999", std::nullopt, std::nullopt},
    {std::string("1\0", 2), std::nullopt, std::nullopt},
};

TEST(WholeNumberTest, ParsesByBothRules) {
    for (const NumberCase& item : kNumberCases) {
        SCOPED_TRACE("text '" + item.text + "'");
        EXPECT_EQ(parseWholeNumber(item.text), item.general);
        EXPECT_EQ(parseSettingsNumber(item.text), item.settings);
    }
}

TEST(WholeNumberTest, ReadFailsWithTheTextInTheMessage) {
    EXPECT_EQ(readWholeNumber(" -12"), -12);
    try {
        readWholeNumber("12a");
        FAIL() << "no error";
    } catch (const UserError& error) {
        EXPECT_STREQ(error.what(), "'12a' is not a valid integer value");
    }
    try {
        readWholeNumber("");
        FAIL() << "no error";
    } catch (const UserError& error) {
        EXPECT_STREQ(error.what(), "'' is not a valid integer value");
    }
}

}  // namespace
}  // namespace korvane
