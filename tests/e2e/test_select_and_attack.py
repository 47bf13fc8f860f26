"""Selecting an icon and the ATTACK dialogue (a press on the map that sends the
selection and its rubber band are MapAndPanel's)."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from flotilla_e2e import (AJAX_BLIP, ATTACK_BUTTON, BLACK, HALO_YELLOW, MESSAGE_LINE,
                          RESTING_PLACE, dialogue_open, run)

AJAX_ICON_AREA = (115, 165, 50, 45)


def test(s):
    start = s.screenshot("start")
    s.expect(start.count(HALO_YELLOW, *AJAX_ICON_AREA) == 0, "no halo before selection")

    s.click(ATTACK_BUTTON)
    s.move(RESTING_PLACE)
    refused = s.screenshot("attack-without-selection")
    s.expect(start.count(BLACK, *MESSAGE_LINE) == 0 and refused.count(BLACK, *MESSAGE_LINE) > 50,
             "No Ship Selected! shows in the message line")
    s.expect(not dialogue_open(refused), "no dialogue box without a selection")

    s.click(AJAX_BLIP)
    halo = s.screenshot("ajax-selected").count(HALO_YELLOW, *AJAX_ICON_AREA)
    s.expect(halo > 20, f"a yellow halo around Ajax ({halo} pixels)")

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
