#include "views/SimObjView.h"

#include "gui/Drawing.h"
#include "views/IconController.h"
#include "views/Slab.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {
const SDL_Color clear = {255, 0, 255, 0};
const SDL_Color black_c = {0, 0, 0, 0};
const SDL_Color halo_yellow_c = {238, 238, 0, 0};
const int halo_growth_c = 4;

// A part of an icon that the icon draws: it holds a place in the view tree,
// for finding what a click is on.
class IconPart : public GUI::View {
public:
    IconPart(int width, int height) : GUI::View(width, height, Surfaceless{}) {}
    void composite_onto(SDL_Surface*, GUI::DispPoint) override {}
};

// For the whole run: icons may outlive any static object.
Slab& icon_slab() {
    static Slab* slab = new Slab(sizeof(SimObjView));
    return *slab;
}

} // namespace

SimObjView::SimObjView(const std::string& name_, const GUIImage& own_picture,
                       IconController* controller_)
    : SimObjView(name_, std::make_shared<IconPicture>(own_picture), controller_) {}

SimObjView::SimObjView(const std::string& name_, std::shared_ptr<IconPicture> picture_,
                       IconController* controller_)
    : GUI::View(1, 1, Surfaceless{}), look(&picture_->appearance(0)), label_look(nullptr),
      name(name_), controller(controller_), picture(std::move(picture_)), label(icon_label(name)) {
    label_look = label.get();
    resize(std::max(look->get_w(), label->get_w()), look->get_h());
    set_clear_color(clear);
    picture_part = new IconPart(look->get_w(), look->get_h());
    attach_subview(picture_part, GUI::DispPoint(0, 0));
    attach_subview(new IconPart(label->get_w(), label->get_h()), GUI::DispPoint(0, 0));
}

SimObjView::~SimObjView() = default;

void* SimObjView::operator new(std::size_t size) {
    return icon_slab().allocate(size);
}

void SimObjView::operator delete(void* icon, std::size_t size) {
    icon_slab().release(icon, size);
}

bool SimObjView::handle_mouse_down(GUI::DispPoint) {
    toggle_select();
    if (auto* holder = dynamic_cast<Icon_holder*>(get_parent()))
        holder->icon_toggled(name, is_selected());
    return true;
}

void SimObjView::toggle_select() {
    if (!is_selected() && controller)
        controller->select(name);
    ++toggles;
    look = &picture->appearance(toggles);
    // The icon grows and shrinks with its picture's halo.
    const GUI::DispPoint growth(look->get_w() - picture_part->get_w(),
                                look->get_h() - picture_part->get_h());
    picture_part->resize(look->get_w(), look->get_h());
    resize(get_w() + growth.x, get_h() + growth.y);
}

void SimObjView::composite_onto(SDL_Surface* destination, GUI::DispPoint at) {
    const GUI::DispPoint size(get_w(), get_h());
    look->draw(destination, at, size);
    label_look->draw(destination, at, size);
}

bool SimObjView::hit_at(GUI::DispPoint position) {
    return look->covers(position) || label_look->covers(position);
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
