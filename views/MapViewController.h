#ifndef FLOTILLA_VIEWS_MAPVIEWCONTROLLER_H
#define FLOTILLA_VIEWS_MAPVIEWCONTROLLER_H

#include "views/Map_view.h"

#include <list>
#include <memory>
#include <string>

class Commandable_object;

// The interactive map: it keeps the names of the objects selected on it, and a
// click on free map space sends every selected ship there while a rubber band
// follows the drag.
class MapViewController : public Map_view {
public:
    explicit MapViewController(IconController* controller_);
    ~MapViewController() override;

    bool handle_mouse_down(GUI::DispPoint position) override;
    // The name leaves the selection with its object and icon.
    void update_remove(const std::string& name) override;
    // A click on an icon adds its name to the selection or takes it out.
    void icon_toggled(const std::string& name, bool selected) override;

    // Does nothing for a name already selected.
    void add_selected_ship(const std::string& name);
    // Does nothing for a name that is not selected.
    void remove_selected_ship(const std::string& name);
    // The first selected ship; throws "No Ship Selected!" with none selected.
    std::shared_ptr<Commandable_object> get_selected();
    const std::list<std::string>& get_selected_ships() const { return selected_ships; }

private:
    std::list<std::string> selected_ships;
};

#endif
