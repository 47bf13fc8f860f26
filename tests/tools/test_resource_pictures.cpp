// Checks the built resource folder the way the toolkit will use it: pictures
// go through SDL's own BMP loader and labels through the shipped font.

#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const std::string resources = FLOTILLA_RESOURCE_DIR;

struct Colour {
    int r, g, b;
    bool operator==(const Colour& o) const { return r == o.r && g == o.g && b == o.b; }
};
const Colour magenta{255, 0, 255};
const Colour green{0, 255, 0};
const Colour cyan{0, 255, 255};
const Colour black{0, 0, 0};

struct SurfaceFree {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceFree>;

Surface load(const std::string& name, const std::string& folder = "GUIImages") {
    std::string path = resources + "/" + folder + "/" + name;
    Surface s(SDL_LoadBMP(path.c_str()));
    if (!s)
        ADD_FAILURE() << "SDL cannot load " << path << ": " << SDL_GetError();
    return s;
}

Colour at(const Surface& s, int x, int y) {
    const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * 3;
    Uint8 r, g, b;
    SDL_GetRGB(Uint32(p[0]) | Uint32(p[1]) << 8 | Uint32(p[2]) << 16, s->format, &r, &g, &b);
    return {r, g, b};
}

const char* const buttons[] = {"button.bmp", "button2.bmp", "button3.bmp"};

} // namespace

TEST(ResourcePictures, LoadAsTwentyFourBitPicturesOfTheSizesTheWidgetsAssume) {
    struct Expected {
        const char* name;
        int w, h;
    };
    // The slider and the text box place these pieces by fixed offsets.
    for (Expected e : {Expected{"slider_horiz_L.bmp", 3, 5}, Expected{"slider_horiz_M.bmp", 1, 5},
                       Expected{"slider_horiz_R.bmp", 3, 5}, Expected{"corner0.bmp", 5, 5},
                       Expected{"corner1.bmp", 5, 5}, Expected{"corner2.bmp", 5, 5},
                       Expected{"corner3.bmp", 5, 5}}) {
        Surface s = load(e.name);
        ASSERT_TRUE(s);
        EXPECT_EQ(s->format->BitsPerPixel, 24) << e.name;
        EXPECT_EQ(s->w, e.w) << e.name;
        EXPECT_EQ(s->h, e.h) << e.name;
    }
    // A joystick of radius r is 2r + 15 across, so a larger bubble leaves it.
    Surface bubble = load("slider_bubble.bmp");
    ASSERT_TRUE(bubble);
    EXPECT_LE(bubble->w, 15);
    EXPECT_LE(bubble->h, 15);

    Surface normal = load(buttons[0]);
    ASSERT_TRUE(normal);
    for (const char* name : buttons) {
        Surface s = load(name);
        ASSERT_TRUE(s);
        EXPECT_EQ(s->w, normal->w) << name << ": a button's size is fixed by its first look";
        EXPECT_EQ(s->h, normal->h) << name;
    }
}

TEST(ResourcePictures, ButtonsAreTransparentOnlyAroundTheirCornersAndLookDifferent) {
    std::vector<Colour> centres;
    for (const char* name : buttons) {
        Surface s = load(name);
        ASSERT_TRUE(s);
        const int w = s->w, h = s->h;
        for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
            EXPECT_EQ(at(s, x, y), green) << name << " corner " << x << "," << y;
        const int corner = h / 2;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                bool near_corner =
                    (x < corner || x >= w - corner) && (y < corner || y >= h - corner);
                Colour c = at(s, x, y);
                EXPECT_FALSE(c == green && !near_corner) << name << " hole at " << x << "," << y;
                EXPECT_FALSE(c == magenta || c == cyan) << name << " at " << x << "," << y;
            }
        centres.push_back(at(s, w / 2, h / 2));
    }
    EXPECT_FALSE(centres[0] == centres[1]) << "hovered looks like normal";
    EXPECT_FALSE(centres[0] == centres[2]) << "pressed looks like normal";
    EXPECT_FALSE(centres[1] == centres[2]) << "pressed looks like hovered";
}

TEST(ResourcePictures, TextBoxCornersCutAwayOutsideAndLetTheBoxShowAlongItsEdges) {
    // Per corner: the pixel at the box's outer corner and the one pointing inwards.
    struct Corner {
        const char* name;
        int outer_x, outer_y, inner_x, inner_y;
    };
    for (Corner c : {Corner{"corner0.bmp", 0, 0, 4, 4}, Corner{"corner1.bmp", 4, 0, 0, 4},
                     Corner{"corner2.bmp", 4, 4, 0, 0}, Corner{"corner3.bmp", 0, 4, 4, 0}}) {
        Surface s = load(c.name);
        ASSERT_TRUE(s);
        EXPECT_EQ(at(s, c.outer_x, c.outer_y), magenta) << c.name;
        EXPECT_EQ(at(s, c.inner_x, c.inner_y), cyan) << c.name;
        // The row and column that meet the box's straight edges must not notch them.
        for (int i = 0; i < 5; ++i) {
            EXPECT_FALSE(at(s, c.inner_x, i) == magenta) << c.name << " column notch at " << i;
            EXPECT_FALSE(at(s, i, c.inner_y) == magenta) << c.name << " row notch at " << i;
        }
    }
}

TEST(ResourcePictures, SliderTrackIsSeamlessAndClosedAtBothEnds) {
    Surface left = load("slider_horiz_L.bmp");
    Surface middle = load("slider_horiz_M.bmp");
    Surface right = load("slider_horiz_R.bmp");
    Surface bubble = load("slider_bubble.bmp");
    ASSERT_TRUE(left && middle && right && bubble);
    bool right_end_drawn = false;
    for (int y = 0; y < 5; ++y) {
        EXPECT_FALSE(at(middle, 0, y) == magenta) << "hole in the track at row " << y;
        EXPECT_EQ(at(left, 2, y), at(middle, 0, y)) << "seam after the left cap at row " << y;
        // The horizontal slider shows only this column of the right cap.
        right_end_drawn = right_end_drawn || !(at(right, 0, y) == magenta);
    }
    EXPECT_TRUE(right_end_drawn);
    const int w = bubble->w, h = bubble->h;
    EXPECT_EQ(at(bubble, 0, 0), magenta);
    EXPECT_EQ(at(bubble, w - 1, h - 1), magenta);
    EXPECT_FALSE(at(bubble, w / 2, h / 2) == magenta);
}

// A text button lays its label out in 16-point letters from 33 pixels in and
// wraps onto a second line, which it cannot show, once a letter would reach
// (width - 30); every line must also fit the button's height.
TEST(ResourcePictures, EveryButtonLabelFitsOnOneLineOfTheButton) {
    Surface button = load(buttons[0]);
    ASSERT_TRUE(button);
    ASSERT_EQ(TTF_Init(), 0);
    std::string font_path = resources + "/GUIFonts/arial.ttf";
    TTF_Font* font = TTF_OpenFont(font_path.c_str(), 16);
    ASSERT_NE(font, nullptr) << font_path << ": " << TTF_GetError();
    const int label_width = button->w - 30;
    for (std::string label : {"ATTACK", "GO", "Pause", "Enter", "        Cancel"}) {
        int x = 3, previous_width = 0;
        for (std::size_t i = 0; i < label.size(); ++i) {
            SDL_Color black{0, 0, 0, 0};
            char letter[2] = {label[i], '\0'};
            Surface glyph(TTF_RenderText_Solid(font, letter, black));
            ASSERT_TRUE(glyph) << TTF_GetError();
            EXPECT_LE(glyph->h, button->h) << "'" << label << "' is cut off at the bottom";
            if (i > 0) {
                x += previous_width + 1;
                EXPECT_LT(x + previous_width, label_width) << "'" << label << "' wraps";
            }
            previous_width = glyph->w > 0 ? glyph->w : 5;
        }
    }
    TTF_CloseFont(font);
    TTF_Quit();
}

// An object's icon lays its name's 12-row line over the picture's top and
// turns magenta and black pixels transparent; the bridge view puts pictures'
// tops at row 6 of 50 and so stands every object on one horizon.
TEST(ResourcePictures, ObjectPicturesKeepTheirTopForTheNameAndNeverUseBlack) {
    std::vector<int> feet;
    for (const char* name : {"arrow.bmp", "blip.bmp", "island_front.bmp", "ship_front.bmp"}) {
        Surface s = load(name, "images");
        ASSERT_TRUE(s);
        int foot = -1;
        for (int y = 0; y < s->h; ++y)
            for (int x = 0; x < s->w; ++x) {
                Colour c = at(s, x, y);
                EXPECT_FALSE(c == black) << name << " black at " << x << "," << y;
                EXPECT_FALSE(y < 12 && !(c == magenta)) << name << " under the name at " << y;
                foot = c == magenta ? foot : y;
            }
        EXPECT_GT(foot, 12) << name << " shows nothing below the name";
        EXPECT_LE(6 + s->h, 50) << name;
        feet.push_back(foot);
    }
    EXPECT_EQ(feet[2], feet[3]) << "island and ship do not stand on the same horizon";
}

TEST(ResourcePictures, GridDotIsOpaqueAndWaveTilesJoinWithoutSeams) {
    Surface dot = load("dot.bmp", "images");
    Surface wave = load("wave.bmp", "images");
    ASSERT_TRUE(dot && wave);
    for (int y = 0; y < dot->h; ++y)
        for (int x = 0; x < dot->w; ++x)
            EXPECT_FALSE(at(dot, x, y) == magenta) << "the dot is drawn without a key";
    const int w = wave->w, h = wave->h;
    auto crest = [&](int x, int y) { return !(at(wave, (x + w) % w, (y + h) % h) == magenta); };
    // A crest touching an edge must go on in the neighbouring tile.
    auto goes_on = [&](int x, int y, int dx, int dy) {
        return crest(x + dx - dy, y + dy - dx) || crest(x + dx, y + dy) ||
               crest(x + dx + dy, y + dy + dx);
    };
    int drawn = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!crest(x, y))
                continue;
            ++drawn;
            EXPECT_TRUE(x > 0 || goes_on(x, y, -1, 0)) << "cut off at " << x << "," << y;
            EXPECT_TRUE(x < w - 1 || goes_on(x, y, 1, 0)) << "cut off at " << x << "," << y;
            EXPECT_TRUE(y > 0 || goes_on(x, y, 0, -1)) << "cut off at " << x << "," << y;
            EXPECT_TRUE(y < h - 1 || goes_on(x, y, 0, 1)) << "cut off at " << x << "," << y;
        }
    EXPECT_GT(drawn, 0);
    EXPECT_LT(drawn, w * h / 2) << "the waves hide the sea under them";
}
