#ifndef FLOTILLA_GUI_VALUESLIDER_H
#define FLOTILLA_GUI_VALUESLIDER_H

#include "gui/DispPoint.h"
#include "gui/View.h"

namespace GUI {

const DispPoint HORIZ_SLIDER_DIM(1, 5);
const DispPoint HORIZ_SLIDER_CAP_DIM(3, 5);

// A view that has a value.
class Value_Box : public View {
public:
    using View::View;
    virtual double get_value() const = 0;
};

// Holds a value as a fraction of its range, set by dragging. A press captures
// focus so the drag and the release arrive wherever the pointer goes.
class Value_Slider : public Value_Box {
public:
    // An initial fraction of -1 means the middle of the range.
    Value_Slider(int width, int height, double maximum, double minimum, int initial);

    bool handle_mouse_down(DispPoint position) override;
    bool handle_mouse_up(DispPoint position) override;

    double get_value() const override { return min_value + percent * (max_value - min_value); }
    virtual void display() {}
    virtual double get_percent() const { return percent; }

    // Stores the fraction as given, without clamping, and redraws.
    void set_value(double fraction);
    // Throws "value out of range" outside [minimum, maximum].
    void set_new_value(double value);
    double get_max() const { return max_value; }
    void set_min(double minimum) { min_value = minimum; }
    void set_max(double maximum) { max_value = maximum; }
    bool get_clicked() const { return clicked; }

private:
    double percent = 0.;
    bool clicked = false;
    double min_value;
    double max_value;
};

// A track with a bubble; a drag past an end holds the value there until the
// pointer comes back past the point where it stopped.
class Value_Horiz_Slider : public Value_Slider {
public:
    explicit Value_Horiz_Slider(int width);

    bool handle_mouse_down(DispPoint position) override;
    bool handle_mouse_motion(DispPoint position, DispPoint rel) override;
    void display() override;

private:
    int low_stop_x = 0;
    int high_stop_x = 0;
};

// A round control: the drag gives an angle and a length up to the radius,
// and the stick springs back to the centre when released.
class Value_Joystick_Slider : public Value_Slider {
public:
    explicit Value_Joystick_Slider(int radius);

    bool handle_mouse_down(DispPoint position) override;
    bool handle_mouse_up(DispPoint position) override;
    bool handle_mouse_motion(DispPoint position, DispPoint rel) override;
    void display() override;

    // Degrees counter-clockwise from screen right; up is 90.
    double get_angle() const { return angle * 360.; }

private:
    double angle = 0.; // a fraction of a full turn

    DispPoint offset_from_centre(DispPoint position) const;
    void aim_at(DispPoint offset);
};

} // namespace GUI

#endif
