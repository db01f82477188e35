// Painting the range controls many times leaves no GDI objects and no memory behind.
#include <functional>

#include "skin/controls/header.h"
#include "skin/controls/progress_bar.h"
#include "skin/controls/trackbar.h"
#include "skin/controls/up_down.h"
#include "tests/skin/range_controls_fixture.h"

namespace range_test {
namespace {

TEST_F(RangeControlsTest, PaintersLeaveNothingBehind) {
    SkinWindow();
    frame_test::recordMessages = false;
    int round = 0;
    const struct {
        const char* name;
        std::function<void()> once;
    } painters[] = {
        {"trackbar hover and leave",
         [&] {
             SendMessageA(selTrackbar_, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
             SendMessageA(selTrackbar_, WM_MOUSELEAVE, 0, 0);
         }},
        {"progress step",
         [&] { SendMessageA(progress_, PBM_STEPIT, 0, 0), skin::PaintProgress(progress_); }},
        {"up-down half change",
         [&] { SendMessageA(upDown_, WM_MOUSEMOVE, 0, MAKELPARAM(5, (round++ % 2) ? 25 : 5)); }},
        {"header hover and leave",
         [&] {
             SendMessageA(header_, WM_MOUSEMOVE, 0, MAKELPARAM(100, 5));
             SendMessageA(header_, WM_MOUSELEAVE, 0, 0);
         }},
    };
    for (const auto& p : painters) {
        SCOPED_TRACE(p.name);
        const auto growth = testing_support::MeasureGrowth(
            60,
            [&] {
                p.once();
                recorder_.Clear();  // the recorder's log would grow otherwise
            },
            10);
        EXPECT_EQ(growth.firstGdi, 0);
        EXPECT_EQ(growth.secondGdi, 0);
        EXPECT_LT(growth.secondBytes, testing_support::kMemorySlack) << growth.firstBytes;
    }
}

}  // namespace
}  // namespace range_test
