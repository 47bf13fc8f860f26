#ifndef FLOTILLA_VIEWS_SIMOBJVIEW_H
#define FLOTILLA_VIEWS_SIMOBJVIEW_H

#include "gui/GUIImage.h"
#include "gui/ImageView.h"
#include "gui/Sprite.h"
#include "gui/View.h"
#include "views/IconSprites.h"

#include <SDL.h>

#include <cstddef>
#include <memory>
#include <string>

class IconController;

// The view an icon is shown in, told when a click toggles the icon's
// selection (the map keeps its selection by name).
class Icon_holder {
public:
    virtual void icon_toggled(const std::string& name, bool selected) = 0;

protected:
    ~Icon_holder() = default;
};

// An object's icon: its picture with its name written over the top. A click
// toggles its selection, shown as a yellow halo, and tells the view it is
// shown in (see Icon_holder).
//
// Thousands of icons are drawn every frame, so an icon owns no pixels: it
// draws the looks it shares with others (see IconSprites.h). Its picture and
// label are still views of their own, without pixels, so that a click finds
// and passes through them as through any other views.
class SimObjView : public GUI::View {
public:
    // An icon with a picture of its own.
    SimObjView(const std::string& name_, const GUIImage& own_picture, IconController* controller_);
    SimObjView(const std::string& name, std::shared_ptr<IconPicture> picture_,
               IconController* controller_);
    ~SimObjView() override;
    // Icons of a view lie side by side in memory (see Slab.h).
    static void* operator new(std::size_t size);
    static void operator delete(void* icon, std::size_t size);

    bool handle_mouse_down(GUI::DispPoint position) override;
    void composite_onto(SDL_Surface* destination, GUI::DispPoint at) override;
    // Only the picture, its halo and the name are the icon's: a press on
    // the clear rest of its rectangle reaches whatever lies beneath.
    bool hit_at(GUI::DispPoint position) override;

    // Selects or deselects, as a click does, without telling the map.
    void toggle_select();
    const std::string& get_name() const { return name; }
    bool is_selected() const { return toggles % 2 == 1; }

private:
    // What a frame reads, first: right after the view's own position and
    // size, so that drawing an icon touches as few cache lines as it can.
    const GUI::Sprite* look;
    const GUI::Sprite* label_look;
    std::string name;
    IconController* controller;
    std::shared_ptr<IconPicture> picture; // keeps `look` alive
    std::shared_ptr<const GUI::Sprite> label;
    std::size_t toggles = 0;
    GUI::View* picture_part;
};

// The picture part of an icon, which draws and removes the selection halo;
// it draws the looks icons share.
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
