"""--trace FILE and --no-trace: the window's trace lines leave standard output,
the news and the console's replies stay."""
import os
import re
import shutil
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from flotilla_e2e import GO_BUTTON, RESTING_PLACE, Session

TRACE = re.compile(r"^(Display size: |Bridge view from |checking |drawing |mouse (down|up)!: |"
                   r"(radius|angle|radians|length): |-?\d+\.\d\d$|.* outside the map$|"
                   r"(Bermuda|Exxon|Shell|Treasure_Island|Ajax|Galactica|Pegasus|Valdez|Xerxes)$)")
NEWS = re.compile(r"^\w+ (now at|stopped at|will sail|will load|will unload)")


def run_for_a_while(s):
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


def test_trace_file(binary):
    path = os.path.join(tempfile.mkdtemp(prefix="flotilla-trace-"), "trace.txt")
    with Session(binary, ["--trace", path]) as s:
        run_for_a_while(s)
        lines = open(path).read().splitlines()
        for kind in ("Display size: ", "Bridge view from ", "checking ", "drawing ",
                     "mouse down!: "):
            s.expect(any(line.startswith(kind) for line in lines), f"'{kind}' in the trace file")
        strays = [line for line in lines if not TRACE.match(line)]
        s.expect(not strays, f"only trace lines in the trace file, got {strays[:3]}")
    shutil.rmtree(os.path.dirname(path))


def main():
    if len(sys.argv) != 2:
        sys.exit(f"usage: {sys.argv[0]} path/to/flotilla")
    with Session(sys.argv[1], ["--no-trace"]) as s:
        run_for_a_while(s)
        news = [line for line in s.lines if NEWS.match(line)]
        s.expect(len(news) > 10, f"the news is all there, {len(news)} lines")
    test_trace_file(sys.argv[1])


main()
