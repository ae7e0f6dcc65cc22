#include "window/markup/gdi_painter_win.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "window/handles_win.h"

namespace zevadar::markup {
namespace {

void FillSolid(HDC dc, const Rect& rect, const Color& color) {
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    const window::UniqueBrush brush(CreateSolidBrush(ToColorRef(color)));
    FillRect(dc, &r, brush.get());
}

TRIVERTEX Vertex(int x, int y, const Color& color) {
    const COLORREF c = ToColorRef(color);
    // Vertex channels are 16-bit; a byte value goes in the high byte.
    return {x,
            y,
            static_cast<COLOR16>(GetRValue(c) << 8),
            static_cast<COLOR16>(GetGValue(c) << 8),
            static_cast<COLOR16>(GetBValue(c) << 8),
            0};
}

void PaintFill(HDC dc, const Fill& fill) {
    if (fill.from == fill.to) {
        FillSolid(dc, fill.rect, fill.from);
        return;
    }
    TRIVERTEX vertices[2] = {Vertex(fill.rect.left, fill.rect.top, fill.from),
                             Vertex(fill.rect.right, fill.rect.bottom, fill.to)};
    GRADIENT_RECT rect{0, 1};
    const ULONG mode = fill.vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H;
    GradientFill(dc, vertices, 2, &rect, 1, mode);
}

void PaintText(HDC dc, const TextRun& run, GdiMeasurer& fonts) {
    HFONT font = fonts.Handle(run.font);
    if (!font) return;
    window::ScopedSelect select(dc, font);
    SetTextColor(dc, ToColorRef(run.color));
    if (run.background) {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, ToColorRef(*run.background));
    } else {
        SetBkMode(dc, TRANSPARENT);
    }
    // Each character goes exactly where measuring put it: some renderers advance drawn glyphs
    // by other widths than they report, which would open gaps between the runs of a line.
    const int length = GdiLength(run.text);
    std::vector<INT> extents(static_cast<std::size_t>(length));
    SIZE size{};
    GetTextExtentExPointA(dc, run.text.data(), length, 0, nullptr, extents.data(), &size);
    for (std::size_t i = extents.size(); i-- > 1;) extents[i] -= extents[i - 1];
    ExtTextOutA(dc, run.x, run.y, 0, nullptr, run.text.data(), static_cast<UINT>(length),
                extents.data());

    const auto index = static_cast<std::size_t>(run.underlined);
    if (run.underlined < 0 || index >= run.text.size()) return;
    // The character an "&" prefix marks gets a one-pixel line under it, below the baseline.
    SIZE before{};
    SIZE through{};
    GetTextExtentPoint32A(dc, run.text.data(), static_cast<int>(index), &before);
    GetTextExtentPoint32A(dc, run.text.data(), static_cast<int>(index + 1), &through);
    const int y = run.y + fonts.Metrics(run.font).ascent + 1;
    FillSolid(dc, {run.x + before.cx, y, run.x + through.cx, y + 1}, run.color);
}

void PaintLine(HDC dc, const HorizontalLine& line) {
    FillSolid(dc, {line.left, line.y, line.right, line.y + 1}, line.color);
}

void PaintZigzag(HDC dc, const Zigzag& zigzag) {
    std::vector<POINT> points;
    const Rect& r = zigzag.rect;
    const int step = r.bottom - r.top - 1;
    if (step <= 0) return;
    for (int x = r.left, up = 0; x <= r.right; x += step, up ^= 1) {
        points.push_back({x, up ? r.top : r.bottom - 1});
    }
    const window::UniquePen pen(CreatePen(PS_SOLID, 1, ToColorRef(zigzag.color)));
    window::ScopedSelect select(dc, pen.get());
    Polyline(dc, points.data(), static_cast<int>(points.size()));
}

// Only the shell's own icons of files and folders are drawn; picture files and resources would
// need a decoder and draw nothing.
void PaintPicture(HDC dc, const Picture& picture) {
    const bool small = HasSourcePrefix(picture.source, "SSYS:");
    if (!small && !HasSourcePrefix(picture.source, "LSYS:")) return;
    const std::string path = picture.source.substr(5);
    SHFILEINFOA info{};
    const UINT flags = SHGFI_ICON | (small ? SHGFI_SMALLICON : SHGFI_LARGEICON);
    if (!SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, flags) || !info.hIcon) return;
    const window::UniqueIcon icon(info.hIcon);
    const Rect& r = picture.rect;
    DrawIconEx(dc, r.left, r.top, icon.get(), r.right - r.left, r.bottom - r.top, 0, nullptr,
               DI_NORMAL);
}

}  // namespace

COLORREF ToColorRef(const Color& color) {
    if (color.IsSystem()) return GetSysColor(color.system);
    return RGB((color.rgb >> 16) & 0xFF, (color.rgb >> 8) & 0xFF, color.rgb & 0xFF);
}

void PaintDisplayList(HDC dc, const DisplayList& list, GdiMeasurer& fonts) {
    const int savedState = SaveDC(dc);
    for (const DisplayItem& item : list.items) {
        if (const auto* run = std::get_if<TextRun>(&item)) {
            PaintText(dc, *run, fonts);
        } else if (const auto* fill = std::get_if<Fill>(&item)) {
            PaintFill(dc, *fill);
        } else if (const auto* line = std::get_if<HorizontalLine>(&item)) {
            PaintLine(dc, *line);
        } else if (const auto* zigzag = std::get_if<Zigzag>(&item)) {
            PaintZigzag(dc, *zigzag);
        } else {
            PaintPicture(dc, std::get<Picture>(item));
        }
    }
    RestoreDC(dc, savedState);
}

}  // namespace zevadar::markup
