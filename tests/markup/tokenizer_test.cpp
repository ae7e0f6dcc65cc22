#include "window/markup/tokenizer.h"

#include <gtest/gtest.h>

#include <string>

namespace zevadar::markup {
namespace {

const char* KindName(TagKind tag) {
    switch (tag) {
        case TagKind::Bold:
            return "B";
        case TagKind::Italic:
            return "I";
        case TagKind::Underline:
            return "U";
        case TagKind::Strike:
            return "S";
        case TagKind::Font:
            return "FONT";
        case TagKind::Anchor:
            return "A";
        case TagKind::Break:
            return "BR";
        case TagKind::Rule:
            return "HR";
        case TagKind::Highlight:
            return "HI";
        case TagKind::Paragraph:
            return "P";
        case TagKind::List:
            return "UL";
        case TagKind::ListItem:
            return "LI";
        case TagKind::Indent:
            return "IN";
        case TagKind::Sub:
            return "SUB";
        case TagKind::Sup:
            return "SUP";
        case TagKind::Shadow:
            return "SH";
        case TagKind::Error:
            return "E";
        case TagKind::Hidden:
            return "Z";
        case TagKind::Image:
            return "IMG";
        case TagKind::Body:
            return "BODY";
    }
    return "?";
}

// Tokens as "[text]", "<KIND>" and "</KIND>", one after the other.
std::string Tokens(std::string_view source) {
    std::string out;
    Tokenizer tokenizer(source);
    while (const std::optional<Token> token = tokenizer.Next()) {
        if (token->kind == TokenKind::Text) {
            out.append("[").append(token->text).append("]");
        } else {
            out.append(token->kind == TokenKind::Tag ? "<" : "</").append(KindName(token->tag));
            out.append(">");
        }
    }
    return out;
}

struct TokenCase {
    std::string_view source;
    std::string_view tokens;
};

// Shown in test names.
void PrintTo(const TokenCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.source);
}

class TokenizerTest : public ::testing::TestWithParam<TokenCase> {};

TEST_P(TokenizerTest, ReadsRunsAndKnownTags) {
    EXPECT_EQ(Tokens(GetParam().source), GetParam().tokens) << GetParam().source;
}

INSTANTIATE_TEST_SUITE_P(
    Markup, TokenizerTest,
    ::testing::Values(
        TokenCase{"", ""}, TokenCase{"plain text", "[plain text]"},
        TokenCase{"<b>Note:</b> x", "<B>[Note:]</B>[ x]"},
        TokenCase{"<B>Dava<FONT color=\"#00000\">ex</FONT></B>", "<B>[Dava]<FONT>[ex]</FONT></B>"},
        TokenCase{"<a href=\"x\">s</a>", "<A>[s]</A>"},
        // Recognised by leading letters.
        TokenCase{"<br><BR/><bo><bogus><big>", "<BR><BR><BODY><BODY>"},
        TokenCase{"<hr><hi></hi></h><h1>", "<HR><HI></HI></HI>"},
        TokenCase{"<i></italic><in x=\"4\"><img src=\"x\">", "<I></I><IN><IMG>"},
        TokenCase{"<u></u><ul></ul><li></li>", "<U></U><UL></UL><LI></LI>"},
        TokenCase{"<s></s><sub></sup><sup><shadow></sh><sx>", "<S></S><SUB></SUB><SUP><SH></SH>"},
        TokenCase{"<p align=\"right\"></p><e></e><z></z>", "<P></P><E></E><Z></Z>"},
        // Unknown tags and end tags vanish without trace.
        TokenCase{"a<xyz>b<of><r><blink></br></bo>c", "[a][b][c]"},
        TokenCase{"a<>b</>c< b>", "[a][b][c]"},
        // A "<" without ">" swallows the rest; with fewer than two characters after it, too.
        TokenCase{"a < b and more", "[a ]"}, TokenCase{"a<", "[a]"}, TokenCase{"a<>", "[a]"},
        TokenCase{"a<b", "[a]"}, TokenCase{"<", ""}, TokenCase{"a>b", "[a>b]"},
        TokenCase{"x<b>", "[x]<B>"}));

TEST(TokenizerTest, TokensPointIntoTheSource) {
    const std::string source("a\0b<font color=\"red\">c", 22);
    Tokenizer tokenizer(source);
    const Token text = tokenizer.Next().value();
    EXPECT_EQ(text.text, std::string_view("a\0b", 3));
    EXPECT_EQ(text.text.data(), source.data());
    const Token tag = tokenizer.Next().value();
    EXPECT_EQ(tag.text, "font color=\"red\"");
    EXPECT_EQ(tag.text.data(), source.data() + 4);
}

struct AttributeCase {
    std::string_view tag;
    std::string_view name;
    bool upperCase;
    std::optional<std::string> value;
};

// Shown in test names.
void PrintTo(const AttributeCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.tag) << " " << c.name;
}

class AttributeTest : public ::testing::TestWithParam<AttributeCase> {};

TEST_P(AttributeTest, ReadsQuotedValues) {
    const AttributeCase& c = GetParam();
    EXPECT_EQ(Attribute(c.tag, c.name, c.upperCase), c.value) << c.tag << " " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Tags, AttributeTest,
    ::testing::Values(AttributeCase{"FONT color=\"#00000\"", "COLOR", true, "#00000"},
                      AttributeCase{"font Color = \"clBlue\"", "COLOR", true, "CLBLUE"},
                      AttributeCase{"font face=\"Arial Black\"", "FACE", false, "Arial Black"},
                      // COLOR needs a blank before it, so BGCOLOR is not taken for it.
                      AttributeCase{"font bgcolor=\"red\"", "COLOR", true, std::nullopt},
                      AttributeCase{"font bgcolor=\"red\" color=\"blue\"", "COLOR", true, "BLUE"},
                      AttributeCase{"p bgcolorto=\"x\" bgcolor=\"y\"", "BGCOLOR", true, "Y"},
                      AttributeCase{"font color=red", "COLOR", true, std::nullopt},
                      AttributeCase{"font color=red face=\"x\"", "COLOR", true, std::nullopt},
                      AttributeCase{"font color=\"red", "COLOR", true, std::nullopt},
                      AttributeCase{"font color", "COLOR", true, std::nullopt},
                      AttributeCase{"font color=\"\"", "COLOR", true, ""},
                      AttributeCase{"", "COLOR", true, std::nullopt}));

TEST(FirstQuotedTest, IsTheAnchorTargetWithItsCase) {
    EXPECT_EQ(FirstQuoted("a href=\"HTTPS://Example.com/Store\""), "HTTPS://Example.com/Store");
    EXPECT_EQ(FirstQuoted("A title=\"t\" href=\"u\""), "t");
    EXPECT_EQ(FirstQuoted("a href=x"), "");
    EXPECT_EQ(FirstQuoted("a href=\"x"), "");
    EXPECT_EQ(FirstQuoted(""), "");
}

}  // namespace
}  // namespace zevadar::markup
