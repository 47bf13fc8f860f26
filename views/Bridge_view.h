#ifndef FLOTILLA_VIEWS_BRIDGE_VIEW_H
#define FLOTILLA_VIEWS_BRIDGE_VIEW_H

#include "views/GUI_based_view.h"

#include <memory>
#include <string>

class Ship;

// What can be seen from one ship's bridge: the half circle ahead, from 90
// degrees to port to 90 to starboard, with every object within 200 nm on one
// horizon line. Once the ship has sunk it shows only waves.
class Bridge_view : public GUI_based_view {
public:
    Bridge_view(IconController* controller_, std::shared_ptr<Ship> ship);
    ~Bridge_view() override;

    void draw() override;
    void generate_sunk_map();

protected:
    std::map<std::string, std::string> load_type_image_map() override;

private:
    // Keeps the ship readable after the world has let it go, so a sunk
    // ship's view can still say where it sank.
    std::shared_ptr<Ship> ship_ptr;
    // A draw's trace lines, written at once (thousands a frame); kept, so
    // that it seldom allocates.
    std::string lines;
};

extern const Point bridge_view_origin_c;

#endif
