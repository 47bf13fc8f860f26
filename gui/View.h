#ifndef FLOTILLA_GUI_VIEW_H
#define FLOTILLA_GUI_VIEW_H

#include "gui/Controller.h"
#include "gui/DispPoint.h"

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <vector>

class GUIImage;

namespace GUI {

// A rectangle of pixels placed inside its parent. It draws on `image`; its
// subviews are composited over that onto `display`, which is what the parent
// copies. Only views marked changed (and their ancestors) are recomposited.
//
// A view owns its subviews and destroys them; detaching one hands ownership
// back to the caller.
class View : public Controller {
public:
    View(int width, int height);
    ~View() override;
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    bool handle_mouse_down(DispPoint) override { return false; }
    bool handle_mouse_up(DispPoint) override { return false; }
    bool handle_mouse_motion(DispPoint, DispPoint) override { return false; }
    bool handle_key_down(SDL_keysym) override { return false; }
    bool handle_key_up(SDL_keysym) override { return false; }
    virtual void did_resize(int, int) {}
    virtual bool handle_mouse_scroll(bool) { return false; }
    // Whether a point of this view's rectangle (in its own coordinates) is
    // the view's to catch. A view that says no is passed over by
    // get_view_from_point, so the point falls to whatever lies beneath it.
    // Not const: answering may need the view's picture brought up to date.
    virtual bool hit_at(DispPoint) { return true; }

    void attach_subview(View* view, DispPoint position);
    void remove_subview(View* view);
    void remove_last_subview();
    void move_subview(View* view, DispPoint position);
    bool is_subview(const View* view) const;

    // Both mark the view changed: they draw on its own picture.
    void draw_onto_self(const GUIImage& picture, DispPoint position);
    void fill_with_color(SDL_Color color);
    void render_image(SDL_Surface* surface, int width, int height, DispPoint position);

    // Pixels of exactly this colour let the parent show through.
    void set_clear_color(SDL_Color color);
    SDL_Color get_clear_color() const { return clear_color; }
    bool has_alpha_color() const { return has_clear_color; }

    // Marks this view and every ancestor: dirty flags go up, drawing goes down.
    void mark_changed();
    bool need_to_refresh() const { return changed; }
    // Recomposites the changed branches below this view.
    void refresh();
    // Puts what this view shows (its display, clear colour transparent) onto
    // a parent's surface with the view's top-left at `at`. A view without
    // pixels of its own draws itself here from pixels it shares.
    virtual void composite_onto(SDL_Surface* destination, DispPoint at);

    // How many views have been recomposited so far in this process: what a
    // change costs, counted rather than timed.
    static std::size_t get_recomposition_count() { return recomposition_count; }
    // Keeps the old drawing in the top-left corner.
    void resize(int width, int height);

    DispPoint get_rel_pos() const { return rel_pos; }
    DispPoint get_abs_pos() const;
    DispPoint abs_from_rel(DispPoint point) const { return point + get_abs_pos(); }
    DispPoint adjust_to_rel(DispPoint point) const { return point - rel_pos; }
    DispPoint adjust_to_parent(DispPoint point) const { return point + rel_pos; }
    bool rel_point_is_on_me(DispPoint point) const;
    bool abs_point_is_on_me(DispPoint point) const;

    int get_w() const { return w; }
    int get_h() const { return h; }
    View* get_parent() const { return parent; }
    SDL_Surface* get_image_ptr() const { return image; }
    // What the parent composites: the view's picture with its subviews.
    SDL_Surface* get_display_ptr() const { return display; }

    // The deepest view under a point given in the parent's coordinates; the
    // last attached wins among overlapping siblings, unless its hit_at turns
    // the point down. Null when off this view or turned down by it.
    View* get_view_from_point(DispPoint point);

    // Entry points for the event loop: offer the event to this view, then to
    // each ancestor in turn until one handles it. Positions are in this view's
    // coordinates.
    void mouse_down(DispPoint point);
    void mouse_up(DispPoint point);
    void mouse_motion(DispPoint point, DispPoint rel);
    void mouse_scroll_start(bool up);
    void mouse_scroll_stop(bool up);

protected:
    // For a view that owns no pixels (one of thousands of icons): it must
    // override composite_onto, and nothing may draw onto it.
    struct Surfaceless {};
    View(int width, int height, Surfaceless);

private:
    // Ordered so that what a frame reads of a view (its size, place and
    // parent) shares the first cache line, and packed: icons are made by the
    // ten thousand, and each has views within it.
    int w;
    int h;
    DispPoint rel_pos;
    View* parent = nullptr;
    SDL_Surface* image;
    SDL_Surface* display;
    // In compositing order. A detached view leaves a hole (null) so that
    // detaching stays O(1); the holes are squeezed out once they are half
    // the list. Contiguous, because every frame walks the whole list.
    std::vector<View*> subviews;
    // Where this view sits in its parent's list: a view has at most one
    // parent, so finding it there never needs a search.
    std::uint32_t place_in_parent = 0;
    std::uint32_t holes = 0;
    SDL_Color clear_color = {0, 0, 0, 0};
    bool changed = false;
    bool has_clear_color = false;
    static std::size_t recomposition_count;

    void detach(View* view);
    bool is_in_sight(const View* subview) const;
    void squeeze_out_holes();
};

} // namespace GUI

#endif
