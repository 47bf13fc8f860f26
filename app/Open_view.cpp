#include "app/Open_view.h"

#include "gui/Window.h"
#include "sim/Model.h"
#include "views/GUI_based_view.h"

Open_view::Open_view(std::shared_ptr<GUI_based_view> view_, std::string ship_, GUI::Window& window,
                     GUI::DispPoint position)
    : view(std::move(view_)), ship(std::move(ship_)) {
    Model::get()->attach(view);
    try {
        window.attach_subview(view.get(), position);
    } catch (...) {
        Model::get()->detach(view);
        throw;
    }
}

Open_view::~Open_view() {
    Model::get()->detach(view);
    if (GUI::View* parent = view->get_parent())
        parent->remove_subview(view.get());
}
