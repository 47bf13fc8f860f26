#ifndef FLOTILLA_VIEWS_SIMOBJVIEW_H
#define FLOTILLA_VIEWS_SIMOBJVIEW_H

#include "gui/GUIImage.h"
#include "gui/ImageView.h"
#include "gui/View.h"

#include <SDL.h>

#include <string>

class IconController;
class SimObjViewImpl;

namespace GUI {
class TextView;
}

// An object's icon: its picture with its name written over the top. A click
// toggles its selection, shown as a yellow halo; on the map it also adds the
// object to, or takes it from, the map's selection.
class SimObjView : public GUI::View {
public:
    SimObjView(const std::string& name, const GUIImage& picture, IconController* controller);
    ~SimObjView() override;

    bool handle_mouse_down(GUI::DispPoint position) override;
    // Only the picture, its halo and the name are the icon's: a press on
    // the clear rest of its rectangle reaches whatever lies beneath.
    bool hit_at(GUI::DispPoint position) override;

    SimObjViewImpl* get_impl() const { return impl; }

private:
    SimObjViewImpl* impl;
    GUI::TextView* label;
};

// The picture part of an icon, which draws and removes the selection halo.
class SimObjViewImpl : public GUI::ImageView {
public:
    SimObjViewImpl(const std::string& name_, const GUIImage& image_, IconController* controller_);
    ~SimObjViewImpl() override;

    void toggle_select();
    void select_shimmer();
    // The picture's silhouette (every pixel not of the key colour) grown by
    // one pixel in every direction and painted in the fill colour.
    GUIImage fill_in_color(GUIImage picture, SDL_Color key, SDL_Color fill);

    const std::string& get_name() const { return name; }
    bool is_selected() const { return selected; }

private:
    std::string name;
    IconController* controller;
    bool selected = false;
    GUIImage image;
};

#endif
