#include "catalogue/profile_win.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/catalogue.h"

namespace zevadar::catalogue {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A catalogue file of the test's own in the temporary folder, removed afterwards.
class ProfileTest : public ::testing::Test {
protected:
    ProfileTest() {
        char folder[MAX_PATH];
        GetTempPathA(sizeof folder, folder);
        char file[MAX_PATH];
        GetTempFileNameA(folder, "zev", 0, file);
        path_ = file;
        DeleteFileA(path_.c_str());
    }
    ~ProfileTest() override { DeleteFileA(path_.c_str()); }

    void Write(const std::string& content) { std::ofstream(path_, std::ios::binary) << content; }

    std::string path_;
};

TEST_F(ProfileTest, MissingOrEmptyFileReadsAsEmpty) {
    for (const bool exists : {false, true}) {
        if (exists) Write("");
        EXPECT_THAT(ReadKeyNames(kRunCommandSection, path_), IsEmpty());
        EXPECT_EQ(ReadNote(kRunCommandSection, "notepad", path_), "");
        EXPECT_EQ(ReadNote(kRunCommandSection, "", path_), "");
    }
}

TEST_F(ProfileTest, ReadsTheExampleCatalogue) {
    Write(
        "[Microsoft Management Consoles]\r\n"
        "services.msc=Starts, stops and configures the <b>Windows services</b>.\r\n"
        "devmgmt.msc=\r\n"
        "\r\n"
        "[Windows Control Panels]\r\n"
        "netsetup.cpl=Network setup wizard.\r\n"
        "\r\n"
        "[Run Commands]\r\n"
        "cmd /k ipconfig /all=Shows the network configuration in a console window.\r\n"
        "notepad=Plain text editor.\r\n");
    EXPECT_THAT(ReadKeyNames(kConsoleSection, path_), ElementsAre("services.msc", "devmgmt.msc"));
    EXPECT_THAT(ReadKeyNames(kControlPanelSection, path_), ElementsAre("netsetup.cpl"));
    EXPECT_THAT(ReadKeyNames(kRunCommandSection, path_),
                ElementsAre("cmd /k ipconfig /all", "notepad"));
    EXPECT_EQ(ReadNote(kConsoleSection, "services.msc", path_),
              "Starts, stops and configures the <b>Windows services</b>.");
    EXPECT_EQ(ReadNote(kConsoleSection, "devmgmt.msc", path_), "");
    EXPECT_EQ(ReadNote(kRunCommandSection, "cmd /k ipconfig /all", path_),
              "Shows the network configuration in a console window.");
    // Sections do not leak into each other, and an empty key reads a value, not the names.
    EXPECT_EQ(ReadNote(kRunCommandSection, "services.msc", path_), "");
    EXPECT_EQ(ReadNote(kRunCommandSection, "", path_), "");
}

TEST_F(ProfileTest, KeysWithoutValueDuplicatedOrPaddedAreListed) {
    Write(
        "[Run Commands]\r\n"
        "first=one\r\n"
        "second=\r\n"
        "  padded  =  value  \r\n"
        "first=again\r\n");
    EXPECT_THAT(ReadKeyNames(kRunCommandSection, path_),
                ElementsAre("first", "second", "padded", "first"));
    EXPECT_EQ(ReadNote(kRunCommandSection, "second", path_), "");
    EXPECT_EQ(ReadNote(kRunCommandSection, "padded", path_), "value");
    EXPECT_EQ(ReadNote(kRunCommandSection, "first", path_), "one");
}

// Names at the 16,384-byte limit: `count` numbered names of ten characters (eleven bytes with
// their NULs), then one of `lastLength` characters.
class KeyNameLimitTest : public ProfileTest {
protected:
    std::vector<std::string> WriteNames(std::size_t count, std::size_t lastLength) {
        std::vector<std::string> names;
        std::string content = "[Run Commands]\r\n";
        for (std::size_t i = 0; i < count; ++i) {
            std::string name = std::to_string(i);
            name.insert(0, 10 - name.size(), 'k');
            names.push_back(name);
        }
        names.push_back(std::string(lastLength, 'z'));
        for (const std::string& name : names) content += name + "=x\r\n";
        Write(content);
        return names;
    }
};

TEST_F(KeyNameLimitTest, ListsOnlyTheNamesThatArriveWhole) {
    // 1,488 names take 16,368 bytes; the last name with its NUL and the closing NUL must fit in
    // the remaining 16.
    for (const auto& [lastLength, lastListed] :
         {std::pair<std::size_t, bool>{12, true}, {13, true}, {15, false}, {40, false}}) {
        std::vector<std::string> names = WriteNames(1488, lastLength);
        if (!lastListed) names.pop_back();
        EXPECT_EQ(ReadKeyNames(kRunCommandSection, path_), names) << lastLength;
    }
}

TEST_F(KeyNameLimitTest, StopsAtTheLastWholeNameOfALongSection) {
    // The 1,490th name would be cut to three characters.
    const std::vector<std::string> names = WriteNames(1600, 10);
    const std::vector<std::string> whole(names.begin(), names.begin() + 1489);
    EXPECT_EQ(ReadKeyNames(kRunCommandSection, path_), whole);
}

TEST_F(ProfileTest, CutsALongNoteTo2047Characters) {
    const std::string note = std::string(2000, 'a') + std::string(1000, 'b');
    Write("[Run Commands]\r\nnotepad=" + note + "\r\n");
    EXPECT_EQ(ReadNote(kRunCommandSection, "notepad", path_), note.substr(0, 2047));
}

TEST(ExecutableCataloguePath, LiesBesideTheExecutableWithItsName) {
    const std::string path = ExecutableCataloguePath();
    EXPECT_THAT(path, ::testing::EndsWith("\\catalogue_win_tests.ini"));
    EXPECT_EQ(
        GetFileAttributesA(path.substr(0, path.rfind('\\')).c_str()) & FILE_ATTRIBUTE_DIRECTORY,
        static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

}  // namespace
}  // namespace zevadar::catalogue
