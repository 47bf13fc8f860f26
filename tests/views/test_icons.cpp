#include "Views_test_support.h"

#include "views/SimObjView.h"

#include <algorithm>

namespace {

// Whether some non-transparent pixel of the picture lies within one pixel of (x, y).
bool silhouette_near(const GUIImage& picture, int x, int y) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const int px = x + dx;
            const int py = y + dy;
            if (px >= 0 && py >= 0 && px < picture.getw() && py < picture.geth() &&
                !picture.point_is_color(px, py, magenta_c))
                return true;
        }
    return false;
}

} // namespace

using Icon_test = Views_test;

TEST_F(Icon_test, SelectingDrawsAYellowHaloAndTellsTheControllerOnce) {
    const GUIImage picture("images/blip.bmp", false, white_c);
    const int w = picture.getw();
    const int h = picture.geth();
    const std::string unselected_size = str(GUI::DispPoint(std::max(w, 50), h));
    Recording_controller controller;
    SimObjView icon("Ajax", picture, &controller);
    SimObjViewImpl* impl = icon.get_impl();
    ASSERT_EQ(size_of(icon), unselected_size);

    impl->toggle_select();
    EXPECT_TRUE(impl->is_selected());
    EXPECT_EQ(controller.picks, std::vector<std::string>{"Ajax"});
    EXPECT_EQ(size_of(*impl), str(GUI::DispPoint(w + 4, h + 4)));
    EXPECT_EQ(size_of(icon), str(GUI::DispPoint(std::max(w, 50) + 4, h + 4)));
    // The picture sits one pixel in, over its silhouette grown by one pixel;
    // the halo is the picture's size, drawn at the corner.
    int wrong = 0;
    for (int y = 0; y < h + 4; ++y)
        for (int x = 0; x < w + 4; ++x) {
            if (x >= 1 && y >= 1 && x <= w && y <= h &&
                !picture.point_is_color(x - 1, y - 1, magenta_c))
                wrong += !same_color(impl->get_image_ptr(), x, y, picture, x - 1, y - 1);
            else if (x < w && y < h && silhouette_near(picture, x, y))
                wrong += !is_color(impl->get_image_ptr(), x, y, yellow_c);
        }
    EXPECT_EQ(wrong, 0);

    impl->toggle_select();
    EXPECT_FALSE(impl->is_selected());
    EXPECT_EQ(controller.picks.size(), 1u);
    EXPECT_EQ(size_of(*impl), str(GUI::DispPoint(w, h)));
    EXPECT_EQ(size_of(icon), unselected_size);
    wrong = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            wrong += is_color(impl->get_image_ptr(), x, y, yellow_c);
    EXPECT_EQ(wrong, 0) << "the halo must go with the selection";
}
