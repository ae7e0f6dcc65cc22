#include "window/markup/tokenizer.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace zevadar::markup {
namespace {

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}
bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The tag name: the leading letters, upper-cased (tags are told apart by a few letters only).
std::string LeadingLetters(std::string_view text) {
    std::string name;
    for (char c : text) {
        if (!IsLetter(c)) break;
        name += Upper(c);
    }
    return name;
}

// How a tag name is told: by its first letters, or (exact) by being just those letters. The
// first row that matches decides, for an opening and for an end tag alike.
struct TagRow {
    std::string_view letters;
    bool exact;
    std::optional<TagKind> opening;
    std::optional<TagKind> closing;
};

constexpr std::optional<TagKind> kNone;

constexpr std::array<TagRow, 23> kTagRows{{
    {"A", false, TagKind::Anchor, TagKind::Anchor},
    {"B", true, TagKind::Bold, TagKind::Bold},
    {"BR", false, TagKind::Break, kNone},
    {"BO", false, TagKind::Body, kNone},
    {"E", false, TagKind::Error, TagKind::Error},
    {"F", false, TagKind::Font, TagKind::Font},
    {"HR", false, TagKind::Rule, TagKind::Highlight},  // any "</H...>" ends highlighting
    {"HI", false, TagKind::Highlight, TagKind::Highlight},
    {"H", false, kNone, TagKind::Highlight},
    {"I", true, TagKind::Italic, TagKind::Italic},
    {"IN", false, TagKind::Indent, TagKind::Italic},  // any "</I...>" ends italics
    {"IM", false, TagKind::Image, TagKind::Italic},
    {"I", false, kNone, TagKind::Italic},
    {"L", false, TagKind::ListItem, TagKind::ListItem},
    {"P", false, TagKind::Paragraph, TagKind::Paragraph},
    {"S", true, TagKind::Strike, TagKind::Strike},
    {"SUB", false, TagKind::Sub, TagKind::Sub},  // any "</SU...>" ends both shifts
    {"SUP", false, TagKind::Sup, TagKind::Sub},
    {"SU", false, kNone, TagKind::Sub},
    {"SH", false, TagKind::Shadow, TagKind::Shadow},
    {"U", true, TagKind::Underline, TagKind::Underline},
    {"U", false, TagKind::List, TagKind::List},  // "<UL>" and any other U with more letters
    {"Z", false, TagKind::Hidden, TagKind::Hidden},
}};

std::optional<TagKind> Classify(std::string_view name, bool closing) {
    for (const TagRow& row : kTagRows) {
        const bool matches = row.exact ? name == row.letters : name.starts_with(row.letters);
        if (matches) return closing ? row.closing : row.opening;
    }
    return std::nullopt;
}

// Where `name` stands in text after a blank, compared without regard to case, followed by
// optional blanks and "="; npos if nowhere. Returns the position just after the "=".
std::size_t FindAssignment(std::string_view text, std::string_view name) {
    for (std::size_t at = 1; at + name.size() <= text.size(); ++at) {
        if (!IsBlank(text[at - 1])) continue;
        std::size_t i = 0;
        while (i < name.size() && Upper(text[at + i]) == name[i]) ++i;
        if (i < name.size()) continue;
        std::size_t next = at + name.size();
        while (next < text.size() && IsBlank(text[next])) ++next;
        if (next < text.size() && text[next] == '=') return next + 1;
    }
    return std::string_view::npos;
}

}  // namespace

std::optional<Token> Tokenizer::Next() {
    while (pos_ < source_.size()) {
        if (source_[pos_] != '<') {
            const std::size_t end = std::min(source_.find('<', pos_), source_.size());
            Token token{TokenKind::Text, TagKind::Bold, source_.substr(pos_, end - pos_)};
            pos_ = end;
            return token;
        }
        const std::size_t close = source_.find('>', pos_);
        // An unterminated tag, or a "<" with fewer than two characters after it, ends the text.
        if (close == std::string_view::npos || source_.size() - pos_ < 3) {
            pos_ = source_.size();
            return std::nullopt;
        }
        std::string_view text = source_.substr(pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
        const bool closing = !text.empty() && text.front() == '/';
        if (closing) text.remove_prefix(1);
        const std::string name = LeadingLetters(text);
        const std::optional<TagKind> kind = Classify(name, closing);
        if (kind) return Token{closing ? TokenKind::EndTag : TokenKind::Tag, *kind, text};
    }
    return std::nullopt;
}

std::optional<std::string> Attribute(std::string_view tagText, std::string_view name,
                                     bool upperCase) {
    std::size_t at = FindAssignment(tagText, name);
    if (at == std::string_view::npos) return std::nullopt;
    while (at < tagText.size() && IsBlank(tagText[at])) ++at;
    if (at >= tagText.size() || tagText[at] != '"') return std::nullopt;
    const std::size_t end = tagText.find('"', at + 1);
    if (end == std::string_view::npos) return std::nullopt;
    std::string value(tagText.substr(at + 1, end - at - 1));
    if (upperCase) {
        for (char& c : value) c = Upper(c);
    }
    return value;
}

std::string_view FirstQuoted(std::string_view tagText) {
    const std::size_t open = tagText.find('"');
    if (open == std::string_view::npos) return {};
    const std::size_t close = tagText.find('"', open + 1);
    if (close == std::string_view::npos) return {};
    return tagText.substr(open + 1, close - open - 1);
}

}  // namespace zevadar::markup
