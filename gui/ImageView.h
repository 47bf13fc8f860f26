#ifndef FLOTILLA_GUI_IMAGEVIEW_H
#define FLOTILLA_GUI_IMAGEVIEW_H

#include "gui/View.h"

class GUIImage;

namespace GUI {

// A view the size of one picture, showing it.
class ImageView : public View {
public:
    explicit ImageView(const GUIImage& picture);
    ~ImageView() override;
};

} // namespace GUI

#endif
