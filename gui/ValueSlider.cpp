#include "gui/ValueSlider.h"

#include "gui/Colors.h"
#include "gui/Error.h"
#include "gui/GUIImage.h"
#include "gui/Trace.h"
#include "resources/Pictures.h"

#include <algorithm>
#include <cmath>
#include <iostream>

namespace GUI {

namespace {

const double two_pi_c = 2. * 3.14159265358979323846;
const int horiz_slider_height_c = 20;
const int joystick_margin_c = 15;

// Loaded on first use and kept for the rest of the run.
struct Slider_pictures {
    GUIImage left_cap{Pictures::slider_left_cap_c.file, true, default_color_key_c};
    GUIImage track{Pictures::slider_middle_c.file, true, default_color_key_c};
    GUIImage right_cap{Pictures::slider_right_cap_c.file, true, default_color_key_c};
    GUIImage bubble{Pictures::slider_bubble_c.file, true, default_color_key_c};
};

const Slider_pictures& slider_pictures() {
    static const Slider_pictures* pictures = new Slider_pictures;
    return *pictures;
}

void fill_clear(View& view) {
    SDL_Surface* picture = view.get_image_ptr();
    SDL_FillRect(picture, nullptr, SDL_MapRGB(picture->format, clear.r, clear.g, clear.b));
    view.mark_changed();
}

void draw_bubble_centred(View& view, DispPoint centre) {
    const GUIImage& bubble = slider_pictures().bubble;
    view.draw_onto_self(bubble, centre - DispPoint(bubble.getw() / 2, bubble.geth() / 2));
}

} // namespace

Value_Slider::Value_Slider(int width, int height, double maximum, double minimum, int initial)
    : Value_Box(width, height), min_value(minimum), max_value(maximum) {
    set_clear_color(clear);
    fill_with_color(clear);
    if (initial != -1)
        set_value(initial);
    else
        set_value((maximum - minimum) / 2.);
}

bool Value_Slider::handle_mouse_down(DispPoint) {
    clicked = true;
    capture_focus();
    return true;
}

bool Value_Slider::handle_mouse_up(DispPoint) {
    clicked = false;
    lose_focus();
    return true;
}

void Value_Slider::set_value(double fraction) {
    percent = fraction;
    display();
}

void Value_Slider::set_new_value(double value) {
    if (value > max_value || value < min_value)
        throw Error("value out of range");
    set_value((value - min_value) / (max_value - min_value));
}

Value_Horiz_Slider::Value_Horiz_Slider(int width)
    : Value_Slider(width, horiz_slider_height_c, 1., 0., -1) {
    display();
}

bool Value_Horiz_Slider::handle_mouse_down(DispPoint position) {
    Value_Slider::handle_mouse_down(position);
    set_value(static_cast<double>(position.x) / get_w());
    return true;
}

bool Value_Horiz_Slider::handle_mouse_motion(DispPoint position, DispPoint) {
    if (!get_clicked())
        return false;
    if ((position.x < low_stop_x && get_percent() == 0.) ||
        (position.x > high_stop_x && get_percent() == 1.))
        return false;
    set_value(static_cast<double>(position.x) / get_w());
    if (get_percent() < 0.) {
        set_value(0.);
        low_stop_x = position.x;
    }
    if (get_percent() > 1.) {
        set_value(1.);
        high_stop_x = position.x;
    }
    return true;
}

void Value_Horiz_Slider::display() {
    const Slider_pictures& pictures = slider_pictures();
    fill_clear(*this);
    DispPoint at(0, get_h() / 2 - HORIZ_SLIDER_CAP_DIM.y / 2);
    draw_onto_self(pictures.left_cap, at);
    at.x += HORIZ_SLIDER_CAP_DIM.x;
    for (int i = 0; i < get_w() - 4; ++i) {
        draw_onto_self(pictures.track, at);
        at.x += HORIZ_SLIDER_DIM.x;
    }
    draw_onto_self(pictures.right_cap, at);
    draw_bubble_centred(*this, DispPoint(clamp_to_int(get_percent() * get_w()), get_h() / 2));
}

Value_Joystick_Slider::Value_Joystick_Slider(int radius)
    : Value_Slider(2 * radius + joystick_margin_c, 2 * radius + joystick_margin_c, radius, 0., 0) {
    display();
}

DispPoint Value_Joystick_Slider::offset_from_centre(DispPoint position) const {
    return position - DispPoint(get_w() / 2, get_h() / 2);
}

void Value_Joystick_Slider::aim_at(DispPoint offset) {
    double turn = std::atan2(-offset.y, offset.x);
    if (turn < 0.)
        turn += two_pi_c;
    angle = turn / two_pi_c;
}

bool Value_Joystick_Slider::handle_mouse_down(DispPoint position) {
    Value_Slider::handle_mouse_down(position);
    aim_at(offset_from_centre(position));
    return true;
}

bool Value_Joystick_Slider::handle_mouse_motion(DispPoint position, DispPoint) {
    if (!get_clicked())
        return false;
    const DispPoint offset = offset_from_centre(position);
    aim_at(offset);
    const double length = std::min(std::sqrt(static_cast<double>(offset.x) * offset.x +
                                             static_cast<double>(offset.y) * offset.y),
                                   get_max());
    set_new_value(length);
    trace_out() << "length: " << length << '\n';
    return true;
}

bool Value_Joystick_Slider::handle_mouse_up(DispPoint position) {
    Value_Slider::handle_mouse_up(position);
    set_value(0.);
    return true;
}

void Value_Joystick_Slider::display() {
    const Slider_pictures& pictures = slider_pictures();
    fill_clear(*this);
    const DispPoint centre(get_w() / 2, get_h() / 2);
    const int cap_y = centre.y - HORIZ_SLIDER_CAP_DIM.y / 2;
    draw_onto_self(pictures.left_cap, DispPoint(centre.x - HORIZ_SLIDER_CAP_DIM.x, cap_y));
    draw_onto_self(pictures.right_cap, DispPoint(centre.x, cap_y));
    const double radius = get_max() * get_percent();
    const double radians = two_pi_c * angle;
    const double dx = radius * std::cos(radians);
    const double dy = -radius * std::sin(radians);
    trace_out() << "radius: " << radius << '\n'
                << "angle: " << angle << '\n'
                << "radians: " << radians << '\n'
                << dx << '\n'
                << dy << '\n';
    draw_bubble_centred(*this, centre + DispPoint(clamp_to_int(dx), clamp_to_int(dy)));
}

} // namespace GUI
