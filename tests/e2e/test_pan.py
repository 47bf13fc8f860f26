"""The panel's pan joystick moves the map (the zoom slider's scale is
MapAndPanel's)."""
import os
import re
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from flotilla_e2e import JOYSTICK_CENTRE, RESTING_PLACE, run

ORIGIN = r"^Display size: 300, scale: [\d.]+, origin: \(([-\d.]+), ([-\d.]+)\)$"


def test(s):
    cx, cy = JOYSTICK_CENTRE
    mark = s.mark()
    s.screenshot("start")
    s.expect(not s.lines_since(mark, "^ANGLE: "), "a released stick writes nothing")

    # Full deflection at scale 0.2 slides the origin by 0.6 a frame.
    mark = s.mark()
    s.press(JOYSTICK_CENTRE)
    s.move((cx + 15, cy))
    s.expect(s.wait_for(r"^NEW ORIGIN: \(-9\.40, -10\.00\)$", mark),
             "the first frame to the right moves the origin by (0.60, 0.00)")
    s.expect(s.lines_since(mark, "^(ANGLE|OLD ORIGIN): ")[:2]
             == ["ANGLE: 0.00", "OLD ORIGIN: (-10.00, -10.00)"], "angle 0 from the start origin")
    mark = s.mark()
    s.move((cx, cy - 15))
    s.expect(s.wait_for("^ANGLE: 1.57$", mark), "dragging up while held pans upwards")
    s.release()
    s.move(RESTING_PLACE)
    s.screenshot("released")
    time.sleep(0.1)
    mark = s.mark()
    time.sleep(0.3)
    s.expect(not s.lines_since(mark, "^ANGLE: "), "the stick springs back and panning stops")
    shown = [tuple(map(float, re.match(ORIGIN, l).groups())) for l in s.lines_since(0, ORIGIN)]
    s.expect(shown and shown[-1][0] > -9.5 and shown[-1][1] > -9.5,
             f"the map is drawn at the panned origin, got {shown[-1:]}")

    s.expect(s.close_window() == 0, "the program ends cleanly")


run(test)
