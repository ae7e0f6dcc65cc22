// Speed of a note label's paint under GDI (layout with real fonts, drawing, double buffering),
// and of the title's reflection. Prints figures; it is no pass/fail test.
#include <windows.h>

#include <cstdio>

#include "tests/markup/bench_note.h"
#include "window/handles_win.h"
#include "window/markup/gdi_measurer_win.h"
#include "window/markup/layout.h"
#include "window/markup_label_win.h"
#include "window/reflection_label_win.h"

namespace {

using namespace zevadar;

class Parent : public window::Wnd {
public:
    Parent() {
        window::WndCreateArgs args;
        args.style = WS_POPUP;
        args.bounds = {0, 0, 420, 160};
        Create(args);
    }
};

double Now() {
    LARGE_INTEGER counter{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Runs work `times` times and prints the mean time of one run.
template <typename Work>
void Measure(const char* name, int times, Work work) {
    work();  // warm the font caches
    const double start = Now();
    for (int i = 0; i < times; ++i) work();
    const double each = (Now() - start) / times;
    std::printf("%-40s %10.1f us  (%d runs)\n", name, each * 1e6, times);
}

}  // namespace

int main() {
    const std::string note = markup::testing::BenchNote();
    std::printf("note of %zu characters\n", note.size());

    markup::GdiMeasurer measurer;
    markup::LayoutOptions options;
    options.width = 289;
    options.height = 32;
    options.baseFont = {.face = "Tahoma", .height = -11};
    options.baseColor = markup::kGray;
    Measure("layout with GDI fonts", 2000, [&] { (void)markup::Layout(note, options, measurer); });

    Parent parent;
    window::MarkupLabelCreateArgs args;
    args.parent = parent.hwnd();
    args.bounds = {10, 10, 299, 42};
    args.markup = note;
    args.color = markup::kGray;
    args.opaque = true;
    window::MarkupLabel label;
    label.Create(args);

    const window::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    const window::UniqueBitmap bitmap(CreateBitmap(289, 32, 1, 32, nullptr));
    window::ScopedSelect select(dc.get(), bitmap.get());
    const auto paint = [&](HWND hwnd) {
        SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
        GdiFlush();
    };
    Measure("note label paint (opaque)", 2000, [&] { paint(label.hwnd()); });

    window::MarkupLabelCreateArgs titleArgs;
    titleArgs.parent = parent.hwnd();
    titleArgs.bounds = {10, 60, 363, 101};
    titleArgs.markup = "<B>Dava<FONT color=\"#00000\">ex</FONT> - Zevadar</B>";
    titleArgs.font = {.face = "Verdana", .height = -21, .bold = true};
    titleArgs.color = markup::kWhite;
    window::ReflectionLabel title;
    title.Create(titleArgs);
    Measure("title paint, reflection cached", 2000, [&] { paint(title.hwnd()); });
    Measure("title paint, reflection rebuilt", 500, [&] {
        title.SetMarkup(titleArgs.markup);
        paint(title.hwnd());
    });
    return 0;
}
