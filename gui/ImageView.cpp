#include "gui/ImageView.h"

#include "gui/GUIImage.h"

namespace GUI {

ImageView::ImageView(const GUIImage& picture) : View(picture.getw(), picture.geth()) {
    draw_onto_self(picture, DispPoint(0, 0));
}

ImageView::~ImageView() = default;

} // namespace GUI
