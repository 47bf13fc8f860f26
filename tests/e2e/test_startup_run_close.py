"""Start-up output and first picture, GO/Pause, and closing the window."""
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from flotilla_e2e import (BACKGROUND_GREY, GO_BUTTON, PANEL_GREY, RESTING_PLACE, SEA, matches,
                          run)

NAMES = ["Bermuda", "Exxon", "Shell", "Treasure_Island",
         "Ajax", "Galactica", "Pegasus", "Valdez", "Xerxes"]
STANDING_ORDERS = [
    "Valdez will load at Shell",
    "Valdez will unload at Bermuda",
    "Valdez will sail on course 270.00 deg, speed 10.00 nm/hr to (0.00, 30.00)",
    "Pegasus will sail on course 296.57 deg, speed 15.00 nm/hr to (0.00, 30.00)",
]
TICK_LINE = "^(Ajax stopped at|Valdez now at)"
GO_BUTTON_AREA = (360, 210, 140, 20)


def test(s):
    first = s.screenshot("start")
    out = s.lines[:]
    s.expect(out[:4] == STANDING_ORDERS, f"standing orders first, got {out[:4]}")
    # The map and the three bridge views are each told every name.
    introduced = [i for i in range(len(out)) if out[i:i + len(NAMES)] == NAMES]
    s.expect(len(introduced) == 4, f"names introduced to 4 views in order, {len(introduced)} seen")
    display = s.lines_since(0, "^Display size")
    s.expect(display[:1] == ["Display size: 300, scale: 0.20, origin: (-10.00, -10.00)"],
             f"first map line, got {display[:1]}")
    s.expect(not s.lines_since(0, TICK_LINE), "the world stands still before GO")

    s.expect((first.width, first.height) == (600, 600), "a 600 x 600 window")
    for point, colour, what in [((20, 280), SEA, "map sea"), ((540, 290), PANEL_GREY, "panel"),
                                ((50, 400), BACKGROUND_GREY, "background"),
                                ((320, 330), SEA, "Ajax's bridge sea")]:
        s.expect(matches(first.px(*point), colour), f"{what} at {point}: {first.px(*point)}")
    idle_button = first.region(*GO_BUTTON_AREA)

    mark = s.mark()
    s.click(GO_BUTTON)
    s.move(RESTING_PLACE)
    s.expect(s.wait_for("^Ajax stopped at", mark), "GO: Ajax reports each tick")
    s.expect(s.wait_for("^Valdez now at", mark), "GO: Valdez reports each tick")
    s.expect(s.screenshot("running").region(*GO_BUTTON_AREA) != idle_button,
             "the button's label changes after GO")
    time.sleep(0.3)
    ticks = len(s.lines_since(mark, "^Ajax stopped at"))
    s.expect(ticks >= 3, f"the world keeps ticking, {ticks} ticks so far")

    s.click(GO_BUTTON)
    s.move(RESTING_PLACE)
    s.expect(s.screenshot("paused").region(*GO_BUTTON_AREA) == idle_button,
             "the button reads GO again after Pause")
    time.sleep(0.2)
    mark = s.mark()
    time.sleep(0.5)
    s.expect(not s.lines_since(mark, TICK_LINE), "no ticks after Pause")

    status = s.close_window()
    s.expect(status == 0, f"closing the window ends the program with status 0, got {status}")
    s.expect(s.lines[-1:] == ["Thanks for playing!"], f"last line {s.lines[-1:]}")


run(test)
