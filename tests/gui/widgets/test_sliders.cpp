#include "Widget_fixture.h"

#include "gui/Drawing.h"
#include "gui/GUIImage.h"
#include "gui/ValueSlider.h"

using GUI::DispPoint;

using Slider_test = Widget_test;

// The slider spans window x 100 to 299 on the row y = 110.
TEST_F(Slider_test, HorizontalDragPastEitherEndHoldsThereUntilThePointerReturns) {
    auto* slider = attach(new GUI::Value_Horiz_Slider(200), DispPoint(100, 100));
    const auto drag_to = [&](int x) {
        move_to(x, 110);
        deliver();
        return slider->get_percent();
    };
    press(150, 110);
    deliver();
    EXPECT_DOUBLE_EQ(slider->get_percent(), 0.25);
    EXPECT_TRUE(app()->has_focus(slider));

    EXPECT_DOUBLE_EQ(drag_to(350), 1.);
    EXPECT_DOUBLE_EQ(drag_to(390), 1.);
    EXPECT_DOUBLE_EQ(drag_to(250), 0.75);
    EXPECT_DOUBLE_EQ(drag_to(50), 0.);
    EXPECT_DOUBLE_EQ(drag_to(20), 0.);
    EXPECT_DOUBLE_EQ(drag_to(120), 0.1);

    release(120, 110);
    deliver();
    EXPECT_FALSE(slider->get_clicked());
    EXPECT_FALSE(app()->has_focus(slider));
    EXPECT_DOUBLE_EQ(drag_to(200), 0.1) << "moving without the button down";
}

// The joystick's centre is at window (357, 357).
TEST_F(Slider_test, JoystickGivesAngleAndClampedLengthAndSpringsBackKeepingAngle) {
    auto* stick = attach(new GUI::Value_Joystick_Slider(50), DispPoint(300, 300));
    EXPECT_EQ(stick->get_w(), 115);
    EXPECT_EQ(stick->get_h(), 115);
    EXPECT_DOUBLE_EQ(stick->get_percent(), 0.);

    press(357, 327);
    deliver();
    EXPECT_NEAR(stick->get_angle(), 90., 1e-9);
    EXPECT_DOUBLE_EQ(stick->get_percent(), 0.) << "a press aims but does not push";

    move_to(437, 357);
    deliver();
    EXPECT_NEAR(stick->get_angle(), 0., 1e-9);
    EXPECT_DOUBLE_EQ(stick->get_percent(), 1.);
    EXPECT_DOUBLE_EQ(stick->get_value(), 50.);

    move_to(337, 357);
    deliver();
    EXPECT_NEAR(stick->get_angle(), 180., 1e-9);
    EXPECT_DOUBLE_EQ(stick->get_percent(), 0.4);

    move_to(357, 397);
    release(357, 397);
    deliver();
    EXPECT_NEAR(stick->get_angle(), 270., 1e-9);
    EXPECT_DOUBLE_EQ(stick->get_percent(), 0.);
    EXPECT_FALSE(app()->has_focus(stick));
}

TEST_F(Slider_test, StartsInTheMiddleAndRefusesValuesOutsideTheRange) {
    GUI::Value_Horiz_Slider slider(200);
    const GUIImage bubble("GUIImages/slider_bubble.bmp", false, SDL_Color{0, 0, 0, 0});
    EXPECT_EQ(getpixel(slider.get_image_ptr(), 100, 10), getpixel(bubble, 7, 7));
    try {
        slider.set_new_value(1.5);
        ADD_FAILURE() << "1.5 accepted";
    } catch (const GUI::Error& error) {
        EXPECT_EQ(error.msg, "value out of range");
    }
    EXPECT_THROW(slider.set_new_value(-0.1), GUI::Error);
    EXPECT_DOUBLE_EQ(slider.get_percent(), 0.5);
    slider.set_new_value(1.);
    EXPECT_DOUBLE_EQ(slider.get_percent(), 1.);

    GUI::Value_Joystick_Slider stick(50);
    EXPECT_THROW(stick.set_new_value(51.), GUI::Error);
    stick.set_new_value(25.);
    EXPECT_DOUBLE_EQ(stick.get_percent(), 0.5);
}
