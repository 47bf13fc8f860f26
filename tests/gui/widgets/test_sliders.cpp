#include "support/Window_support.h"

#include "gui/App.h"

#include "gui/ValueSlider.h"

#include <tuple>

using Slider = Window_test;

// The slider spans window x 100 to 299 on the row y = 110.
TEST_F(Slider, HorizontalDragPastEitherEndHoldsThereUntilThePointerReturns) {
    auto* slider = attach(new GUI::Value_Horiz_Slider(200), P(100, 100));
    press(P(150, 110));
    run_frames(1);
    EXPECT_DOUBLE_EQ(slider->get_percent(), 0.25);
    EXPECT_TRUE(GUI::App::get()->has_focus(slider));
    for (auto [x, percent] :
         {std::pair{350, 1.}, {390, 1.}, {250, 0.75}, {50, 0.}, {20, 0.}, {120, 0.1}}) {
        move_to(P(x, 110));
        run_frames(1);
        EXPECT_DOUBLE_EQ(slider->get_percent(), percent) << "dragged to " << x;
    }
    release(P(120, 110));
    move_to(P(200, 110));
    run_frames(1);
    EXPECT_FALSE(slider->get_clicked());
    EXPECT_FALSE(GUI::App::get()->has_focus(slider));
    EXPECT_DOUBLE_EQ(slider->get_percent(), 0.1) << "moving without the button down";
}

// Centred at window (357, 357); a press aims but does not push.
TEST_F(Slider, JoystickGivesAngleAndClampedLengthAndSpringsBackKeepingAngle) {
    auto* stick = attach(new GUI::Value_Joystick_Slider(50), P(300, 300));
    for (auto [type, x, y, angle, percent] : {std::tuple{SDL_MOUSEBUTTONDOWN, 357, 327, 90., 0.},
                                              {SDL_MOUSEMOTION, 437, 357, 0., 1.},
                                              {SDL_MOUSEMOTION, 337, 357, 180., 0.4},
                                              {SDL_MOUSEBUTTONUP, 357, 397, 270., 0.}}) {
        if (type == SDL_MOUSEBUTTONUP)
            move_to(P(x, y));
        push_mouse(Uint8(type), P(x, y));
        run_frames(1);
        EXPECT_NEAR(stick->get_angle(), angle, 1e-9) << x << "," << y;
        EXPECT_DOUBLE_EQ(stick->get_percent(), percent) << x << "," << y;
        EXPECT_DOUBLE_EQ(stick->get_value(), 50. * percent);
    }
    EXPECT_FALSE(GUI::App::get()->has_focus(stick));
}
