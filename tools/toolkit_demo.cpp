// Draws one of each widget into the window under SDL's dummy driver and saves
// the picture, so that people working on the toolkit can see what it draws
// without a display:
//
//   SDL_VIDEODRIVER=dummy build/tools/flotilla_toolkit_demo build/Resources demo.bmp
//   python3 tools/bmp_to_png.py demo.bmp demo.png

#include "gui/App.h"
#include "gui/Button.h"
#include "gui/Colors.h"
#include "gui/MsgNew.h"
#include "gui/TextField.h"
#include "gui/TextView.h"
#include "gui/ValueSlider.h"
#include "gui/View.h"
#include "gui/Window.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdlib>
#include <iostream>
#include <unistd.h>

namespace {

class Demo_box : public GUI::MsgNew {
public:
    using MsgNew::MsgNew;
    void pop_up(int) override {}
};

SDL_keysym key(SDLKey symbol, int modifiers = 0) {
    SDL_keysym pressed{};
    pressed.sym = symbol;
    pressed.mod = static_cast<SDLMod>(modifiers);
    return pressed;
}

GUI::TextView* label(const char* text) {
    auto* view = new GUI::TextView(120, 20, false, false);
    view->set_text(text);
    return view;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: flotilla_toolkit_demo RESOURCE_DIR OUTPUT.bmp\n";
        return 2;
    }
    const std::string output = argv[2];
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) < 0 || TTF_Init() < 0) {
        std::cerr << "SDL failed: " << SDL_GetError() << '\n';
        return 1;
    }
    if (chdir(argv[1]) != 0) {
        std::cerr << "no resource folder " << argv[1] << '\n';
        return 1;
    }
    std::cout.setf(std::ios::fixed, std::ios::floatfield);
    std::cout.precision(2);

    GUI::Window window(600, 400, "", 256, 0);
    GUI::View* main_view = window.get_main_view();

    auto* box = new GUI::TextBox(260, 30);
    main_view->attach_subview(box, GUI::DispPoint(20, 20));
    GUI::TextField* field = box->get_text_field();
    field->handle_mouse_down(GUI::DispPoint(5, 5));
    for (SDLKey letter : {SDLK_a, SDLK_j, SDLK_a, SDLK_x}) {
        field->handle_key_down(
            key(letter, letter == SDLK_a && field->get_text().empty() ? KMOD_LSHIFT : 0));
        field->handle_key_up(key(letter));
    }
    field->handle_key_down(key(SDLK_2, KMOD_LSHIFT));
    field->handle_key_up(key(SDLK_2));

    const char* looks[] = {"normal", "hovered", "pressed"};
    for (int i = 0; i < 3; ++i) {
        GUI::TextButton* button = GUI::create_button([] {}, looks[i]);
        main_view->attach_subview(button, GUI::DispPoint(20, 70 + 30 * i));
        if (i == 1)
            button->handle_mouse_motion(GUI::DispPoint(5, 5), GUI::DispPoint(1, 1));
        if (i == 2)
            button->handle_mouse_down(GUI::DispPoint(5, 5));
        button->lose_focus();
    }

    main_view->attach_subview(label("Slider"), GUI::DispPoint(200, 70));
    auto* slider = new GUI::Value_Horiz_Slider(120);
    main_view->attach_subview(slider, GUI::DispPoint(200, 95));
    slider->set_value(0.3);
    main_view->attach_subview(label("Joystick"), GUI::DispPoint(350, 70));
    auto* joystick = new GUI::Value_Joystick_Slider(20);
    main_view->attach_subview(joystick, GUI::DispPoint(350, 95));
    joystick->handle_mouse_down(GUI::DispPoint(40, 20));
    joystick->handle_mouse_motion(GUI::DispPoint(40, 20), GUI::DispPoint(0, 0));
    joystick->lose_focus();

    auto* wrapped = new GUI::TextView(150, 20, true, false);
    wrapped->set_text("A text view that grows downwards as it wraps");
    main_view->attach_subview(wrapped, GUI::DispPoint(430, 20));

    auto* message = new Demo_box(300, 100, "Ship Name?", {});
    message->add_button(GUI::create_button([] {}, "Enter"));
    main_view->attach_subview(message, GUI::DispPoint(150, 250));

    window.refresh();
    if (SDL_SaveBMP(window.get_screen(), output.c_str()) != 0) {
        std::cerr << "could not save " << output << ": " << SDL_GetError() << '\n';
        return 1;
    }
    std::cerr << "saved " << output << '\n';
    field->lose_focus();
    return 0;
}
