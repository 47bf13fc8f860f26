#include "gui/View.h"

#include "gui/Drawing.h"
#include "gui/Error.h"
#include "gui/GUIImage.h"
#include "gui/Trace.h"

#include <algorithm>
#include <iostream>

namespace GUI {

namespace {

const std::size_t prefetch_distance_c = 8;

SDL_Rect whole_rect(int width, int height) {
    return SDL_Rect{0, 0, static_cast<Uint16>(width), static_cast<Uint16>(height)};
}

void copy_onto(SDL_Surface* source, SDL_Surface* destination, DispPoint position) {
    display_image(source, destination, position, false, whole_rect(source->w, source->h));
}

} // namespace

View::View(int width, int height)
    : w(width), h(height), image(prepare_SDL_surface(width, height)), display(nullptr) {
    try {
        display = prepare_SDL_surface(width, height);
    } catch (...) {
        SDL_FreeSurface(image);
        throw;
    }
}

View::View(int width, int height, Surfaceless)
    : w(width), h(height), image(nullptr), display(nullptr) {}

View::~View() {
    for (View* subview : subviews)
        delete subview; // a hole is null, and deleting null is nothing
    SDL_FreeSurface(image);
    SDL_FreeSurface(display);
}

void View::attach_subview(View* view, DispPoint position) {
    if (view->parent)
        throw Error("Candidate vew is already a subview of another view.");
    if (view == this)
        throw Error("Cannot attach a view to itself!");
    view->rel_pos = position;
    view->place_in_parent = static_cast<std::uint32_t>(subviews.size());
    subviews.push_back(view);
    view->parent = this;
    mark_changed();
}

void View::detach(View* view) {
    subviews[view->place_in_parent] = nullptr;
    ++holes;
    view->parent = nullptr;
    if (holes * 2 > subviews.size())
        squeeze_out_holes();
    mark_changed();
}

void View::squeeze_out_holes() {
    std::size_t kept = 0;
    for (View* subview : subviews) {
        if (!subview)
            continue;
        subview->place_in_parent = static_cast<std::uint32_t>(kept);
        subviews[kept++] = subview;
    }
    subviews.resize(kept);
    holes = 0;
}

void View::remove_subview(View* view) {
    if (!is_subview(view))
        throw Error("view is not a subview of this!");
    detach(view);
}

void View::remove_last_subview() {
    while (!subviews.empty() && !subviews.back()) {
        subviews.pop_back();
        --holes;
    }
    if (subviews.empty())
        throw Error("view has not subviews!");
    detach(subviews.back());
}

void View::move_subview(View* view, DispPoint position) {
    if (!is_subview(view))
        throw Error("view is not a subview of this!");
    if (view->rel_pos == position)
        return;
    view->rel_pos = position;
    mark_changed();
}

bool View::is_subview(const View* view) const {
    return view && view->parent == this;
}

void View::draw_onto_self(const GUIImage& picture, DispPoint position) {
    if (!image)
        throw Error("view has no pixels to draw on!");
    mark_changed();
    copy_onto(picture, image, position);
}

void View::fill_with_color(SDL_Color color) {
    draw_onto_self(GUIImage::create_filled(w, h, color), DispPoint(0, 0));
}

void View::render_image(SDL_Surface* surface, int width, int height, DispPoint position) {
    if (!display)
        throw Error("view has no pixels to draw on!");
    display_image(surface, display, position, false, whole_rect(width, height));
}

void View::set_clear_color(SDL_Color color) {
    clear_color = color;
    has_clear_color = true;
    if (!display)
        return;
    // Run-length encoding makes copying a mostly clear view (an icon, a
    // label) cheap; SDL redoes it after the view is recomposited.
    SDL_SetColorKey(display, SDL_SRCCOLORKEY | SDL_RLEACCEL,
                    SDL_MapRGB(display->format, color.r, color.g, color.b));
}

void View::mark_changed() {
    for (View* view = this; view; view = view->parent)
        view->changed = true;
}

std::size_t View::recomposition_count = 0;

void View::refresh() {
    if (!changed)
        return;
    if (!image) {
        changed = false; // it is drawn where it is composited
        return;
    }
    ++recomposition_count;
    render_image(image, w, h, DispPoint(0, 0));
    const std::size_t count = subviews.size();
    for (std::size_t i = 0; i < count; ++i) {
        // Thousands of icons lie scattered through memory: ask for the ones
        // a few places on while this one is drawn.
        if (i + prefetch_distance_c < count)
            __builtin_prefetch(subviews[i + prefetch_distance_c]);
        View* subview = subviews[i];
        if (subview && is_in_sight(subview))
            subview->composite_onto(display, subview->rel_pos);
    }
    changed = false;
}

bool View::is_in_sight(const View* subview) const {
    // A subview parked out of sight (an icon not shown) costs nothing: it
    // keeps its changed flag and is brought up to date when it shows.
    const DispPoint at = subview->rel_pos;
    return at.x < w && at.y < h && at.x + subview->w > 0 && at.y + subview->h > 0;
}

void View::composite_onto(SDL_Surface* destination, DispPoint at) {
    refresh();
    display_image(display, destination, at, false, whole_rect(w, h));
}

void View::resize(int width, int height) {
    if (width == w && height == h) {
        did_resize(width, height);
        return;
    }
    if (!image) {
        w = width;
        h = height;
        mark_changed();
        did_resize(width, height);
        return;
    }
    SDL_Surface* fresh_image = prepare_SDL_surface(width, height);
    SDL_Surface* fresh_display = nullptr;
    try {
        fresh_display = prepare_SDL_surface(width, height);
    } catch (...) {
        SDL_FreeSurface(fresh_image);
        throw;
    }
    SDL_Surface* old_image = image;
    SDL_Surface* old_display = display;
    image = fresh_image;
    display = fresh_display;
    w = width;
    h = height;
    if (has_clear_color) {
        const Uint32 key = SDL_MapRGB(display->format, clear_color.r, clear_color.g, clear_color.b);
        SDL_SetColorKey(display, SDL_SRCCOLORKEY, key);
        SDL_FillRect(image, nullptr, key);
    }
    copy_onto(old_image, image, DispPoint(0, 0));
    SDL_FreeSurface(old_image);
    SDL_FreeSurface(old_display);
    mark_changed();
    did_resize(width, height);
}

DispPoint View::get_abs_pos() const {
    DispPoint position;
    for (const View* view = this; view; view = view->parent)
        position = position + view->rel_pos;
    return position;
}

bool View::rel_point_is_on_me(DispPoint point) const {
    return point.x >= 0 && point.x < w && point.y >= 0 && point.y < h;
}

bool View::abs_point_is_on_me(DispPoint point) const {
    return rel_point_is_on_me(point - get_abs_pos());
}

View* View::get_view_from_point(DispPoint point) {
    DispPoint own = adjust_to_rel(point);
    if (!rel_point_is_on_me(own) || !hit_at(own))
        return nullptr;
    View* result = this;
    for (View* subview : subviews) {
        if (!subview)
            continue;
        if (View* hit = subview->get_view_from_point(own))
            result = hit;
    }
    return result;
}

void View::mouse_down(DispPoint point) {
    trace_out() << "mouse down!: " << point.x << ", " << point.y << '\n';
    if (!handle_mouse_down(point) && parent)
        parent->mouse_down(adjust_to_parent(point));
}

void View::mouse_up(DispPoint point) {
    trace_out() << "mouse up!: " << point.x << ", " << point.y << '\n';
    if (!handle_mouse_up(point) && parent)
        parent->mouse_up(adjust_to_parent(point));
}

void View::mouse_motion(DispPoint point, DispPoint rel) {
    if (!handle_mouse_motion(point, rel) && parent)
        parent->mouse_motion(adjust_to_parent(point), rel);
}

void View::mouse_scroll_start(bool up) {
    trace_out() << "mouse scroll!: " << (up ? "up" : "down") << '\n';
    if (!handle_mouse_scroll_start(up) && parent)
        parent->mouse_scroll_start(up);
}

void View::mouse_scroll_stop(bool up) {
    trace_out() << "mouse scroll!: " << (up ? "up" : "down") << '\n';
    if (!handle_mouse_scroll_stop(up) && parent)
        parent->mouse_scroll_stop(up);
}

} // namespace GUI
