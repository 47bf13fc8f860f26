#include "Views_test_support.h"

#include "views/SimObjView.h"

#include <algorithm>

namespace {

const SDL_Color yellow_c = {238, 238, 0, 0};

// Whether some non-transparent pixel of the picture lies within one pixel of (x, y).
bool silhouette_near(const GUIImage& picture, int x, int y) {
    for (int py = std::max(y - 1, 0); py <= std::min(y + 1, picture.geth() - 1); ++py)
        for (int px = std::max(x - 1, 0); px <= std::min(x + 1, picture.getw() - 1); ++px)
            if (!picture.point_is_color(px, py, magenta_c))
                return true;
    return false;
}

} // namespace

using Icon_test = Views_test;

TEST_F(Icon_test, SelectionHaloIsTheSilhouetteGrownByOnePixelAndGoesWithTheSelection) {
    const GUIImage picture("images/blip.bmp", false, white_c);
    const int w = picture.getw();
    const int h = picture.geth();
    SimObjView icon("Ajax", picture, nullptr);
    SimObjViewImpl* impl = icon.get_impl();
    impl->toggle_select();
    EXPECT_EQ(str(GUI::DispPoint(impl->get_w(), impl->get_h())), str(GUI::DispPoint(w + 4, h + 4)));
    EXPECT_EQ(icon.get_h(), h + 4);
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
    EXPECT_EQ(str(GUI::DispPoint(impl->get_w(), impl->get_h())), str(GUI::DispPoint(w, h)));
    EXPECT_EQ(icon.get_h(), h);
    wrong = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            wrong += is_color(impl->get_image_ptr(), x, y, yellow_c);
    EXPECT_EQ(wrong, 0) << "the halo must go with the selection";
}
