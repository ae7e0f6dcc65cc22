// A label that draws markup: bold, fonts, colours and links, word-wrapped into its rectangle.
// Its window text is its markup, so WM_SETTEXT rewrites it and WM_GETTEXT reads it back.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "window/control_win.h"
#include "window/markup/display_list.h"
#include "window/markup/gdi_measurer_win.h"
#include "window/markup/layout.h"

namespace zevadar::window {

// Hands a pressed link's target to the shell ("open", no owner, shown normally).
void OpenWithShell(const std::string& target);

struct MarkupLabelCreateArgs {
    HWND parent = nullptr;
    int id = 0;
    RECT bounds{};  // in the parent's client coordinates
    std::string markup;
    markup::FontSpec font{.face = "Tahoma", .height = -11};
    markup::Color color = markup::kBlack;
    // Opaque labels fill their rectangle with the window's white first; transparent ones show
    // what the parent paints beneath them (the parent must answer WM_PRINTCLIENT).
    bool opaque = false;
    markup::Color urlColor = markup::kBlue;
    markup::Color shadowColor = markup::kGray;
    int shadowOffset = 2;
    // Where a pressed link with "://" or "mailto:" goes.
    std::function<void(const std::string& target)> openLink = OpenWithShell;
};

class MarkupLabel : public DrawnControl {
public:
    // Creates the label from its row of the main window's layout table.
    void Create(HWND parent, const ControlSpec& row) override;
    // Creates the label as a visible child window; null on failure.
    HWND Create(const MarkupLabelCreateArgs& args);

    // Replaces the whole markup; the label is redrawn at the next paint.
    void SetMarkup(std::string_view markup);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Draws the whole label into dc, which covers exactly the label.
    virtual void Render(HDC dc, int width, int height);
    // The markup, font or size changed: anything derived from the last drawing is stale.
    virtual void OnChanged() {}

    // The background (the window colour, or what the parent shows beneath the label).
    void PaintBackground(HDC dc, int width, int height);
    // Lays the markup out anew and draws its text; the result serves hit testing until the next.
    void PaintText(HDC dc, int width, int height);
    const markup::DisplayList& displayList() const { return list_; }

private:
    void Paint(HDC target) override;
    void LayOut(int width, int height);
    const markup::LinkBox* LinkAt(POINT client);
    bool SetCursorForLink();
    void Press(LPARAM position);

    markup::LayoutOptions options_;
    bool opaque_ = false;
    std::function<void(const std::string&)> openLink_;
    std::string markup_;
    markup::GdiMeasurer measurer_;
    markup::DisplayList list_;
    bool laidOut_ = false;
};

}  // namespace zevadar::window
