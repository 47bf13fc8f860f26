#include "Gui_test_helpers.h"
#include "Gui_test_support.h"

#include "gui/Colors.h"
#include "gui/GUIImage.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

const SDL_Color red = {255, 0, 0, 0};
const SDL_Color green = {0, 255, 0, 0};
const SDL_Color black = {0, 0, 0, 0};

// What the picture looks like when copied onto green: keyed pixels show green.
GUIImage over_green(const GUIImage& picture) {
    GUIImage backdrop = GUIImage::create_filled(picture.getw(), picture.geth(), green);
    SDL_Rect whole = {0, 0, static_cast<Uint16>(picture.getw()),
                      static_cast<Uint16>(picture.geth())};
    display_image(picture, backdrop, 0, 0, false, whole);
    return backdrop;
}

} // namespace

TEST(Pixels, OutOfBoundsReadThrowsAndWriteTouchesNoNeighbour) {
    GUIImage image = GUIImage::create_filled(10, 10, black);
    const Uint32 red_pixel = SDL_MapRGB(image->format, 255, 0, 0);
    putpixel(image, 9, 9, red_pixel);
    EXPECT_EQ(getpixel(image, 9, 9), red_pixel);
    for (GUI::DispPoint out : {GUI::DispPoint(10, 0), GUI::DispPoint(0, 10), GUI::DispPoint(-1, 0),
                               GUI::DispPoint(0, -1)}) {
        EXPECT_EQ(thrown_message([&] { getpixel(image, out.x, out.y); }),
                  "Trying to read out-of-bounds pixel!");
        putpixel(image, out.x, out.y, red_pixel);
        EXPECT_FALSE(image.point_is_color(out.x, out.y, black));
    }
    // A write at x == width would land on the first pixel of the next row.
    EXPECT_TRUE(image.point_is_color(0, 1, black));
}

TEST(Pixels, CreateDisplayRefusesNonPositiveSizesWithoutTouchingTheScreen) {
    SDL_Surface* screen = SDL_GetVideoSurface();
    auto refused = [](int width, int height, int bits) {
        return thrown_message([=] {
                   createDisplay(nullptr, width, height, bits, nullptr, 0, 0);
               }) == "non-positive values in createDisplay not allowed!";
    };
    EXPECT_TRUE(refused(0, 10, 16));
    EXPECT_TRUE(refused(10, -5, 16));
    EXPECT_TRUE(refused(10, 10, 0));
    EXPECT_EQ(SDL_GetVideoSurface(), screen);
    EXPECT_EQ(screen->w, 600);
}

TEST(Pixels, LoadingAMissingFileNamesItAndEndsWithSdlsReason) {
    const std::string missing = "/nonexistent/flotilla/none.bmp";
    std::string message = thrown_message([&] { loadBMP(missing); });
    EXPECT_EQ(message, "Couldn't load " + missing + ": " + SDL_GetError() + "\n");
}

TEST(Pixels, ClampToIntSaturatesAndMapsNanToZero) {
    EXPECT_EQ(GUI::clamp_to_int(1e300), INT_MAX);
    EXPECT_EQ(GUI::clamp_to_int(-1e300), INT_MIN);
    EXPECT_EQ(GUI::clamp_to_int(std::nan("")), 0);
    EXPECT_EQ(GUI::clamp_to_int(-12.7), -12);
}

TEST(Images, BadSourcesAreRefused) {
    GUIImage empty;
    EXPECT_EQ(thrown_message([&] { GUIImage copy(empty); }),
              "Cannot form a GUIImage from bad image");
    EXPECT_EQ(thrown_message([] { GUIImage image(static_cast<SDL_Surface*>(nullptr)); }),
              "Cannot form a GUIImage from NULL surface!");
}

TEST(Images, KeyedPictureStaysTransparentThroughCopiesAndAssignment) {
    GUIImage keyed(4, 4, true, default_color_key_c);
    SDL_FillRect(keyed, nullptr, SDL_MapRGB(keyed->format, 255, 0, 0));
    putpixel(keyed, 1, 1, SDL_MapRGB(keyed->format, 255, 0, 255));
    GUIImage copy(keyed);
    GUIImage copy_of_copy(copy);
    GUIImage assigned = GUIImage::create_filled(2, 2, red);
    assigned = copy_of_copy;
    for (const GUIImage* image : {&keyed, &copy, &copy_of_copy, &assigned}) {
        GUIImage shown = over_green(*image);
        EXPECT_TRUE(shown.point_is_color(1, 1, green));
        EXPECT_TRUE(shown.point_is_color(0, 0, red));
        EXPECT_TRUE(shown.point_is_color(3, 3, red));
    }
}

TEST(Images, OutlineIsAFrameAroundATransparentHoleOrSolidWhenThick) {
    GUIImage thin = over_green(GUIImage::create_outline(10, 10, 2, red));
    GUIImage thick = over_green(GUIImage::create_outline(10, 10, 6, red));
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool in_frame = x < 2 || x >= 8 || y < 2 || y >= 8;
            EXPECT_TRUE(thin.point_is_color(x, y, in_frame ? red : green)) << x << ", " << y;
            EXPECT_TRUE(thick.point_is_color(x, y, red)) << x << ", " << y;
        }
    }
}
