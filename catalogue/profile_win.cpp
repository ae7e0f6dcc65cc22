#include "catalogue/profile_win.h"

#include <windows.h>

#include "catalogue/catalogue.h"

namespace zevadar::catalogue {
namespace {

bool IsAnsiLeadByte(unsigned char byte) {
    return IsDBCSLeadByte(byte) != FALSE;
}

}  // namespace

std::string ExecutableCataloguePath() {
    char buffer[kModulePathBufferSize];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    // A path cut at the buffer's end is reported at full length, its terminating NUL included.
    std::string_view path(buffer, length);
    path = path.substr(0, path.find('\0'));
    return CataloguePath(path, IsAnsiLeadByte);
}

std::vector<std::string> ReadKeyNames(const std::string& section, const std::string& path) {
    std::string buffer(kKeyNamesBufferSize, '\0');
    const DWORD reported =
        GetPrivateProfileStringA(section.c_str(), nullptr, nullptr, buffer.data(),
                                 static_cast<DWORD>(buffer.size()), path.c_str());
    return KeyNamesFromBuffer(buffer, reported);
}

std::string ReadNote(const std::string& section, const std::string& key, const std::string& path) {
    char buffer[kNoteBufferSize];
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer,
                                                  sizeof buffer, path.c_str());
    return std::string(buffer, length);
}

}  // namespace zevadar::catalogue
