#include "views/Selection_box.h"

#include "gui/App.h"
#include "gui/GUIImage.h"
#include "gui/Trace.h"

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

bool Selection_box::handle_mouse_motion(GUI::DispPoint position, GUI::DispPoint rel) {
    GUI::trace_out() << "rel motion: " << rel.x << " " << rel.y << '\n';
    GUI::View* map = get_parent();
    if (!map)
        return false;
    if (!anchored) {
        anchor = get_rel_pos();
        anchored = true;
    }
    // The extent follows from where the pointer is, not from adding up its
    // moves: once the band has grown under the pointer it receives each move
    // twice (through focus and through the view tree), and must not grow twice.
    size = adjust_to_parent(position) - anchor;
    const GUI::DispPoint corner(size.x < 0 ? anchor.x + size.x : anchor.x,
                                size.y < 0 ? anchor.y + size.y : anchor.y);
    map->move_subview(this, corner);
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
