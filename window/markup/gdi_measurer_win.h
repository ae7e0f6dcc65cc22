// Measures markup text with GDI fonts, each font made once and kept for the measurer's lifetime.
#pragma once

#include <windows.h>

#include <vector>

#include "window/handles_win.h"
#include "window/markup/measurer.h"

namespace zevadar::markup {

class GdiMeasurer final : public Measurer {
public:
    GdiMeasurer();

    FontId Font(const FontSpec& fontSpec) override;
    int TextWidth(FontId font, std::string_view text) override;
    FontMetrics Metrics(FontId font) override;
    Size ImageSize(std::string_view source) override;

    // The font for painting; the measurer keeps it alive.
    HFONT Handle(FontId font) const;

private:
    struct CachedFont {
        FontSpec fontSpec;
        window::UniqueFont font;
        FontMetrics metrics;
    };
    const CachedFont& Cached(FontId font) const;

    window::UniqueMemoryDc dc_;
    std::vector<CachedFont> fonts_;
};

// How many characters of text GDI takes in one call (its counts are ints).
int GdiLength(std::string_view text);

// Whether source starts with prefix, in any letter case ("ssys:" and "SSYS:" alike).
bool HasSourcePrefix(std::string_view source, std::string_view prefix);

}  // namespace zevadar::markup
