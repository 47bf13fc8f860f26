// The keys the widgets assume, through SDL's own BMP loader (start-up checks sizes).

#include "gui/Drawing.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

const Uint32 magenta = 0xff00ff, green = 0x00ff00, cyan = 0x00ffff;

// The colour at a pixel of a picture in GUIImages/ as 0xRRGGBB.
Uint32 at(const std::string& name, int x, int y) {
    // A missing one would also stop every window at start-up.
    SDL_Surface* s = SDL_LoadBMP((FLOTILLA_RESOURCE_DIR "/GUIImages/" + name).c_str());
    Uint8 r, g, b;
    SDL_GetRGB(getpixel(s, x, y), s->format, &r, &g, &b);
    SDL_FreeSurface(s);
    return Uint32(r) << 16 | Uint32(g) << 8 | b;
}

} // namespace

TEST(ResourcePictures, SliderAndTextBoxPiecesHaveTheKeysTheWidgetsAssume) {
    for (int y = 0; y < 5; ++y)
        EXPECT_NE(at("slider_horiz_M.bmp", 0, y), magenta) << "a hole in the track at row " << y;
    EXPECT_NE(at("slider_horiz_L.bmp", 1, 2), magenta);
    EXPECT_NE(at("slider_horiz_R.bmp", 0, 2), magenta);
    EXPECT_EQ(at("slider_bubble.bmp", 0, 0), magenta);
    EXPECT_EQ(at("slider_bubble.bmp", 14, 14), magenta);
    EXPECT_NE(at("slider_bubble.bmp", 7, 7), magenta);
    for (int corner = 0; corner < 4; ++corner) {
        const std::string name = "corner" + std::to_string(corner) + ".bmp";
        const int outer_x = corner == 1 || corner == 2 ? 4 : 0, outer_y = corner >= 2 ? 4 : 0;
        EXPECT_EQ(at(name, outer_x, outer_y), magenta) << name;
        EXPECT_EQ(at(name, 4 - outer_x, 4 - outer_y), cyan) << name;
    }
}

TEST(ResourcePictures, ButtonsAreKeyedAtTheCornersAndLookDifferent) {
    std::set<Uint32> centres;
    for (const char* name : {"button.bmp", "button2.bmp", "button3.bmp"}) {
        for (auto [x, y] : {std::pair{0, 0}, {139, 0}, {0, 19}, {139, 19}})
            EXPECT_EQ(at(name, x, y), green) << name << " at " << x << "," << y;
        centres.insert(at(name, 70, 10));
    }
    EXPECT_EQ(centres.size(), 3u) << "two looks are alike in the middle";
    EXPECT_EQ(centres.count(green), 0u) << "a button is see-through in the middle";
}
