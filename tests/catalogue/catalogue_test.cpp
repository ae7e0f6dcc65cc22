#include "catalogue/catalogue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zevadar::catalogue {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

bool SingleByte(unsigned char) {
    return false;
}
// Like Shift-JIS: lead bytes 0x81-0x9F and 0xE0-0xFC; trail bytes may be '\\' (0x5C) or '.'.
bool ShiftJisLike(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

struct PathCase {
    std::string executable;
    std::string catalogue;
    LeadByteTest isLeadByte = SingleByte;
};

TEST(CataloguePath, ReplacesOnlyTheLastExtension) {
    const PathCase cases[] = {
        PathCase{R"(C:\Tools\Zevadar.exe)", R"(C:\Tools\Zevadar.ini)"},
        PathCase{R"(C:\Tools\ZEVADAR.EXE)", R"(C:\Tools\ZEVADAR.ini)"},
        PathCase{R"(C:\Tools\Zevadar.beta.exe)", R"(C:\Tools\Zevadar.beta.ini)"},
        PathCase{R"(C:\Tools.new\Zevadar)", R"(C:\Tools.new\Zevadar.ini)"},
        PathCase{R"(C:\Tools\Zevadar.)", R"(C:\Tools\Zevadar.ini)"},
        PathCase{"C:Zevadar", "C:Zevadar.ini"}, PathCase{"C:", "C:.ini"},
        PathCase{"Zevadar", "Zevadar.ini"}, PathCase{"", ".ini"},
        // Double-byte names: a trail byte that looks like a backslash or a dot is no delimiter.
        PathCase{"C:\\Tools\\a.\x95\\", "C:\\Tools\\a.ini", ShiftJisLike},
        PathCase{"C:\\Tools\\\x95.", "C:\\Tools\\\x95..ini", ShiftJisLike},
        PathCase{"C:\\Tools\\a.b\x81.", "C:\\Tools\\a.ini", ShiftJisLike},
        PathCase{"C:\\\x81\x81.exe", "C:\\\x81\x81.ini", ShiftJisLike},
        // A lead byte whose pair is cut off by the end of the path stands alone.
        PathCase{"C:\\Tools\\Zevadar.ex\x81", "C:\\Tools\\Zevadar.ini", ShiftJisLike},
        // The same bytes read in a single-byte code page.
        PathCase{"C:\\Tools\\a.\x95\\", "C:\\Tools\\a.\x95\\.ini"},
        PathCase{"C:\\Tools\\\x95.", "C:\\Tools\\\x95.ini"}};
    for (const PathCase& c : cases) {
        EXPECT_EQ(CataloguePath(c.executable, c.isLeadByte), c.catalogue) << c.executable;
    }
}

// A buffer as the profile function fills it, `size` bytes in all.
std::string Buffer(const std::string& content, std::size_t size) {
    std::string buffer(content);
    buffer.resize(size, '\0');
    return buffer;
}

TEST(KeyNamesFromBuffer, ListsTheNamesInOrderUpToTheFirstEmptyOne) {
    EXPECT_THAT(KeyNamesFromBuffer(Buffer(std::string("b\0a\0b\0", 6), 64), 6),
                ElementsAre("b", "a", "b"));
    EXPECT_THAT(KeyNamesFromBuffer(Buffer(std::string(" x y \0", 6), 64), 6), ElementsAre(" x y "));
    EXPECT_THAT(KeyNamesFromBuffer(Buffer(std::string("a\0\0b\0", 5), 64), 5), ElementsAre("a"));
}

TEST(KeyNamesFromBuffer, NothingReportedIsAnEmptyList) {
    EXPECT_THAT(KeyNamesFromBuffer(Buffer("", 64), 0), IsEmpty());
    EXPECT_THAT(KeyNamesFromBuffer(Buffer(std::string("stale\0", 6), 64), 0), IsEmpty());
}

TEST(KeyNamesFromBuffer, LeavesOutTheNameCutAtTheBufferEnd) {
    // Cut names are followed by one or two NULs, but these lie outside the reported count.
    EXPECT_THAT(KeyNamesFromBuffer(Buffer(std::string("alpha\0beta\0gam", 14), 16), 14),
                ElementsAre("alpha", "beta"));
    EXPECT_THAT(KeyNamesFromBuffer(Buffer(std::string("alpha\0beta\0gamm", 15), 16), 14),
                ElementsAre("alpha", "beta"));
    EXPECT_THAT(KeyNamesFromBuffer(Buffer("alph", 6), 4), IsEmpty());
    // A whole list that fills the buffer but two bytes reports the same count, and stays whole.
    EXPECT_THAT(KeyNamesFromBuffer(Buffer(std::string("alpha\0beta\0", 11), 13), 11),
                ElementsAre("alpha", "beta"));
}

TEST(KeyNamesFromBuffer, NeverReadsPastTheBuffer) {
    EXPECT_THAT(KeyNamesFromBuffer(std::string("alpha\0beta", 10), 10), ElementsAre("alpha"));
    EXPECT_THAT(KeyNamesFromBuffer(std::string("alpha\0", 6), 100), ElementsAre("alpha"));
    EXPECT_THAT(KeyNamesFromBuffer(std::string("alpha"), 5), IsEmpty());
}

TEST(NoteMarkup, PutsTheBoldPrefixBeforeTheNote) {
    EXPECT_EQ(NoteMarkup(""), "<b>Note:</b> ");
    EXPECT_EQ(NoteMarkup("Starts <i>it</i>."), "<b>Note:</b> Starts <i>it</i>.");
}

}  // namespace
}  // namespace zevadar::catalogue
