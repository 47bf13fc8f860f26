// Checks the built pictures the way the toolkit will use them: through SDL's
// own BMP loader, with the keys the widgets use.

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

namespace {

const Uint32 magenta = 0xff00ff, green = 0x00ff00, cyan = 0x00ffff;

using Surface = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

Surface load(const std::string& name, const std::string& folder = "GUIImages") {
    const std::string path = FLOTILLA_RESOURCE_DIR "/" + folder + "/" + name;
    Surface s(SDL_LoadBMP(path.c_str()), SDL_FreeSurface);
    if (!s)
        ADD_FAILURE() << "SDL cannot load " << path << ": " << SDL_GetError();
    else
        EXPECT_EQ(s->format->BitsPerPixel, 24) << name;
    return s;
}

// The colour at a pixel as 0xRRGGBB.
Uint32 at(const Surface& s, int x, int y) {
    const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * 3;
    Uint8 r, g, b;
    SDL_GetRGB(Uint32(p[0]) | Uint32(p[1]) << 8 | Uint32(p[2]) << 16, s->format, &r, &g, &b);
    return Uint32(r) << 16 | Uint32(g) << 8 | b;
}

// How many pixels are not the magenta key.
int drawn(const Surface& s) {
    int count = 0;
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x)
            count += at(s, x, y) != magenta;
    return count;
}

} // namespace

// The program checks every picture's size at start-up; these are the keys
// the widgets assume: the text box cuts its corners away with magenta and
// shows itself through cyan, and a slider's track has a hole along it.
TEST(ResourcePictures, SliderAndTextBoxPiecesHaveTheKeysTheWidgetsAssume) {
    for (const char* name : {"slider_horiz_L.bmp", "slider_horiz_M.bmp", "slider_horiz_R.bmp"}) {
        Surface s = load(name);
        ASSERT_TRUE(s);
        EXPECT_GT(drawn(s), 0) << name << " is blank";
    }
    EXPECT_EQ(drawn(load("slider_horiz_M.bmp")), 5) << "a hole along the whole track";
    for (int corner = 0; corner < 4; ++corner) {
        Surface s = load("corner" + std::to_string(corner) + ".bmp");
        ASSERT_TRUE(s);
        const int outer_x = corner == 1 || corner == 2 ? 4 : 0, outer_y = corner >= 2 ? 4 : 0;
        EXPECT_EQ(at(s, outer_x, outer_y), magenta) << "corner " << corner;
        EXPECT_EQ(at(s, 4 - outer_x, 4 - outer_y), cyan) << "corner " << corner;
    }
    Surface bubble = load("slider_bubble.bmp");
    ASSERT_TRUE(bubble);
    EXPECT_EQ(at(bubble, 0, 0), magenta);
    EXPECT_EQ(at(bubble, bubble->w - 1, bubble->h - 1), magenta);
    EXPECT_NE(at(bubble, bubble->w / 2, bubble->h / 2), magenta);
}

// Green is a button's key.
TEST(ResourcePictures, ButtonsAreKeyedAtTheCornersAndLookDifferent) {
    const Surface looks[] = {load("button.bmp"), load("button2.bmp"), load("button3.bmp")};
    std::set<Uint32> centres;
    for (const Surface& s : looks) {
        ASSERT_TRUE(s);
        const int w = s->w, h = s->h;
        for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
            EXPECT_EQ(at(s, x, y), green) << "corner " << x << "," << y;
        centres.insert(at(s, w / 2, h / 2));
    }
    EXPECT_EQ(centres.size(), 3u) << "two looks are alike in the middle";
    EXPECT_EQ(centres.count(green), 0u) << "a button is see-through in the middle";
}
