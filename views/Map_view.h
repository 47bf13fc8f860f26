#ifndef FLOTILLA_VIEWS_MAP_VIEW_H
#define FLOTILLA_VIEWS_MAP_VIEW_H

#include "views/GUI_based_view.h"

// The top-down chart: 300 x 300 pixels, zoomable and pannable, that turns a
// clicked pixel back into a world point.
class Map_view : public GUI_based_view {
public:
    explicit Map_view(IconController* controller_);
    ~Map_view() override;

    // Places every icon and writes the settings line and the names outside.
    void draw() override;

    // Each redraws and regenerates the grid; a refused value changes nothing.
    void set_scale(double scale_);
    void set_origin(Point origin_);
    // Accepts 7 to 30 pixels; regenerates the grid without drawing.
    void set_size(int size);

    // The world point under a pixel of this view.
    Point dispToPoint(GUI::DispPoint p) const;

protected:
    std::map<std::string, std::string> load_type_image_map() override;
};

extern const Point default_map_origin_c;

#endif
