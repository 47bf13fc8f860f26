#ifndef FLOTILLA_VIEWS_GUI_BASED_VIEW_H
#define FLOTILLA_VIEWS_GUI_BASED_VIEW_H

#include "gui/GUIImage.h"
#include "gui/View.h"
#include "sim/Geometry.h"
#include "sim/View.h"
#include "views/SimObjView.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class IconController;

// An on-screen view of the world: the world's observer and a toolkit view at
// once. It draws a sea-coloured background with a grid of dots and labels,
// and shows every object as an icon subview that draw() moves to the object's
// pixel, or out of sight. World points map to pixels through an origin (the
// world point at the bottom-left corner) and a scale (world units per pixel).
//
// The view owns each object's icon from the object's introduction until the
// object leaves (or the view goes); the view tree only shows it, and an icon
// always leaves the tree before it is destroyed (discard_icon).
class GUI_based_view : public View, public GUI::View, public Icon_holder {
public:
    ~GUI_based_view() override = 0;

    // Removes the object's icon from this view as well, if it is attached.
    void update_remove(const std::string& name) override;

    int get_width() const { return get_w(); }
    int get_height() const { return get_h(); }
    int get_cell_width() const { return cell_width; }
    double get_scale() const { return scale; }
    Point get_origin() const { return origin; }
    using Icons = std::map<std::string, std::unique_ptr<SimObjView>>;
    const Icons& get_obj_images() const { return obj_images; }
    // Icons are toggled on any view; only the map keeps a selection.
    void icon_toggled(const std::string&, bool) override {}

    void set_scale(double scale_);
    void set_origin(Point origin_);

    // Makes the object's icon and keeps it out of sight until the next draw.
    void describe_name(const std::string& name, const std::string& type);
    // The picture file for a kind of object; empty for a kind not in the table.
    std::string image_for_type(const std::string& type);

    // The pixel for a world location; true when it lies inside the view. A
    // location too far away to have a pixel at all is simply outside.
    bool get_subscripts(int& x, int& y, Point location) const;
    // Redraws the background: wash, grid dots and labels.
    void generate_blank_map();

protected:
    GUI_based_view(IconController* controller_, int width, int height, int cell_width_,
                   double scale_, Point origin_);

    virtual std::map<std::string, std::string> load_type_image_map() = 0;

    // Where icons go when their object is not to be shown.
    GUI::DispPoint out_of_sight() const { return GUI::DispPoint(get_h() + 10, get_w() + 10); }
    // Finds icons for names asked in ascending order, as draw walks the
    // locations, in one pass over a name-ordered array of the icons instead
    // of a search for each (or a walk of tree nodes strewn over the heap).
    class Icon_cursor {
    public:
        using Entry = std::pair<std::string, SimObjView*>;
        explicit Icon_cursor(const std::vector<Entry>& icons_)
            : next(icons_.data()), end(icons_.data() + icons_.size()) {}
        // Null for a name that was never introduced.
        SimObjView* find(const std::string& name);
        // Throws "No Image for NAME!" for a name that was never introduced.
        SimObjView* get(const std::string& name);

    private:
        const Entry* next;
        const Entry* end;
    };
    Icon_cursor icon_cursor();
    void draw_text(const std::string& text, GUI::DispPoint position);

    bool x_labels_every_third = true;
    bool y_labels_shown = true;

private:
    std::map<std::string, std::string> type_image_map;
    bool type_images_loaded = false;
    IconController* controller;
    Icons obj_images;
    // obj_images in an array, remade when an icon comes or goes.
    std::vector<Icon_cursor::Entry> icons_in_order;
    bool icons_in_order_stale = true;
    int cell_width;
    double scale;
    Point origin;
    GUIImage wash; // kept while it covers the view

    void draw_label(double value, GUI::DispPoint position);
    void discard_icon(Icons::iterator icon);
};

#endif
