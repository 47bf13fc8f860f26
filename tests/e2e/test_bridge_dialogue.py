"""Opening a bridge view by clicking the background and naming a ship."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from flotilla_e2e import (BACKGROUND_GREY, BLACK, DIALOGUE_CANCEL, MESSAGE_LINE, RESTING_PLACE,
                          SEA, dialogue_open, matches, run)

CLICK = (100, 450)
NEW_BRIDGE = (CLICK[0], CLICK[1], 200, 50)
PANEL_BACKGROUND = (450, 280)


def test(s):
    start = s.screenshot("start")
    s.expect(not dialogue_open(start), "no box at start")
    s.expect(start.count(BACKGROUND_GREY, *NEW_BRIDGE) == 200 * 50, "plain background at the click")

    s.click(PANEL_BACKGROUND)
    s.move(RESTING_PLACE)
    s.expect(not dialogue_open(s.screenshot("panel-click")), "the panel keeps its clicks")

    # An unknown name is refused in the message line and the box stays.
    s.click(CLICK)
    s.expect(dialogue_open(s.screenshot("ship-name-box")), "a background click opens a box")
    mark = s.mark()
    s.answer_dialogue("Nobody")
    s.move(RESTING_PLACE)
    s.expect(s.wait_for("^ship name: Nobody$", mark), "the typed name reaches the action")
    refused = s.screenshot("unknown-ship")
    s.expect(dialogue_open(refused), "the box stays after an unknown name")
    s.expect(refused.count(BLACK, *MESSAGE_LINE) > 50, "Ship not found! in the message line")

    s.click(DIALOGUE_CANCEL)
    s.move(RESTING_PLACE)
    cancelled = s.screenshot("cancelled")
    s.expect(not dialogue_open(cancelled), "Cancel closes the box")
    s.expect(cancelled.count(SEA, *NEW_BRIDGE) == 0, "Cancel opens no view")

    # A known name opens its bridge view with the corner at the first click.
    s.click(CLICK)
    mark = s.mark()
    s.answer_dialogue("Galactica")
    s.move(RESTING_PLACE)
    s.expect(s.wait_for("^ship name: Galactica$", mark), "the typed name reaches the action")
    opened = s.screenshot("bridge-opened")
    s.expect(not dialogue_open(opened), "Enter closes the box once the view opens")
    s.expect(matches(opened.px(*CLICK), SEA), f"sea at the click: {opened.px(*CLICK)}")
    sea = opened.count(SEA, *NEW_BRIDGE)
    s.expect(sea > 200 * 50 * 3 // 4, f"the new bridge view fills 200 x 50 ({sea} sea pixels)")
    s.expect(opened.count(SEA, CLICK[0] - 5, CLICK[1], 5, 50) == 0
             and opened.count(SEA, CLICK[0], CLICK[1] - 5, 200, 5) == 0,
             "the view's corner is at the click")
    s.expect(opened.region(*MESSAGE_LINE) == refused.region(*MESSAGE_LINE),
             "the last error stays in the message line")

    s.expect(s.close_window() == 0, "the program ends cleanly")


run(test)
