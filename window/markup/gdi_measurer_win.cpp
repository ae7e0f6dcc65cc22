#include "window/markup/gdi_measurer_win.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace zevadar::markup {

GdiMeasurer::GdiMeasurer() : dc_(CreateCompatibleDC(nullptr)) {}

FontId GdiMeasurer::Font(const FontSpec& fontSpec) {
    const auto known = std::find_if(fonts_.begin(), fonts_.end(), [&](const CachedFont& cached) {
        return cached.fontSpec == fontSpec;
    });
    if (known != fonts_.end()) return static_cast<FontId>(known - fonts_.begin());

    // The bullet comes from the Symbol font, which only maps with its own character set.
    const DWORD charset = fontSpec.face == "Symbol" ? SYMBOL_CHARSET : DEFAULT_CHARSET;
    window::UniqueFont font(CreateFontA(
        fontSpec.height, 0, 0, 0, fontSpec.bold ? FW_BOLD : FW_NORMAL, fontSpec.italic,
        fontSpec.underline, fontSpec.strikeOut, charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
        DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, fontSpec.face.c_str()));
    FontMetrics metrics;
    if (font) {
        window::ScopedSelect select(dc_.get(), font.get());
        TEXTMETRICA tm{};
        if (GetTextMetricsA(dc_.get(), &tm)) metrics = {tm.tmHeight, tm.tmAscent};
    }
    fonts_.push_back({fontSpec, std::move(font), metrics});
    return static_cast<FontId>(fonts_.size() - 1);
}

const GdiMeasurer::CachedFont& GdiMeasurer::Cached(FontId font) const {
    return fonts_.at(static_cast<std::size_t>(font));
}

int GdiMeasurer::TextWidth(FontId font, std::string_view text) {
    const CachedFont& cached = Cached(font);
    if (!cached.font) return 0;
    window::ScopedSelect select(dc_.get(), cached.font.get());
    SIZE size{};
    GetTextExtentPoint32A(dc_.get(), text.data(), GdiLength(text), &size);
    return size.cx;
}

FontMetrics GdiMeasurer::Metrics(FontId font) {
    return Cached(font).metrics;
}

Size GdiMeasurer::ImageSize(std::string_view source) {
    if (HasSourcePrefix(source, "SSYS:")) {
        return {GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
    }
    if (HasSourcePrefix(source, "LSYS:")) {
        return {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
    }
    return {};  // picture files and resources are not decoded: they draw nothing
}

HFONT GdiMeasurer::Handle(FontId font) const {
    return Cached(font).font.get();
}

int GdiLength(std::string_view text) {
    return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
}

bool HasSourcePrefix(std::string_view source, std::string_view prefix) {
    if (source.size() < prefix.size()) return false;
    return std::equal(prefix.begin(), prefix.end(), source.begin(), [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) ==
               std::toupper(static_cast<unsigned char>(b));
    });
}

}  // namespace zevadar::markup
