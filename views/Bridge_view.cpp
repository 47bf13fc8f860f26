#include "views/Bridge_view.h"

#include "gui/Colors.h"
#include "gui/Trace.h"
#include "resources/Pictures.h"
#include "sim/Navigation.h"
#include "sim/Ship.h"
#include "views/Kind_pictures.h"

#include <charconv>
#include <iostream>

const Point bridge_view_origin_c(-90., 0.);

namespace {
const int bridge_width_c = 200;
const int bridge_height_c = 50;
const int bridge_cell_width_c = 20;
const double bridge_scale_c = 0.9; // degrees of relative bearing per pixel
const double horizon_c = 40.;
const double min_visible_range_c = 0.005; // nm: nearer is the ship itself
const double max_visible_range_c = 200.;  // nm

void append_whole_number(std::string& text, int value) {
    char digits[16];
    const std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, value);
    text.append(digits, written.ptr);
}

// Writes the lines gathered so far when it goes, also when an error ends
// the draw, so that they come out before the error does.
class Trace_lines {
public:
    explicit Trace_lines(std::string& lines_) : lines(lines_) { lines.clear(); }
    ~Trace_lines() {
        GUI::trace_out().write(lines.data(), static_cast<std::streamsize>(lines.size()));
    }
    Trace_lines(const Trace_lines&) = delete;
    Trace_lines& operator=(const Trace_lines&) = delete;

private:
    std::string& lines;
};
} // namespace

Bridge_view::Bridge_view(IconController* controller_, std::shared_ptr<Ship> ship)
    : GUI_based_view(controller_, bridge_width_c, bridge_height_c, bridge_cell_width_c,
                     bridge_scale_c, bridge_view_origin_c),
      ship_ptr(std::move(ship)) {
    y_labels_shown = false;
    generate_blank_map();
    draw_text(ship_ptr->get_name(), GUI::DispPoint(0, 0));
}

Bridge_view::~Bridge_view() = default;

void Bridge_view::draw() {
    const std::string& name = ship_ptr->get_name_ref();
    if (ship_ptr->is_sunk()) {
        GUI::trace_out() << "Bridge view from " << name << " sunk at " << ship_ptr->get_location()
                         << '\n';
        for (const auto& icon : get_obj_images()) {
            if (is_subview(icon.second.get()))
                remove_subview(icon.second.get());
        }
        generate_sunk_map();
        return;
    }

    const double course = ship_ptr->get_course();
    const Point own = ship_ptr->get_location();
    GUI::trace_out() << "Bridge view from " << name << " position " << own << " heading " << course
                     << '\n';
    Icon_cursor icons = icon_cursor();
    const Trace_lines trace(lines);
    for (const auto& object : get_obj_locations()) {
        const Compass_position cp(own, object.second);
        if (cp.range < min_visible_range_c || cp.range > max_visible_range_c) {
            if (GUI::View* icon = icons.find(object.first))
                move_subview(icon, out_of_sight());
            continue;
        }
        double rel = cp.bearing - course;
        if (rel < -180.)
            rel += 360.;
        else if (rel > 180.)
            rel -= 360.;
        lines.append("checking ").append(object.first).push_back('\n');
        GUI::View* icon = icons.get(object.first);
        int x = 0;
        int y = 0;
        if (get_subscripts(x, y, Point(rel, horizon_c))) {
            lines.append("drawing ").append(object.first).append(" at position ");
            append_whole_number(lines, x);
            lines.append(", ");
            append_whole_number(lines, y);
            lines.push_back('\n');
            move_subview(icon, GUI::DispPoint(x, y));
        } else {
            move_subview(icon, out_of_sight());
        }
    }
}

void Bridge_view::generate_sunk_map() {
    generate_blank_map();
    // Loaded once: a sunk ship's view tiles it on every draw.
    static const GUIImage* wave = new GUIImage(Pictures::wave_c.file, true, default_color_key_c);
    for (int x = 0; x < get_width(); x += wave->getw()) {
        for (int y = 0; y < get_height(); y += wave->geth())
            draw_onto_self(*wave, GUI::DispPoint(x, y));
    }
}

std::map<std::string, std::string> Bridge_view::load_type_image_map() {
    return picture_files(&Kind_pictures::on_bridge);
}
