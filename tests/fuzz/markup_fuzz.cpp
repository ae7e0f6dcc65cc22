// Parses and lays out any input as label markup with the fixed-advance measurer, and checks that
// the display list only points at what exists. The first byte picks the label's height, so
// layouts run past the two lines of a note as well.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tests/markup/fake_measurer.h"
#include "window/markup/display_list.h"
#include "window/markup/layout.h"

namespace {

using namespace zevadar::markup;

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    testing::FakeMeasurer measurer;
    LayoutOptions options;
    options.width = 289;
    options.height = 32 + data[0] * 8;
    options.baseFont = {.face = "Tahoma", .height = -11};
    options.baseColor = kGray;
    const std::string_view markup(reinterpret_cast<const char*>(data) + 1, size - 1);
    const DisplayList list = Layout(markup, options, measurer);

    for (const DisplayItem& item : list.items) {
        if (const auto* run = std::get_if<TextRun>(&item)) {
            Check(!run->text.empty());
            Check(run->underlined < static_cast<int>(run->text.size()));
            Check(run->y >= 0);
        }
    }
    Check(list.textBlock.width >= 2 && list.textBlock.height >= 2);
    for (const LinkBox& link : list.links) {
        const LinkBox* hit = HitTest(list, link.rect.left, link.rect.top);
        Check(hit != nullptr && hit->rect.Contains(link.rect.left, link.rect.top));
        (void)IsShellTarget(hit->target);
    }
    return 0;
}
