// Reads the command catalogue through the Windows private-profile function. Each read opens and
// closes the file on its own; a missing file, section or key reads as empty.
#pragma once

#include <string>
#include <vector>

namespace zevadar::catalogue {

// The catalogue path of the running executable.
std::string ExecutableCataloguePath();

// The key names of a section, in file order, duplicates kept.
std::vector<std::string> ReadKeyNames(const std::string& section, const std::string& path);

// The value of `key` in a section, or "" when there is none. The key is looked up exactly as
// given, untrimmed; an empty key still reads one value, never the list of names.
std::string ReadNote(const std::string& section, const std::string& key, const std::string& path);

}  // namespace zevadar::catalogue
