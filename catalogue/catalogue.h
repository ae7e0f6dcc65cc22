// The command catalogue: the INI file beside the executable whose three sections fill the three
// lists. These are the rules of reading it; the profile calls themselves are in profile_win.h.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zevadar::catalogue {

inline constexpr char kConsoleSection[] = "Microsoft Management Consoles";
inline constexpr char kControlPanelSection[] = "Windows Control Panels";
inline constexpr char kRunCommandSection[] = "Run Commands";

// Buffer sizes handed to the profile and module-name functions, in bytes.
inline constexpr std::size_t kKeyNamesBufferSize = 16384;
inline constexpr std::size_t kNoteBufferSize = 2048;
inline constexpr std::size_t kModulePathBufferSize = 261;

inline constexpr std::string_view kNotePrefix = "<b>Note:</b> ";

// Tells whether a byte starts a double-byte character in the ANSI code page.
using LeadByteTest = bool (*)(unsigned char byte);

// The executable's path with its last extension replaced by ".ini". Only a dot in the last path
// component counts, and a trail byte of a double-byte character is never taken for a dot,
// backslash or colon.
std::string CataloguePath(std::string_view executablePath, LeadByteTest isLeadByte);

// The key names the profile function placed in `buffer` when it reported `reported` characters.
// Names are NUL-separated and an empty name ends the list. When the names overflow the buffer the
// function cuts the last one short and leaves it without its NUL inside the reported count; that
// name is left out, so a cut name is never listed as a command.
std::vector<std::string> KeyNamesFromBuffer(std::string_view buffer, std::size_t reported);

// The markup a note label shows for a note.
std::string NoteMarkup(std::string_view note);

}  // namespace zevadar::catalogue
