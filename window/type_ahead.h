// Type-ahead of a drop-down list: characters typed in quick succession form a prefix, and the
// first entry from the top that begins with it is selected. Times come from the caller (the
// message time), so the rule holds no clock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zevadar::window {

// What the list does with a typed character.
struct TypeAheadAction {
    // No entry begins with the prefix: let the list control's own first-letter search have it.
    bool passOn = false;
    // The entry to select; set only when it differs from the selected one (a change).
    std::optional<std::size_t> select;
};

class TypeAhead {
public:
    static constexpr std::uint32_t kPauseMs = 500;  // this long a pause starts a new prefix
    static constexpr char kBackspace = '\b';

    // Folds a character for comparing without regard to case.
    using CaseFold = char (*)(char c);
    static char AsciiLower(char c);

    explicit TypeAhead(CaseFold fold = AsciiLower) : fold_(fold) {}

    // A character typed at `timeMs` (a wrapping millisecond count) into a list with `entries`,
    // top to bottom, of which `selected` is selected. Backspace drops the prefix's last character
    // and searches again; other control characters pass on and leave the prefix alone.
    TypeAheadAction OnChar(char key, std::uint32_t timeMs, std::span<const std::string> entries,
                           std::optional<std::size_t> selected);

    const std::string& prefix() const { return prefix_; }

private:
    std::optional<std::size_t> FirstMatch(const std::string& prefix,
                                          std::span<const std::string> entries) const;

    CaseFold fold_;
    std::string prefix_;
    std::optional<std::uint32_t> lastTimeMs_;
};

}  // namespace zevadar::window
