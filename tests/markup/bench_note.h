// The note the benchmarks lay out: the longest a catalogue holds (2,047 characters) behind the
// bold prefix, full of tags, entities and links.
#pragma once

#include <string>

namespace zevadar::markup::testing {

inline std::string BenchNote() {
    constexpr std::size_t kLongestNote = 2047;
    const std::string snippet =
        "Opens <b>the</b> <font color=\"clRed\">Registry</font> <i>Editor</i> &amp; "
        "<a href=\"https://duzuze.example/\">more</a> <u>here</u>&nbsp;&copy; ";
    std::string note = "<b>Note:</b> ";
    while (note.size() + snippet.size() <= kLongestNote) note += snippet;
    while (note.size() + 2 <= kLongestNote) note += "x ";
    return note;
}

}  // namespace zevadar::markup::testing
