#include "views/SimObjView.h"

#include "gui/Drawing.h"
#include "gui/TextView.h"
#include "views/IconController.h"
#include "views/MapViewController.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {
const SDL_Color clear = {255, 0, 255, 0};
const SDL_Color white = {255, 255, 255, 0};
const SDL_Color black_c = {0, 0, 0, 0};
const SDL_Color halo_yellow_c = {238, 238, 0, 0};
const int label_width_c = 50;
const int label_height_c = 12;
const int halo_growth_c = 4;
} // namespace

SimObjView::SimObjView(const std::string& name, const GUIImage& picture, IconController* controller)
    : GUI::View(1, 1) {
    impl = new SimObjViewImpl(name, picture, controller);
    label = new GUI::TextView(label_width_c, label_height_c, false, false);
    resize(std::max(impl->get_w(), label->get_w()), impl->get_h());
    fill_with_color(clear);
    set_clear_color(clear);
    attach_subview(impl, GUI::DispPoint(0, 0));
    attach_subview(label, GUI::DispPoint(0, 0));
    label->set_text(name);
    label->set_text_color(white);
}

SimObjView::~SimObjView() = default;

bool SimObjView::handle_mouse_down(GUI::DispPoint) {
    impl->toggle_select();
    if (auto* map = dynamic_cast<MapViewController*>(get_parent())) {
        if (impl->is_selected())
            map->add_selected_ship(impl->get_name());
        else
            map->remove_selected_ship(impl->get_name());
    }
    return true;
}

bool SimObjView::hit_at(GUI::DispPoint position) {
    refresh();
    SDL_Surface* shown = get_display_ptr();
    SDL_LockSurface(shown);
    const Uint32 pixel = getpixel(shown, position.x, position.y);
    SDL_UnlockSurface(shown);
    return pixel != SDL_MapRGB(shown->format, clear.r, clear.g, clear.b);
}

SimObjViewImpl::SimObjViewImpl(const std::string& name_, const GUIImage& image_,
                               IconController* controller_)
    : GUI::ImageView(image_), name(name_), controller(controller_), image(image_) {
    GUIImage keyed(image);
    keyed.set_alpha(SDL_MapRGB(image->format, clear.r, clear.g, clear.b));
    draw_onto_self(keyed, GUI::DispPoint(0, 0));
    set_clear_color(black_c);
    image.set_alpha(SDL_MapRGB(image->format, clear.r, clear.g, clear.b));
}

SimObjViewImpl::~SimObjViewImpl() = default;

void SimObjViewImpl::toggle_select() {
    if (!selected) {
        if (controller)
            controller->select(name);
        select_shimmer();
    } else {
        resize(1, 1);
        resize(image.getw(), image.geth());
        draw_onto_self(image, GUI::DispPoint(0, 0));
        if (GUI::View* icon = get_parent())
            icon->resize(icon->get_w() - halo_growth_c, icon->get_h() - halo_growth_c);
    }
    selected = !selected;
}

void SimObjViewImpl::select_shimmer() {
    resize(get_w() + halo_growth_c, get_h() + halo_growth_c);
    if (GUI::View* icon = get_parent())
        icon->resize(icon->get_w() + halo_growth_c, icon->get_h() + halo_growth_c);
    GUIImage halo = fill_in_color(GUIImage(image), clear, halo_yellow_c);
    draw_onto_self(halo, GUI::DispPoint(0, 0));
    draw_onto_self(image, GUI::DispPoint(1, 1));
}

GUIImage SimObjViewImpl::fill_in_color(GUIImage picture, SDL_Color key, SDL_Color fill) {
    const std::uint32_t fill_pixel = SDL_MapRGB(picture->format, fill.r, fill.g, fill.b);
    std::vector<std::pair<int, int>> silhouette;
    for (int x = 0; x < picture.getw(); ++x) {
        for (int y = 0; y < picture.geth(); ++y) {
            if (!picture.point_is_color(x, y, key))
                silhouette.emplace_back(x, y);
        }
    }
    for (const auto& point : silhouette) {
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy)
                putpixel(picture, point.first + dx, point.second + dy, fill_pixel);
        }
    }
    return GUIImage(picture);
}
