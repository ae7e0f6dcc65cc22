#include "app/error_text.h"

#include <gtest/gtest.h>

#include <string>

namespace zevadar::app {
namespace {

TEST(ErrorBoxText, AddsAFullStopOnlyAfterACharacterAboveTheFullStop) {
    const struct {
        std::string message;
        std::string shown;
    } cases[] = {
        {"Unable to insert a line", "Unable to insert a line."},
        {"Out of memory 2", "Out of memory 2."},
        {"Already ended.", "Already ended."},
        {"Ends in a blank ", "Ends in a blank "},
        {"Ends in a comma,", "Ends in a comma,"},
        {"Ends in a dash-", "Ends in a dash-"},
        {"Ends in a slash/", "Ends in a slash/."},
        {"\xC4rger \xE9", "\xC4rger \xE9."},  // ANSI letters lie above the full stop too
        {"", ""},
    };
    for (const auto& [message, shown] : cases) EXPECT_EQ(ErrorBoxText(message), shown) << message;
}

}  // namespace
}  // namespace zevadar::app
