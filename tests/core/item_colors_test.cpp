#include "core/menu_colors.h"

#include <gtest/gtest.h>

using namespace core;

TEST(BlendMenuColor, StepsRoundToTheNearestWithHalvesToEven) {
    struct Case { const char* name; double ratio; TColorRef menu, highlight, expected; };
    const TColorRef grey = Rgb(240, 240, 240), white = Rgb(255, 255, 255);
    const Case cases[] = {
        {"7.5 goes to 8", 0.5, grey, white, Rgb(248, 248, 248)},
        {"3.75 goes to 4", 0.25, grey, white, Rgb(244, 244, 244)},
        {"6.5 goes to 6", 0.5, Rgb(241, 241, 241), Rgb(254, 254, 254), Rgb(247, 247, 247)},
        {"ratio 0 is the menu colour", 0.0, grey, white, grey},
        {"ratio 1 is the highlight", 1.0, grey, white, white},
        {"each byte on its own", 0.5, Rgb(10, 20, 30), Rgb(20, 21, 250), Rgb(15, 20, 140)},
        {"a darker highlight: -7.5 goes to -8", 0.5, Rgb(250, 250, 250), Rgb(235, 235, 235), Rgb(242, 242, 242)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BlendMenuColor(c.ratio, c.menu, c.highlight), c.expected);
    }
}
