#include "views/GUI_based_view.h"

#include "gui/GUILetter.h"
#include "resources/Pictures.h"
#include "sim/Error.h"

#include <SDL.h>

#include <cmath>
#include <limits>

namespace {

const SDL_Color bg = {127, 176, 212, 0};
const SDL_Color def_text_c = {255, 255, 255, 0};
const SDL_Color no_key_c = {0, 0, 0, 0};
const int label_text_size_c = 12;

// Loaded once and shared by every view for the rest of the run.
const GUIImage& grid_dot() {
    static const GUIImage* dot = new GUIImage(Pictures::dot_c.file, false, no_key_c);
    return *dot;
}

// A label names the world value at its dot, to the nearest whole number.
std::string whole_number_text(double value) {
    const double rounded = std::floor(value + 0.5);
    if (rounded == 0. || !std::isfinite(rounded))
        return std::isfinite(rounded) ? "0" : "?";
    char text[400];
    std::snprintf(text, sizeof text, "%.0f", rounded);
    return text;
}

} // namespace

GUI_based_view::GUI_based_view(IconController* controller_, int width, int height, int cell_width_,
                               double scale_, Point origin_)
    : GUI::View(width, height), controller(controller_), cell_width(cell_width_), scale(scale_),
      origin(origin_) {}

GUI_based_view::~GUI_based_view() {
    while (!obj_images.empty())
        discard_icon(obj_images.begin());
}

void GUI_based_view::discard_icon(Icons::iterator icon) {
    if (is_subview(icon->second.get()))
        remove_subview(icon->second.get());
    obj_images.erase(icon);
    icons_in_order_stale = true;
}

void GUI_based_view::update_remove(const std::string& name) {
    ::View::update_remove(name);
    // The object has left the world for good: its icon goes with it.
    auto icon = obj_images.find(name);
    if (icon != obj_images.end())
        discard_icon(icon);
}

void GUI_based_view::set_scale(double scale_) {
    scale = scale_;
    draw();
}

void GUI_based_view::set_origin(Point origin_) {
    origin = origin_;
    draw();
}

void GUI_based_view::describe_name(const std::string& name, const std::string& type) {
    auto icon =
        std::make_unique<SimObjView>(name, IconPicture::for_file(image_for_type(type)), controller);
    auto earlier = obj_images.find(name);
    if (earlier != obj_images.end())
        discard_icon(earlier);
    // Outside the visible area of both kinds of view until draw places it.
    attach_subview(icon.get(), GUI::DispPoint(get_h(), get_w()));
    obj_images.emplace(name, std::move(icon));
    icons_in_order_stale = true;
}

std::string GUI_based_view::image_for_type(const std::string& type) {
    if (!type_images_loaded) {
        type_image_map = load_type_image_map();
        type_images_loaded = true;
    }
    auto found = type_image_map.find(type);
    return found == type_image_map.end() ? std::string() : found->second;
}

bool GUI_based_view::get_subscripts(int& x, int& y, Point location) const {
    const Cartesian_vector v = (location - origin) / scale;
    const double column = std::floor(v.delta_x);
    const double row = std::floor(v.delta_y);
    // Beyond what an int holds (or not a number at all) is off the view.
    const double limit = static_cast<double>(std::numeric_limits<int>::max()) / 2.;
    if (!(std::fabs(column) < limit && std::fabs(row) < limit)) {
        x = get_width();
        y = get_height();
        return false;
    }
    x = static_cast<int>(column);
    y = get_height() - static_cast<int>(row);
    return x >= 0 && x < get_width() && y >= 0 && y < get_height();
}

void GUI_based_view::generate_blank_map() {
    if (!wash || wash.getw() != get_w() || wash.geth() != get_h())
        wash = GUIImage::create_filled(get_w(), get_h(), bg);
    draw_onto_self(wash, GUI::DispPoint(0, 0));

    const int rows = get_height() / cell_width;
    const int columns = get_width() / cell_width;
    const GUIImage& dot = grid_dot();
    int py = 0;
    for (int i = rows - 1; i >= 0; --i) {
        if (y_labels_shown && i % 3 == 0)
            draw_label(origin.y + (get_height() - py) * scale,
                       GUI::DispPoint(0, py + 6 - cell_width / 2));
        for (int k = 1; k <= columns; ++k)
            draw_onto_self(dot, GUI::DispPoint(k * cell_width, py));
        py += cell_width;
    }
    for (int j = 0; j < columns; ++j) {
        if (j % 3 == 0 || !x_labels_every_third)
            draw_label(
                origin.x + (j + 1) * cell_width * scale,
                GUI::DispPoint((j + 1) * cell_width + 6 - cell_width / 2, get_height() - 13));
    }
}

void GUI_based_view::draw_label(double value, GUI::DispPoint position) {
    draw_text(whole_number_text(value), position);
}

void GUI_based_view::draw_text(const std::string& text, GUI::DispPoint position) {
    SDL_Surface* rendered = createText2(text, label_text_size_c, def_text_c);
    if (rendered)
        draw_onto_self(GUIImage(rendered), position);
}

GUI_based_view::Icon_cursor GUI_based_view::icon_cursor() {
    if (icons_in_order_stale) {
        icons_in_order.clear();
        for (const auto& icon : obj_images)
            icons_in_order.emplace_back(icon.first, icon.second.get());
        icons_in_order_stale = false;
    }
    return Icon_cursor(icons_in_order);
}

SimObjView* GUI_based_view::Icon_cursor::find(const std::string& name) {
    while (next != end && next->first < name)
        ++next;
    if (next == end || next->first != name)
        return nullptr;
    return next->second;
}

SimObjView* GUI_based_view::Icon_cursor::get(const std::string& name) {
    SimObjView* icon = find(name);
    if (!icon)
        throw Error("No Image for " + name + "!");
    return icon;
}
