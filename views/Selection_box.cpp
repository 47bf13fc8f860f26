#include "views/Selection_box.h"

#include "gui/App.h"
#include "gui/GUIImage.h"

#include <cstdlib>
#include <iostream>

namespace {
const SDL_Color clear = {255, 0, 255, 0};
const SDL_Color band_red_c = {255, 0, 0, 0};
const int band_thickness_c = 2;
} // namespace

Selection_box::Selection_box() : GUI::View(0, 0) {
    set_clear_color(clear);
    fill_with_color(clear);
    capture_focus();
}

Selection_box::~Selection_box() = default;

bool Selection_box::handle_mouse_motion(GUI::DispPoint, GUI::DispPoint rel) {
    std::cout << "rel motion: " << rel.x << " " << rel.y << '\n';
    size = size + rel;
    GUI::DispPoint move = rel;
    if (size.x >= 0)
        move.x = 0;
    if (size.y >= 0)
        move.y = 0;
    if (GUI::View* map = get_parent())
        map->move_subview(this, get_rel_pos() + move);
    const int width = std::abs(size.x);
    const int height = std::abs(size.y);
    if (size.x != 0 && size.y != 0)
        resize(width, height);
    fill_with_color(clear);
    draw_onto_self(GUIImage::create_outline(width, height, band_thickness_c, band_red_c),
                   GUI::DispPoint(0, 0));
    return false;
}

bool Selection_box::handle_mouse_up(GUI::DispPoint) {
    lose_focus();
    if (GUI::View* map = get_parent())
        map->remove_subview(this);
    GUI::App::get()->destroy_later(this);
    return true;
}
