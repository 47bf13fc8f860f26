#ifndef FLOTILLA_VIEWS_SELECTION_BOX_H
#define FLOTILLA_VIEWS_SELECTION_BOX_H

#include "gui/View.h"

// The rubber band that follows a drag on the map: its corner at the press
// point stays put while it grows towards the pointer. It holds focus until
// the next release anywhere, then takes itself away.
class Selection_box : public GUI::View {
public:
    Selection_box();
    ~Selection_box() override;

    bool handle_mouse_up(GUI::DispPoint position) override;
    bool handle_mouse_motion(GUI::DispPoint position, GUI::DispPoint rel) override;

private:
    GUI::DispPoint size;
    GUI::DispPoint anchor; // the press point, in the map's coordinates
    bool anchored = false;
};

#endif
