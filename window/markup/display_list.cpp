#include "window/markup/display_list.h"

namespace zevadar::markup {

const LinkBox* HitTest(const DisplayList& list, int x, int y) {
    for (const LinkBox& link : list.links) {
        if (link.rect.Contains(x, y)) return &link;
    }
    return nullptr;
}

bool IsShellTarget(std::string_view target) {
    return target.find("://") != std::string_view::npos ||
           target.find("mailto:") != std::string_view::npos;
}

}  // namespace zevadar::markup
