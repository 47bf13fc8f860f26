#include "views/IconSprites.h"

#include "gui/Colors.h"
#include "gui/TextView.h"
#include "views/SimObjView.h"
#include "views/Slab.h"

#include <map>

namespace {

const SDL_Color no_key_c = {0, 0, 0, 0};
const SDL_Color picture_clear_c = {0, 0, 0, 0}; // the picture part's clear colour
const SDL_Color label_text_c = {255, 255, 255, 0};
const int label_width_c = 50;
const int label_height_c = 12;
// Past this many distinct looks, a picture's looks are taken to alternate.
const std::size_t most_appearances_c = 16;

std::uint32_t mapped(SDL_Surface* surface, SDL_Color color) {
    return SDL_MapRGB(surface->format, color.r, color.g, color.b);
}

// A registry of shared things by key that keeps none of them alive; entries
// whose thing has gone are swept out now and then.
template <typename T> class Weak_registry {
public:
    template <typename Make> std::shared_ptr<T> get(const std::string& key, Make make) {
        std::weak_ptr<T>& slot = entries[key];
        std::shared_ptr<T> held = slot.lock();
        if (held)
            return held;
        held = make();
        slot = held;
        if (entries.size() > 2 * live_after_sweep + 64)
            sweep();
        return held;
    }

private:
    std::map<std::string, std::weak_ptr<T>> entries;
    std::size_t live_after_sweep = 0;

    void sweep() {
        for (auto entry = entries.begin(); entry != entries.end();)
            entry = entry->second.expired() ? entries.erase(entry) : std::next(entry);
        live_after_sweep = entries.size();
    }
};

} // namespace

std::shared_ptr<IconPicture> IconPicture::for_file(const std::string& file) {
    static Weak_registry<IconPicture> pictures;
    return pictures.get(
        file, [&file] { return std::make_shared<IconPicture>(GUIImage(file, false, no_key_c)); });
}

IconPicture::IconPicture(const GUIImage& picture_) : picture(picture_) {}

const GUI::Sprite& IconPicture::appearance(std::size_t toggles) {
    if (repeating && toggles >= repeats_from)
        return appearances[repeats_from + (toggles - repeats_from) % 2];
    while (appearances.size() <= toggles) {
        // The picture part of an icon, selected and deselected as often.
        GUI::View holder(1, 1);
        auto* part = new SimObjViewImpl("", picture, nullptr);
        holder.attach_subview(part, GUI::DispPoint(0, 0));
        for (std::size_t i = 0; i < appearances.size(); ++i)
            part->toggle_select();
        part->refresh();
        SDL_Surface* shown = part->get_display_ptr();
        const std::uint32_t see_through = mapped(shown, picture_clear_c);
        const std::uint32_t icon_clear = mapped(shown, GUI::clear);
        appearances.emplace_back(shown, [see_through, icon_clear](std::uint32_t pixel) {
            return pixel == see_through || pixel == icon_clear;
        });
        const std::size_t last = appearances.size() - 1;
        if (last >= 2 && appearances[last] == appearances[last - 2]) {
            repeats_from = last - 2;
            repeating = true;
        } else if (appearances.size() == most_appearances_c) {
            repeats_from = last - 1;
            repeating = true;
        }
        if (repeating)
            return appearance(toggles);
    }
    return appearances[toggles];
}

std::shared_ptr<const GUI::Sprite> icon_label(const std::string& name) {
    static Weak_registry<const GUI::Sprite> labels;
    return labels.get(name, [&name] {
        GUI::TextView label(label_width_c, label_height_c, false, false);
        label.set_text(name);
        label.set_text_color(label_text_c);
        label.refresh();
        SDL_Surface* shown = label.get_display_ptr();
        const std::uint32_t see_through = mapped(shown, label.get_clear_color());
        // Labels are drawn in the order they were made, as icons are: side
        // by side in memory. A slot holds the sprite and its shared count (a
        // larger block, in a library that makes one, gets memory of its own).
        static Slab* slab = new Slab(sizeof(GUI::Sprite) + 2 * sizeof(void*));
        return std::allocate_shared<const GUI::Sprite>(
            Slab_allocator<GUI::Sprite>(*slab), shown,
            [see_through](std::uint32_t pixel) { return pixel == see_through; });
    });
}
