// The characters a text run of the markup draws: character entities replaced and ampersands
// resolved, so the painter draws exactly these characters and never applies prefix rules.
#pragma once

#include <string>
#include <string_view>

namespace zevadar::markup {

struct DecodedText {
    std::string text;
    int underlined = -1;  // index into text of the character an "&" prefix underlines, or -1
};

// True where the markup holds " & ": then every ampersand is drawn as it stands.
bool HasSpacedAmpersand(std::string_view markup);

// Replaces the entities of a text run ("&lt;", "&copy;", ... in the ANSI code page). Unless
// ampersands are literal, an ampersand from the source is not drawn and underlines the next
// character (the first such in the run), and "&&" draws one; "&amp;" always draws one.
DecodedText DecodeText(std::string_view raw, bool literalAmpersands);

}  // namespace zevadar::markup
