"""Selecting icons, sending ships across the map and the ATTACK dialogue."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from flotilla_e2e import (AJAX_BLIP, ATTACK_BUTTON, BLACK, HALO_YELLOW, MESSAGE_LINE, RED,
                          RESTING_PLACE, dialogue_open, run)

AJAX_ICON_AREA = (115, 165, 50, 45)
FREE_MAP_POINT = (60, 250)


def test(s):
    start = s.screenshot("start")
    s.expect(start.count(HALO_YELLOW, *AJAX_ICON_AREA) == 0, "no halo before selection")

    mark = s.mark()
    s.click(ATTACK_BUTTON)
    s.move(RESTING_PLACE)
    refused = s.screenshot("attack-without-selection")
    s.expect(start.count(BLACK, *MESSAGE_LINE) == 0 and refused.count(BLACK, *MESSAGE_LINE) > 50,
             "No Ship Selected! shows in the message line")
    s.expect(not dialogue_open(refused), "no dialogue box without a selection")

    s.click(AJAX_BLIP)
    halo = s.screenshot("ajax-selected").count(HALO_YELLOW, *AJAX_ICON_AREA)
    s.expect(halo > 20, f"a yellow halo around Ajax ({halo} pixels)")

    # A press on free map space sends the selection there and starts a red
    # rubber band that follows the drag and goes with the release.
    mark = s.mark()
    s.press(FREE_MAP_POINT)
    s.move((FREE_MAP_POINT[0] - 30, FREE_MAP_POINT[1] - 20))
    dragging = s.screenshot("rubber-band")
    s.release()
    s.expect(s.wait_for("^trying to find ship: Ajax$", mark), "the map looks the selection up")
    s.expect(s.wait_for(r"^Ajax will sail on .*speed 10\.00 nm/hr", mark), "Ajax sails at 10")
    red = dragging.count(RED, FREE_MAP_POINT[0] - 35, FREE_MAP_POINT[1] - 25, 40, 30)
    s.expect(red >= 60, f"a red outline along the drag ({red} red pixels)")
    released = s.screenshot("released")
    s.expect(released.count(RED, 0, 0, 300, 300) == 0, "the rubber band goes with the release")
    s.expect(released.count(HALO_YELLOW, *AJAX_ICON_AREA) == halo, "Ajax stays selected")

    mark = s.mark()
    s.click(ATTACK_BUTTON)
    s.move(RESTING_PLACE)
    s.expect(dialogue_open(s.screenshot("target-box")), "ATTACK opens a Target Name? box")
    s.expect(s.wait_for("^trying to find ship: Ajax$", mark), "ATTACK takes the selected ship")
    s.answer_dialogue("Xerxes")
    s.move(RESTING_PLACE)
    s.expect(s.wait_for("^Ajax will attack Xerxes$", mark), "Ajax attacks the typed target")
    s.expect(not dialogue_open(s.screenshot("target-chosen")), "Enter closes the box")

    s.expect(s.close_window() == 0, "the program ends cleanly")


run(test)
