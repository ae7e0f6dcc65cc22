#include "catalogue/catalogue.h"

namespace zevadar::catalogue {

std::string CataloguePath(std::string_view executablePath, LeadByteTest isLeadByte) {
    // Whether a byte is a trail byte is only known walking from the start.
    std::size_t lastDelimiter = std::string_view::npos;
    for (std::size_t i = 0; i < executablePath.size(); ++i) {
        const char c = executablePath[i];
        if (isLeadByte(static_cast<unsigned char>(c)) && i + 1 < executablePath.size()) {
            ++i;
        } else if (c == '.' || c == '\\' || c == ':') {
            lastDelimiter = i;
        }
    }
    const bool dotLast =
        lastDelimiter != std::string_view::npos && executablePath[lastDelimiter] == '.';
    std::string path(executablePath.substr(0, dotLast ? lastDelimiter : std::string_view::npos));
    path += ".ini";
    return path;
}

std::vector<std::string> KeyNamesFromBuffer(std::string_view buffer, std::size_t reported) {
    // A name cut at the buffer's end lies unterminated within the reported count; a whole name
    // has its NUL inside it, also when a list of the buffer size minus two reports that size.
    const std::string_view filled = buffer.substr(0, reported);
    std::vector<std::string> names;
    std::size_t position = 0;
    while (position < filled.size() && filled[position] != '\0') {
        const std::size_t end = filled.find('\0', position);
        if (end == std::string_view::npos) break;
        names.emplace_back(filled.substr(position, end - position));
        position = end + 1;
    }
    return names;
}

std::string NoteMarkup(std::string_view note) {
    std::string markup(kNotePrefix);
    markup += note;
    return markup;
}

}  // namespace zevadar::catalogue
