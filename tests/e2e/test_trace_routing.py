"""--trace FILE: the window's trace lines, mouse ones too, go to the file;
the news and the console's replies stay on standard output."""
import os
import re
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from flotilla_e2e import GO_BUTTON, RESTING_PLACE, run

TRACE = re.compile(r"^(Display size: |Bridge view from |checking |drawing |mouse (down|up)!: |"
                   r"(radius|angle|radians|length): |-?\d+\.\d\d$|.* outside the map$|"
                   r"(Bermuda|Exxon|Shell|Treasure_Island|Ajax|Galactica|Pegasus|Valdez|Xerxes)$)")
TRACE_FILE = os.path.join(tempfile.mkdtemp(prefix="flotilla-trace-"), "trace.txt")


def test(s):
    s.click(GO_BUTTON)
    s.move(RESTING_PLACE)
    s.expect(s.wait_for("^Ajax stopped at"), "GO: the news still reaches standard output")
    time.sleep(0.5)
    mark = s.mark()
    s.console("status")
    s.expect(s.wait_for("^Valdez", mark), "a console reply reaches standard output")
    s.expect(s.close_window() == 0, "the window closes normally")
    traces = [line for line in s.lines if TRACE.match(line)]
    s.expect(not traces, f"no trace line on standard output, got {traces[:3]}")

    lines = open(TRACE_FILE).read().splitlines()
    os.remove(TRACE_FILE)
    os.rmdir(os.path.dirname(TRACE_FILE))
    for kind in ("Display size: ", "Bridge view from ", "checking ", "drawing ", "mouse down!: "):
        s.expect(any(line.startswith(kind) for line in lines), f"'{kind}' in the trace file")
    strays = [line for line in lines if not TRACE.match(line)]
    s.expect(not strays, f"only trace lines in the trace file, got {strays[:3]}")


run(test, ["--trace", TRACE_FILE])
