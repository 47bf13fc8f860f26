#include "support/Views_support.h"

#include "gui/TextView.h"
#include "views/SimObjView.h"
#include "views/Slab.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

const SDL_Color yellow_c = {238, 238, 0, 0};
const SDL_Color sea_c = {127, 176, 212, 0};

// Whether some non-transparent pixel of the picture lies within one pixel of (x, y).
bool silhouette_near(const GUIImage& picture, int x, int y) {
    for (int py = std::max(y - 1, 0); py <= std::min(y + 1, picture.geth() - 1); ++py)
        for (int px = std::max(x - 1, 0); px <= std::min(x + 1, picture.getw() - 1); ++px)
            if (!picture.point_is_color(px, py, magenta_c))
                return true;
    return false;
}

// An icon as a tree of views that own their pixels: what shared looks must show.
struct Reference_icon : GUI::View {
    Reference_icon(const std::string& name, const GUIImage& picture) : GUI::View(1, 1) {
        part = new SimObjViewImpl(name, picture, nullptr);
        auto* label = new GUI::TextView(50, 12, false, false);
        resize(std::max(part->get_w(), label->get_w()), part->get_h());
        fill_with_color(magenta_c);
        set_clear_color(magenta_c);
        attach_subview(part, P(0, 0));
        attach_subview(label, P(0, 0));
        label->set_text(name);
        label->set_text_color(white_c);
    }
    SimObjViewImpl* part;
};

} // namespace

using Icon = Views_test;

TEST_F(Icon, SelectionHaloIsTheSilhouetteGrownByOnePixelAndGoesWithTheSelection) {
    const GUIImage picture("images/blip.bmp", false, white_c);
    const int w = picture.getw(), h = picture.geth();
    GUI::View holder(1, 1);
    auto* impl = new SimObjViewImpl("Ajax", picture, nullptr);
    holder.attach_subview(impl, P(0, 0));
    impl->toggle_select();
    EXPECT_EQ(str(P(impl->get_w(), impl->get_h())), str(P(w + 4, h + 4)));
    // The picture sits one pixel in, over the halo: its silhouette grown by one.
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
    EXPECT_EQ(str(P(impl->get_w(), impl->get_h())), str(P(w, h)));
    wrong = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            wrong += is_color(impl->get_image_ptr(), x, y, yellow_c);
    EXPECT_EQ(wrong, 0) << "the halo must go with the selection";
}

// Through repeated selections, and where the view's edges cut the icons off.
TEST_F(Icon, SharedLooksDrawTheSamePixelsAsIconsWithTheirOwnViews) {
    const P places[] = {P(10, 5), P(-7, -4), P(95, 40), P(30, 8)};
    const char* const names[] = {"Ajax", "Treasure_Island", "S1234", "W"};
    for (const char* file : {"images/blip.bmp", "images/island_front.bmp"}) {
        const GUIImage picture(file, false, white_c);
        auto shared = std::make_shared<IconPicture>(picture);
        for (int toggles = 0; toggles <= 4; ++toggles) {
            GUI::View reference(120, 60);
            GUI::View drawn(120, 60);
            reference.fill_with_color(sea_c);
            drawn.fill_with_color(sea_c);
            for (int i = 0; i < 4; ++i) {
                auto* old_style = new Reference_icon(names[i], picture);
                auto* icon = new SimObjView(names[i], shared, nullptr);
                reference.attach_subview(old_style, places[i]);
                drawn.attach_subview(icon, places[i]);
                for (int t = 0; t < toggles + i; ++t) {
                    old_style->part->toggle_select();
                    icon->toggle_select();
                }
                EXPECT_EQ(str(P(icon->get_w(), icon->get_h())),
                          str(P(old_style->get_w(), old_style->get_h())));
            }
            reference.refresh();
            drawn.refresh();
            EXPECT_EQ(differing_pixels(reference.get_display_ptr(), drawn.get_display_ptr()), 0)
                << file << " after " << toggles << " toggles";
        }
    }

    // Thousands of icons must not each own their pixels.
    auto blip = IconPicture::for_file("images/blip.bmp");
    EXPECT_EQ(IconPicture::for_file("images/blip.bmp"), blip);
    EXPECT_NE(IconPicture::for_file("images/ship_front.bmp"), blip);
    auto label = icon_label("Ajax");
    EXPECT_EQ(icon_label("Ajax"), label);
    const GUI::Sprite* first_look = &blip->appearance(0);
    for (int i = 0; i < 100; ++i)
        blip->appearance(static_cast<std::size_t>(i));
    EXPECT_EQ(&blip->appearance(0), first_look) << "looks are made once, not per selection";
    EXPECT_TRUE(blip->appearance(98) == blip->appearance(2));
}

// A picture of one colour is drawn from rows of bits, one of many colours by runs.
TEST_F(Icon, SpritesCopyWhatAKeyedBlitCopiesInEveryPixelSize) {
    for (int bits : {16, 32}) {
        SDL_Surface* text = createText2("S1234 W", 12, white_c);
        const GUIImage blip("images/blip.bmp", false, white_c);
        for (SDL_Surface* source : {text, static_cast<SDL_Surface*>(blip)}) {
            GUIImage picture(
                SDL_CreateRGBSurface(SDL_SWSURFACE, source->w, source->h, bits, 0, 0, 0, 0));
            const Uint32 key = SDL_MapRGB(picture->format, 255, 0, 255);
            SDL_FillRect(picture, nullptr, key);
            SDL_BlitSurface(source, nullptr, picture, nullptr);
            SDL_SetColorKey(picture, SDL_SRCCOLORKEY, key);
            const GUI::Sprite sprite(picture, [key](std::uint32_t pixel) { return pixel == key; });
            for (const P at : {P(3, 2), P(-5, -3), P(61 - source->w / 2, 7)}) {
                GUIImage blitted(SDL_CreateRGBSurface(SDL_SWSURFACE, 61, 13, bits, 0, 0, 0, 0));
                GUIImage drawn(SDL_CreateRGBSurface(SDL_SWSURFACE, 61, 13, bits, 0, 0, 0, 0));
                SDL_FillRect(blitted, nullptr, SDL_MapRGB(blitted->format, 127, 176, 212));
                SDL_FillRect(drawn, nullptr, SDL_MapRGB(drawn->format, 127, 176, 212));
                SDL_Rect where = {static_cast<Sint16>(at.x), static_cast<Sint16>(at.y), 0, 0};
                SDL_BlitSurface(picture, nullptr, blitted, &where);
                sprite.draw(drawn, at, P(source->w, source->h));
                EXPECT_EQ(differing_pixels(blitted, drawn), 0) << bits << " bits at " << str(at);
            }
        }
        SDL_FreeSurface(text);
    }
}

// A frame's walk over thousands of icons must stay in step with memory.
TEST(Slab, HandsOutSlotsSideBySideAndReusesTheLastFreed) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "under AddressSanitizer every object has memory of its own";
#endif
    Slab slab(100);
    auto* first = static_cast<char*>(slab.allocate(100));
    auto* second = static_cast<char*>(slab.allocate(90));
    auto* third = static_cast<char*>(slab.allocate(100));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(first) % 64, 0u);
    EXPECT_EQ(second - first, 128);
    EXPECT_EQ(third - second, 128);
    slab.release(second, 90);
    slab.release(third, 100);
    EXPECT_EQ(slab.allocate(100), third);
    EXPECT_EQ(slab.allocate(100), second);
    void* large = slab.allocate(200); // more than a slot: memory of its own
    auto* fourth = static_cast<char*>(slab.allocate(100));
    EXPECT_EQ(fourth - third, 128) << "a large object took a slot";
    slab.release(large, 200);
    for (void* slot : {first, second, third, fourth})
        slab.release(slot, 100);
}
