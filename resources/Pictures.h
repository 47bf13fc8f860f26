#ifndef FLOTILLA_RESOURCES_PICTURES_H
#define FLOTILLA_RESOURCES_PICTURES_H

// Every picture of the resource folder, one line each: the name the code
// knows it by (`wave` is Pictures::wave_c), its file below the resource
// folder, and the size in pixels the widgets are laid out around (a button's
// text fits inside its picture, a field's corners meet; another size can
// leave a view with a negative width). flotilla_make_images draws each, the
// build lists the files from these lines (resources/CMakeLists.txt reads
// them), and the program checks at start-up that each is there at its size,
// in this order.
#define FLOTILLA_PICTURES(PICTURE)                                                                 \
    PICTURE(button_normal, "GUIImages/button.bmp", 140, 20)                                        \
    PICTURE(button_hovered, "GUIImages/button2.bmp", 140, 20)                                      \
    PICTURE(button_pressed, "GUIImages/button3.bmp", 140, 20)                                      \
    PICTURE(corner0, "GUIImages/corner0.bmp", 5, 5)                                                \
    PICTURE(corner1, "GUIImages/corner1.bmp", 5, 5)                                                \
    PICTURE(corner2, "GUIImages/corner2.bmp", 5, 5)                                                \
    PICTURE(corner3, "GUIImages/corner3.bmp", 5, 5)                                                \
    PICTURE(slider_bubble, "GUIImages/slider_bubble.bmp", 15, 15)                                  \
    PICTURE(slider_left_cap, "GUIImages/slider_horiz_L.bmp", 3, 5)                                 \
    PICTURE(slider_middle, "GUIImages/slider_horiz_M.bmp", 1, 5)                                   \
    PICTURE(slider_right_cap, "GUIImages/slider_horiz_R.bmp", 3, 5)                                \
    PICTURE(island_map, "images/arrow.bmp", 14, 24)                                                \
    PICTURE(blip, "images/blip.bmp", 12, 23)                                                       \
    PICTURE(dot, "images/dot.bmp", 3, 3)                                                           \
    PICTURE(island_front, "images/island_front.bmp", 24, 27)                                       \
    PICTURE(ship_front, "images/ship_front.bmp", 16, 27)                                           \
    PICTURE(wave, "images/wave.bmp", 20, 10)

struct Picture {
    const char* file; // relative to the resource folder
    int width;
    int height;
};

namespace Pictures {
#define FLOTILLA_PICTURE_CONSTANT(name, file, width, height)                                       \
    inline constexpr Picture name##_c{file, width, height};
FLOTILLA_PICTURES(FLOTILLA_PICTURE_CONSTANT)
#undef FLOTILLA_PICTURE_CONSTANT

#define FLOTILLA_PICTURE_ENTRY(name, file, width, height) name##_c,
inline constexpr Picture all_c[] = {FLOTILLA_PICTURES(FLOTILLA_PICTURE_ENTRY)};
#undef FLOTILLA_PICTURE_ENTRY
} // namespace Pictures

#endif
