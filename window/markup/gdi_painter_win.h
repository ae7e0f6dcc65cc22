// Replays a display list onto a device context with GDI.
#pragma once

#include <windows.h>

#include "window/markup/display_list.h"
#include "window/markup/gdi_measurer_win.h"

namespace zevadar::markup {

// A markup colour as GDI takes it; system colours are looked up now.
COLORREF ToColorRef(const Color& color);

// Draws the list's items in order with the fonts of the measurer that laid it out. Text is
// drawn as it stands: no prefix processing, the one underlined character drawn explicitly.
void PaintDisplayList(HDC dc, const DisplayList& list, GdiMeasurer& fonts);

}  // namespace zevadar::markup
