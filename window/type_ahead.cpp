#include "window/type_ahead.h"

namespace zevadar::window {

char TypeAhead::AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

TypeAheadAction TypeAhead::OnChar(char key, std::uint32_t timeMs,
                                  std::span<const std::string> entries,
                                  std::optional<std::size_t> selected) {
    const bool control = static_cast<unsigned char>(key) < 32;
    if (control && key != kBackspace) return {.passOn = true, .select = std::nullopt};

    // Unsigned difference: correct across the wrap of the millisecond count.
    if (lastTimeMs_ && timeMs - *lastTimeMs_ >= kPauseMs) prefix_.clear();
    lastTimeMs_ = timeMs;

    std::string wanted = prefix_;
    if (key == kBackspace) {
        if (wanted.empty()) return {};
        wanted.pop_back();
    } else {
        wanted += key;
    }

    const std::optional<std::size_t> match = FirstMatch(wanted, entries);
    if (!match && key != kBackspace) return {.passOn = true, .select = std::nullopt};
    prefix_ = wanted;
    if (!match || match == selected) return {};
    return {.passOn = false, .select = match};
}

std::optional<std::size_t> TypeAhead::FirstMatch(const std::string& prefix,
                                                 std::span<const std::string> entries) const {
    if (prefix.empty()) return std::nullopt;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& entry = entries[i];
        if (entry.size() < prefix.size()) continue;
        bool begins = true;
        for (std::size_t j = 0; j < prefix.size() && begins; ++j) {
            begins = fold_(entry[j]) == fold_(prefix[j]);
        }
        if (begins) return i;
    }
    return std::nullopt;
}

}  // namespace zevadar::window
