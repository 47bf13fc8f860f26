#ifndef FLOTILLA_TESTS_SUPPORT_VIEWS_SUPPORT_H
#define FLOTILLA_TESTS_SUPPORT_VIEWS_SUPPORT_H

#include "support/Sim_support.h"
#include "support/Window_support.h"

#include "gui/Drawing.h"
#include "gui/GUIImage.h"
#include "gui/GUILetter.h"
#include "views/GUI_based_view.h"

const SDL_Color white_c = {255, 255, 255, 0};
const SDL_Color magenta_c = {255, 0, 255, 0};

// The views watch the world, which every test leaves empty.
class Views_test : public Window_test {
protected:
    void SetUp() override { Model::get()->clear(); }
    void TearDown() override {
        Model::get()->clear();
        Window_test::TearDown();
    }
};

inline std::string str(P p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

inline std::string icon_at(const GUI_based_view& view, const std::string& name) {
    return str(view.get_obj_images().at(name)->get_rel_pos());
}

// White exactly on the toolkit's glyphs, also two columns on (a longer number).
inline void expect_label(const GUI_based_view& view, const std::string& text, P at) {
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
