#include "views/Map_view.h"

#include "gui/Trace.h"
#include "sim/Error.h"
#include "views/Kind_pictures.h"

#include <iostream>
#include <vector>

const Point default_map_origin_c(-10., -10.);

namespace {
const int map_size_c = 300;
const int map_cell_width_c = 20;
const double map_scale_c = 0.2;
const int max_map_size_c = 30;
const int min_map_size_c = 6;

const char* const error_MapTooBig_c = "New map size is too big!\n";
const char* const error_MapTooSmall_c = "New map size is too small!\n";
const char* const error_NonPosMapScale_c = "New map scale must be positive!\n";
} // namespace

Map_view::Map_view(IconController* controller_)
    : GUI_based_view(controller_, map_size_c, map_size_c, map_cell_width_c, map_scale_c,
                     default_map_origin_c) {
    generate_blank_map();
}

Map_view::~Map_view() = default;

void Map_view::draw() {
    GUI::trace_out() << "Display size: " << get_height() << ", scale: " << get_scale()
                     << ", origin: " << get_origin() << '\n';
    std::vector<const std::string*> outside;
    Icon_cursor icons = icon_cursor();
    for (const auto& object : get_obj_locations()) {
        GUI::View* icon = icons.get(object.first);
        int x = 0;
        int y = 0;
        if (get_subscripts(x, y, object.second)) {
            move_subview(icon, GUI::DispPoint(x, y));
        } else {
            outside.push_back(&object.first);
            move_subview(icon, out_of_sight());
        }
    }
    if (outside.empty())
        return;
    for (std::size_t i = 0; i < outside.size(); ++i)
        GUI::trace_out() << (i ? ", " : "") << *outside[i];
    GUI::trace_out() << " outside the map\n";
}

void Map_view::set_scale(double scale_) {
    if (!(scale_ > 0.))
        throw Error(error_NonPosMapScale_c);
    GUI_based_view::set_scale(scale_);
    generate_blank_map();
}

void Map_view::set_origin(Point origin_) {
    GUI_based_view::set_origin(origin_);
    generate_blank_map();
}

void Map_view::set_size(int size) {
    if (size > max_map_size_c)
        throw Error(error_MapTooBig_c);
    if (size <= min_map_size_c)
        throw Error(error_MapTooSmall_c);
    resize(size, size);
    generate_blank_map();
}

Point Map_view::dispToPoint(GUI::DispPoint p) const {
    return Point(p.x * get_scale() + get_origin().x,
                 (get_height() - p.y) * get_scale() + get_origin().y);
}

std::map<std::string, std::string> Map_view::load_type_image_map() {
    return picture_files(&Kind_pictures::on_map);
}
