#include "window/markup/entities.h"

#include <array>
#include <cctype>
#include <vector>

namespace zevadar::markup {
namespace {

struct Entity {
    std::string_view name;
    char value;
    bool anyCase;
};

// Values are Windows-1252 codes of the system's ANSI code page.
constexpr std::array<Entity, 12> kEntities{{
    {"nbsp", ' ', false},
    {"lt", '<', false},
    {"gt", '>', false},
    {"amp", '&', true},
    {"quot", '"', true},
    {"sect", '\xA7', true},
    {"reg", '\xAE', true},
    {"copy", '\xA9', true},
    {"para", '\xB6', true},
    {"trade", '\x99', true},
    {"euro", '\x80', true},
    {"permil", '\x89', true},
}};
constexpr std::size_t kLongestEntity = 6;

bool SameName(std::string_view text, std::string_view name, bool anyCase) {
    if (text.size() != name.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = anyCase
                           ? static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])))
                           : text[i];
        if (c != name[i]) return false;
    }
    return true;
}

// The entity starting at raw[at] == '&', with its length, if there is one.
const Entity* EntityAt(std::string_view raw, std::size_t at, std::size_t& length) {
    const std::size_t semicolon = raw.substr(at + 1, kLongestEntity + 1).find(';');
    if (semicolon == std::string_view::npos) return nullptr;
    const std::string_view name = raw.substr(at + 1, semicolon);
    for (const Entity& entity : kEntities) {
        if (SameName(name, entity.name, entity.anyCase)) {
            length = semicolon + 2;
            return &entity;
        }
    }
    return nullptr;
}

}  // namespace

bool HasSpacedAmpersand(std::string_view markup) {
    return markup.find(" & ") != std::string_view::npos;
}

DecodedText DecodeText(std::string_view raw, bool literalAmpersands) {
    // First the entities; an ampersand an entity gave is marked so that it is never a prefix.
    std::string chars;
    std::vector<bool> prefix;
    chars.reserve(raw.size());
    prefix.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size();) {
        std::size_t length = 0;
        const Entity* entity = raw[i] == '&' ? EntityAt(raw, i, length) : nullptr;
        chars += entity ? entity->value : raw[i];
        prefix.push_back(!entity && raw[i] == '&' && !literalAmpersands);
        i += entity ? length : 1;
    }
    if (literalAmpersands) return {std::move(chars), -1};

    DecodedText decoded;
    decoded.text.reserve(chars.size());
    for (std::size_t i = 0; i < chars.size(); ++i) {
        if (!prefix[i]) {
            decoded.text += chars[i];
            continue;
        }
        if (i + 1 >= chars.size()) break;  // a trailing prefix underlines nothing
        if (prefix[i + 1]) {
            decoded.text += '&';  // "&&" draws one
        } else {
            if (decoded.underlined < 0) decoded.underlined = static_cast<int>(decoded.text.size());
            decoded.text += chars[i + 1];
        }
        ++i;
    }
    return decoded;
}

}  // namespace zevadar::markup
