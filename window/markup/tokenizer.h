// A pull tokenizer for label markup: text runs and the tags it knows, pointing into the source.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zevadar::markup {

enum class TagKind {
    Bold,
    Italic,
    Underline,
    Strike,
    Font,
    Anchor,
    Break,
    Rule,
    Highlight,
    Paragraph,
    List,
    ListItem,
    Indent,
    Sub,  // as an end tag it ends superscript too
    Sup,
    Shadow,
    Error,
    Hidden,
    Image,
    Body,
};

enum class TokenKind { Text, Tag, EndTag };

struct Token {
    TokenKind kind = TokenKind::Text;
    TagKind tag = TagKind::Bold;  // for Tag and EndTag
    std::string_view text;        // a text run, or everything between "<" and ">"
};

// Tags are known by their leading letters in any case ("<FONT ...>" and "<f>" both open a font);
// tags it does not know are skipped. A "<" without a later ">" hides the rest of the source.
class Tokenizer {
public:
    explicit Tokenizer(std::string_view source) : source_(source) {}
    std::optional<Token> Next();

private:
    std::string_view source_;
    std::size_t pos_ = 0;
};

// The value of attribute `name` (upper case) in a tag's text: the text between the double quotes
// of `name="value"`, where the name stands after a blank and in any case; absent if unquoted.
// With upperCase the value is read from an upper-cased copy, as font, paragraph and body
// attributes are.
std::optional<std::string> Attribute(std::string_view tagText, std::string_view name,
                                     bool upperCase);

// The first double-quoted value in a tag's text (an anchor's target), or empty.
std::string_view FirstQuoted(std::string_view tagText);

}  // namespace zevadar::markup
