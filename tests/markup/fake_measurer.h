// A measurer with fixed advances, so layouts are the same on every machine: 6 pixels a character
// (7 in bold), lines 2 pixels taller than the font's character height ("Tahoma" -11 gives 13).
#pragma once

#include <algorithm>
#include <string_view>
#include <vector>

#include "window/markup/measurer.h"

namespace zevadar::markup::testing {

class FakeMeasurer : public Measurer {
public:
    static constexpr int kAdvance = 6;
    static constexpr int kBoldAdvance = 7;
    static constexpr int kIconSize = 16;

    FontId Font(const FontSpec& fontSpec) override {
        const auto known = std::find(fonts_.begin(), fonts_.end(), fontSpec);
        if (known != fonts_.end()) return static_cast<FontId>(known - fonts_.begin());
        fonts_.push_back(fontSpec);
        return static_cast<FontId>(fonts_.size() - 1);
    }
    int TextWidth(FontId font, std::string_view text) override {
        return static_cast<int>(text.size()) * (Spec(font).bold ? kBoldAdvance : kAdvance);
    }
    FontMetrics Metrics(FontId font) override {
        const int height = -Spec(font).height + 2;
        return {height, height - 2};
    }
    Size ImageSize(std::string_view source) override {
        return source.starts_with("SSYS:") ? Size{kIconSize, kIconSize} : Size{};
    }

    const FontSpec& Spec(FontId font) const { return fonts_.at(static_cast<std::size_t>(font)); }

private:
    std::vector<FontSpec> fonts_;
};

}  // namespace zevadar::markup::testing
