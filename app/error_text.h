// The text of the box that reports a failure.
#pragma once

#include <string>
#include <string_view>

namespace zevadar::app {

// A full stop is added when the text ends in a character above "." (a letter, a digit, ...),
// so a message that already ends in a full stop, a comma or a blank stays as it is.
inline std::string ErrorBoxText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    return text;
}

}  // namespace zevadar::app
