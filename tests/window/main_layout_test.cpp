#include "window/main_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace zevadar::window {
namespace {

const ControlSpec& Spec(ControlId id) {
    return *std::ranges::find(kMainControls, id, &ControlSpec::id);
}

TEST(MainLayout, ListsInCreationOrderWithTheirIds) {
    for (std::size_t i = 0; i < std::size(kMainControls); ++i)
        EXPECT_EQ(kMainControls[i].id, kImgBkgnd + static_cast<int>(i));
}

TEST(MainLayout, EachListBlockKeepsItsPattern) {
    // Caption, list, Go image and note stand at fixed offsets from the caption's top.
    const struct {
        ControlId caption, list, go, note;
        int top;
    } blocks[] = {{kLbRun, kCmbRun, kImgGoRun, kLbNoteRun, 89},
                  {kLbCpl, kCmbCpl, kImgGoCpl, kLbNoteCpl, 161},
                  {kLbMsc, kCmbMsc, kImgGoMsc, kLbNoteMsc, 233}};
    for (const auto& block : blocks) {
        SCOPED_TRACE(block.top);
        EXPECT_EQ(Spec(block.caption).top, block.top);
        EXPECT_EQ(Spec(block.list).top, block.top + 15);
        EXPECT_EQ(Spec(block.go).top, block.top + 13);
        EXPECT_EQ(Spec(block.note).top, block.top + 39);
        for (ControlId id : {block.caption, block.list, block.note}) EXPECT_EQ(Spec(id).left, 199);
        EXPECT_EQ(Spec(block.go).left, 468);
    }
}

TEST(MainLayout, TabGoesDownTheListsThenToTheButtons) {
    const ControlId order[] = {kCmbRun, kCmbCpl, kCmbMsc, kBtnRunDlg, kBtnExit};
    for (int tab = 0; tab < static_cast<int>(std::size(order)); ++tab)
        EXPECT_EQ(Spec(order[tab]).tabOrder, tab);
    EXPECT_EQ(std::ranges::count_if(kMainControls,
                                    [](const ControlSpec& row) { return row.tabOrder >= 0; }),
              static_cast<long>(std::size(order)));
}

TEST(MainLayout, CentresAndNeverPlacesOffTheTopLeft) {
    const struct {
        int screen, window, origin;
    } cases[] = {{1024, 536, 244}, {1025, 536, 244}, {536, 536, 0}, {400, 536, 0}, {0, 536, 0}};
    for (const auto& c : cases) EXPECT_EQ(CentredOrigin(c.screen, c.window), c.origin) << c.screen;
}

}  // namespace
}  // namespace zevadar::window
