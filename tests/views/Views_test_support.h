#ifndef FLOTILLA_TESTS_VIEWS_VIEWS_TEST_SUPPORT_H
#define FLOTILLA_TESTS_VIEWS_VIEWS_TEST_SUPPORT_H

#include "Gui_test_support.h"

#include "gui/Drawing.h"
#include "gui/GUIImage.h"
#include "gui/GUILetter.h"
#include "sim/Model.h"
#include "views/GUI_based_view.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

const SDL_Color white_c = {255, 255, 255, 0};
const SDL_Color magenta_c = {255, 0, 255, 0};

// The world is a singleton: every test starts and ends with it empty. The
// views open their pictures and font by paths relative to the resource folder.
class Views_test : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!TTF_WasInit()) {
            ASSERT_EQ(TTF_Init(), 0);
        }
        ASSERT_EQ(chdir(test_resource_folder().c_str()), 0);
    }
    void SetUp() override { Model::get()->clear(); }
    void TearDown() override { Model::get()->clear(); }

    Output_capture out;
};

inline bool is_color(SDL_Surface* surface, int x, int y, SDL_Color color) {
    return getpixel(surface, x, y) == SDL_MapRGB(surface->format, color.r, color.g, color.b);
}

// Pixel (x, y) of `picture` as it maps onto `surface`'s format.
inline bool same_color(SDL_Surface* surface, int x, int y, SDL_Surface* picture, int px, int py) {
    Uint8 r, g, b;
    SDL_GetRGB(getpixel(picture, px, py), picture->format, &r, &g, &b);
    return getpixel(surface, x, y) == SDL_MapRGB(surface->format, r, g, b);
}

inline std::string str(GUI::DispPoint p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

// The text must show exactly as the toolkit renders it: white on the glyphs
// and nowhere else in its box (and two columns past it, so a longer number
// is caught).
inline void expect_label(const GUI_based_view& view, const std::string& text, GUI::DispPoint at) {
    const GUIImage glyphs(createText2(text, 12, white_c));
    int wrong = 0;
    for (int vy = at.y; vy < at.y + glyphs.geth() && vy < view.get_height(); ++vy)
        for (int vx = at.x; vx < at.x + glyphs.getw() + 2 && vx < view.get_width(); ++vx) {
            const bool ink =
                vx - at.x < glyphs.getw() && is_color(glyphs, vx - at.x, vy - at.y, white_c);
            wrong += ink != is_color(view.get_image_ptr(), vx, vy, white_c);
        }
    EXPECT_EQ(wrong, 0) << "label \"" << text << "\" at " << str(at);
}

#endif
