#include "window/type_ahead.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace zevadar::window {
namespace {

const std::vector<std::string> kEntries = {"calc",    "cmd /k ipconfig", "control",
                                           "Notepad", "netsh",           "nslookup"};

constexpr int kKeep = -1;    // the key is taken, the selection stays
constexpr int kPassOn = -2;  // the key goes on to the list control

struct Key {
    char key;
    std::uint32_t timeMs;
    int outcome;  // the entry selected, or kKeep, or kPassOn
};

struct TypingCase {
    std::string name;
    std::size_t selected;
    std::vector<Key> keys;
};

void PrintTo(const TypingCase& typingCase, std::ostream* out) {
    *out << typingCase.name;
}

class TypeAheadTest : public ::testing::TestWithParam<TypingCase> {};

TEST_P(TypeAheadTest, SelectsTheFirstEntryBeginningWithThePrefix) {
    TypeAhead typeAhead;
    std::optional<std::size_t> selected = GetParam().selected;
    for (const Key& key : GetParam().keys) {
        SCOPED_TRACE(testing::Message() << "key " << int{key.key} << " at " << key.timeMs);
        const TypeAheadAction action = typeAhead.OnChar(key.key, key.timeMs, kEntries, selected);
        const int outcome = action.passOn   ? kPassOn
                            : action.select ? static_cast<int>(*action.select)
                                            : kKeep;
        EXPECT_EQ(outcome, key.outcome);
        EXPECT_FALSE(action.passOn && action.select);
        if (action.select) selected = action.select;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Typing, TypeAheadTest,
    ::testing::Values(
        TypingCase{
            "QuickKeysBuildAPrefix", 0, {{'n', 1000, 3}, {'e', 1300, 4}, {'t', 1700, kKeep}}},
        TypingCase{"APauseOf500StartsANewPrefix", 0, {{'n', 1000, 3}, {'s', 1500, kPassOn}}},
        TypingCase{"APauseJustShortOf500Continues", 0, {{'n', 1000, 3}, {'s', 1499, 5}}},
        TypingCase{
            "EachQuickKeyRestartsThePause", 0, {{'n', 0, 3}, {'s', 400, 5}, {'l', 800, kKeep}}},
        TypingCase{"CaseIsIgnored", 0, {{'N', 0, 3}, {'O', 100, kKeep}, {'T', 200, kKeep}}},
        TypingCase{"TheSelectedEntryIsNoChange", 3, {{'n', 0, kKeep}}},
        TypingCase{"TheTopmostMatchWins", 5, {{'c', 0, 0}}},
        TypingCase{"NoMatchPassesOnAndKeepsThePrefix",
                   0,
                   {{'c', 0, kKeep}, {'x', 100, kPassOn}, {'o', 200, 2}}},
        TypingCase{"BackspaceShortensThePrefixAndSearchesAgain",
                   0,
                   {{'c', 0, kKeep},
                    {'o', 100, 2},
                    {'n', 200, kKeep},
                    {'\b', 300, kKeep},
                    {'\b', 400, 0},
                    {'\b', 500, kKeep},
                    {'\b', 600, kKeep},
                    {'n', 700, 3}}},
        TypingCase{"BackspaceAfterAPauseFindsNoPrefix", 0, {{'n', 0, 3}, {'\b', 500, kKeep}}},
        TypingCase{"OtherControlKeysPassOnAndKeepThePrefix",
                   0,
                   {{'n', 0, 3}, {'\x1B', 100, kPassOn}, {'\r', 200, kPassOn}, {'e', 300, 4}}},
        TypingCase{"TheMillisecondCountMayWrap",
                   0,
                   {{'n', 0xFFFFFF00u, 3}, {'e', 0x000000A0u, 4}, {'s', 0x000002A0u, kPassOn}}}),
    [](const ::testing::TestParamInfo<TypingCase>& typing) { return typing.param.name; });

TEST(TypeAhead, AnEmptyListPassesEveryKeyOn) {
    TypeAhead typeAhead;
    EXPECT_TRUE(typeAhead.OnChar('a', 0, {}, std::nullopt).passOn);
    EXPECT_FALSE(typeAhead.OnChar('\b', 10, {}, std::nullopt).passOn);
    EXPECT_EQ(typeAhead.prefix(), "");
}

TEST(TypeAhead, AListWithoutSelectionGetsOne) {
    TypeAhead typeAhead;
    EXPECT_EQ(typeAhead.OnChar('c', 0, kEntries, std::nullopt).select, 0u);
}

TEST(TypeAhead, AnsiLettersFollowTheGivenCaseFold) {
    const std::vector<std::string> entries = {
        "\xC9"
        "diteur",
        "\xE9"
        "t\xE9"};
    EXPECT_EQ(TypeAhead().OnChar('\xE9', 0, entries, 0).select, 1u);
    // A fold for one accented pair of a Western code page.
    TypeAhead folding([](char c) { return c == '\xC9' ? '\xE9' : TypeAhead::AsciiLower(c); });
    EXPECT_FALSE(folding.OnChar('\xE9', 0, entries, 0).select);
    EXPECT_EQ(folding.prefix(), "\xE9");
}

}  // namespace
}  // namespace zevadar::window
