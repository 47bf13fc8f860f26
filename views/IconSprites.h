#ifndef FLOTILLA_VIEWS_ICONSPRITES_H
#define FLOTILLA_VIEWS_ICONSPRITES_H

#include "gui/GUIImage.h"
#include "gui/Sprite.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <vector>

// An icon is drawn from pixels it shares: its picture, as it looks after so
// many selections and deselections, with every icon of that picture; its
// name label with the icons of the same object in every view. Each look is
// made once by the real drawing code (SimObjViewImpl for the picture and its
// halo, a TextView for the label), so a shared look is the very pixels an
// icon drawn on its own would show.

class IconPicture {
public:
    // One per picture file for as long as any icon shows it.
    static std::shared_ptr<IconPicture> for_file(const std::string& file);
    explicit IconPicture(const GUIImage& picture_);

    // The picture part after `toggles` selections and deselections.
    const GUI::Sprite& appearance(std::size_t toggles);

private:
    GUIImage picture;
    // By number of toggles; a deque, so that a look handed out stays put.
    std::deque<GUI::Sprite> appearances;
    // From here on the looks alternate between this one and the next.
    std::size_t repeats_from = 0;
    bool repeating = false;
};

// The name written over an icon, shared by the icons of one object.
std::shared_ptr<const GUI::Sprite> icon_label(const std::string& name);

#endif
