"""One run of the window: start-up output and first picture, selecting Ajax
and the ATTACK dialogue, GO/Pause, panning with the joystick, closing."""
import os
import re
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from flotilla_e2e import (AJAX_BLIP, ATTACK_BUTTON, BACKGROUND_GREY, BLACK, DIALOGUE_ENTER,
                          DIALOGUE_FIELD, GO_BUTTON, JOYSTICK_CENTRE, MESSAGE_LINE,
                          PANEL_GREY, RESTING_PLACE, SEA, dialogue_open, matches, run)

NAMES = ["Bermuda", "Exxon", "Shell", "Treasure_Island",
         "Ajax", "Galactica", "Pegasus", "Valdez", "Xerxes"]
# The headless start-up's first lines: the standing orders, before any trace.
STANDING_ORDERS = open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app",
                                    "golden", "startup_status.out")).read().splitlines()[:4]
TICK_LINE = "^(Ajax stopped at|Valdez now at)"
GO_BUTTON_AREA = (360, 210, 140, 20)
ORIGIN = r"^Display size: 300, scale: [\d.]+, origin: \(([-\d.]+), ([-\d.]+)\)$"


def start_up(s):
    first = s.screenshot("start")
    out = s.lines[:]
    s.expect(out[:4] == STANDING_ORDERS, f"standing orders first, got {out[:4]}")
    # The map and the three bridge views are each told every name.
    introduced = [i for i in range(len(out)) if out[i:i + len(NAMES)] == NAMES]
    s.expect(len(introduced) == 4, f"names introduced to 4 views in order, {len(introduced)} seen")
    s.expect(not s.lines_since(0, TICK_LINE + "|^ANGLE: "),
             "the world and a released stick stand still before GO")
    s.expect((first.width, first.height) == (600, 600), "a 600 x 600 window")
    for point, colour, what in [((20, 280), SEA, "map sea"), ((540, 290), PANEL_GREY, "panel"),
                                ((50, 400), BACKGROUND_GREY, "background"),
                                ((320, 330), SEA, "Ajax's bridge sea")]:
        pixel = first.rows[point[1]][point[0]]
        s.expect(matches(pixel, colour), f"{what} at {point}: {pixel}")
    s.expect(first.count(BLACK, *MESSAGE_LINE) == 0, "an empty message line")
    return first


def select_and_attack(s):
    s.click(ATTACK_BUTTON)
    s.move(RESTING_PLACE)
    refused = s.screenshot("attack-without-selection")
    s.expect(refused.count(BLACK, *MESSAGE_LINE) > 50, "No Ship Selected! on the message line")
    s.expect(not dialogue_open(refused), "no dialogue box without a selection")

    s.click(AJAX_BLIP)
    mark = s.mark()
    s.click(ATTACK_BUTTON)
    s.move(RESTING_PLACE)
    s.expect(dialogue_open(s.screenshot("target-box")), "ATTACK opens a Target Name? box")
    s.expect(s.wait_for("^trying to find ship: Ajax$", mark), "ATTACK takes the selected ship")
    s.click(DIALOGUE_FIELD)
    s.xdotool("type", "--delay", 40, "Xerxes")
    s.click(DIALOGUE_ENTER)
    s.move(RESTING_PLACE)
    s.expect(s.wait_for("^Ajax will attack Xerxes$", mark), "Ajax attacks the typed target")
    s.expect(not dialogue_open(s.screenshot("target-chosen")), "Enter closes the box")


def go_and_pause(s, idle_button):
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


def pan(s):
    # Full deflection at scale 0.2 slides the origin by 0.6 a frame.
    cx, cy = JOYSTICK_CENTRE
    mark = s.mark()
    s.move(JOYSTICK_CENTRE)
    s.xdotool("mousedown", 1)
    s.move((cx + 15, cy))
    s.expect(s.wait_for(r"^NEW ORIGIN: \(-9\.40, -10\.00\)$", mark),
             "the first frame to the right moves the origin by (0.60, 0.00)")
    s.expect(s.lines_since(mark, "^(ANGLE|OLD ORIGIN): ")[:2]
             == ["ANGLE: 0.00", "OLD ORIGIN: (-10.00, -10.00)"], "angle 0 from the start origin")
    mark = s.mark()
    s.move((cx, cy - 15))
    s.expect(s.wait_for("^ANGLE: 1.57$", mark), "dragging up while held pans upwards")
    s.xdotool("mouseup", 1)
    s.move(RESTING_PLACE)
    s.screenshot("released")
    time.sleep(0.1)
    mark = s.mark()
    time.sleep(0.3)
    s.expect(not s.lines_since(mark, "^ANGLE: "), "the stick springs back and panning stops")
    shown = [tuple(map(float, re.match(ORIGIN, l).groups())) for l in s.lines_since(0, ORIGIN)]
    s.expect(shown and shown[-1][0] > -9.5 and shown[-1][1] > -9.5,
             f"the map is drawn at the panned origin, got {shown[-1:]}")


def test(s):
    first = start_up(s)
    select_and_attack(s)
    go_and_pause(s, first.region(*GO_BUTTON_AREA))
    pan(s)
    status = s.close_window()
    s.expect(status == 0, f"closing the window ends the program with status 0, got {status}")
    s.expect(s.lines[-1:] == ["Thanks for playing!"], f"last line {s.lines[-1:]}")


run(test)
