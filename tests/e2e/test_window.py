"""One run of the window in a private X server, driven by real X input through xdotool and
by console lines, its pictures read from screenshots and its trace from the --trace file.
A failed check is recorded and the run goes on, so one run reports every fault it meets."""
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import threading
import time
import traceback

SEA = (127, 176, 212)
PANEL_GREY = (136, 136, 136)
BACKGROUND_GREY = (170, 170, 170)
BLACK = (0, 0, 0)

# Window positions, from the fixed layout of the main window.
GO_BUTTON = (430, 220)
GO_BUTTON_AREA = (360, 210, 140, 20)
ATTACK_BUTTON = (430, 170)
JOYSTICK_CENTRE = (382, 127)
DIALOGUE_FIELD = (300, 290)
DIALOGUE_ENTER = (340, 330)
MESSAGE_LINE = (100, 580, 400, 20)
AJAX_BLIP = (131, 192)
# Clear of every view and control, so that no button shows its hovered look.
RESTING_PLACE = (580, 20)

NAMES = ["Bermuda", "Exxon", "Shell", "Treasure_Island",
         "Ajax", "Galactica", "Pegasus", "Valdez", "Xerxes"]
# The first lines of standard output, as in the headless start-up: the standing orders.
STANDING_ORDERS = open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app",
                                    "golden", "startup_status.out")).read().splitlines()[:4]
TICK_LINE = "^(Ajax stopped at|Valdez now at)"
ORIGIN = r"^Display size: 300, scale: [\d.]+, origin: \(([-\d.]+), ([-\d.]+)\)$"


class Image:
    """A screenshot: SDL saves the window as an uncompressed 24-bit BMP."""

    def __init__(self, path):
        data = open(path, "rb").read()
        offset, _, self.width, self.height, _, bits = struct.unpack_from("<IIiiHH", data, 10)
        assert bits == 24 and self.height > 0, "a 24-bit BMP, bottom row first"
        stride = (self.width * 3 + 3) // 4 * 4
        starts = range(offset + (self.height - 1) * stride, offset - 1, -stride)
        self.rows = [[(data[i + 2], data[i + 1], data[i]) for i in range(y, y + self.width * 3, 3)]
                     for y in starts]

    def region(self, x, y, w, h):
        return [p for row in self.rows[y:y + h] for p in row[x:x + w]]

    def count(self, colour, x, y, w, h):
        return sum(1 for p in self.region(x, y, w, h) if matches(p, colour))


def matches(pixel, colour):
    """Whether a pixel shows `colour` in the 16-bit window (5 bits red and blue, 6 green)."""
    return pixel in (colour, (colour[0] & 0xF8, colour[1] & 0xFC, colour[2] & 0xF8))


def written(path):
    """Whether SDL has finished the BMP: it writes the file's size last, into the header."""
    if not os.path.exists(path):
        return False
    size = struct.unpack_from("<I", open(path, "rb").read(6).ljust(6, b"\0"), 2)[0]
    return 0 < size <= os.path.getsize(path)


def dialogue_open(image):
    """Whether a dialogue box covers its corner of the map."""
    return image.count(SEA, 150, 250, 150, 50) == 0


def since(lines, mark, pattern=""):
    return [line for line in lines[mark:] if re.search(pattern, line)]


def wait(condition, timeout=5.0):
    deadline = time.time() + timeout
    while not condition() and time.time() < deadline:
        time.sleep(0.02)
    return condition()


def read_lines(stream, lines):
    for raw in stream:
        lines.append(raw.decode("utf-8", "replace").rstrip("\n"))


class Session:
    """The X server and the program; its standard output in `lines`, its trace in `trace`."""

    def __init__(self):
        self.failures, self.lines, self.trace, self.processes = [], [], [], []
        self.folder = tempfile.mkdtemp(prefix="flotilla-e2e-")

    def start(self, binary):
        # -displayfd picks a free display and tells it once up; -noreset outlives a client.
        read_end, write_end = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "640x640x24",
                    "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end, "rb") as announcement:
            display = ":" + announcement.readline().strip().decode()
        # Whatever SDL settings the caller holds (the unit tests' dummy driver, say).
        self.env = dict({name: value for name, value in os.environ.items()
                         if not name.startswith("SDL_")},
                        DISPLAY=display, SDL_VIDEODRIVER="x11", SDL_AUDIODRIVER="dummy")
        trace = os.path.join(self.folder, "trace.txt")
        self.program = self.spawn([os.path.abspath(binary), "--trace", trace],
                                  stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=None)
        # The trace file is flushed every frame, so tail shows it as it grows.
        tail = self.spawn(["tail", "-F", "-s", "0.02", "-n", "+1", trace], stdout=subprocess.PIPE)
        for stream, lines in ((self.program.stdout, self.lines), (tail.stdout, self.trace)):
            threading.Thread(target=read_lines, args=(stream, lines), daemon=True).start()
        self.window = subprocess.run(
            ["xdotool", "search", "--sync", "--pid", str(self.program.pid)],
            env=self.env, capture_output=True, text=True, timeout=10).stdout.split()[0]

    def spawn(self, command, **streams):
        streams = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL, **streams}
        process = subprocess.Popen(command, env=getattr(self, "env", None), **streams)
        self.processes.append(process)
        return process

    def stop(self):
        for process in reversed(self.processes):
            process.terminate()
            process.wait()

    def close_window(self, timeout=10):
        """Asks to close the window as a window manager would; returns the exit status."""
        from Xlib import X, display, protocol
        x = display.Display(self.env["DISPLAY"])
        window = x.create_resource_object("window", int(self.window))
        delete = x.intern_atom("WM_DELETE_WINDOW")
        window.send_event(protocol.event.ClientMessage(
            window=window, client_type=x.intern_atom("WM_PROTOCOLS"),
            data=(32, [delete, X.CurrentTime, 0, 0, 0])), event_mask=X.NoEventMask)
        x.flush()
        status = self.program.wait(timeout)
        time.sleep(0.2)  # lets the readers take the last lines
        return status

    def expect(self, condition, message):
        if not condition:
            self.failures.append(message)

    def expect_line(self, lines, mark, pattern, message):
        self.expect(wait(lambda: since(lines, mark, pattern)), message)

    def console(self, line):
        self.program.stdin.write((line + "\n").encode())
        self.program.stdin.flush()

    def screenshot(self, label):
        """The window once every input sent so far has been handled."""
        # The frame that reads the line may have handled its events first: the
        # first screenshot only makes sure that the second is read in a later frame.
        paths = [os.path.join(self.folder, label + suffix) for suffix in ("-sync.bmp", ".bmp")]
        for path in paths:
            self.console("screenshot " + path)
            if not wait(lambda: written(path)):
                raise RuntimeError(f"screenshot {path} was not written")
        return Image(path)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True)

    def move(self, point):
        self.xdotool("mousemove", "--window", self.window, *point)

    def click(self, point):
        """Clicks at the point, then moves the pointer to its resting place."""
        self.move(point)
        self.xdotool("click", 1)
        self.move(RESTING_PLACE)


def start_up(s):
    first = s.screenshot("start")
    s.expect(s.lines[:4] == STANDING_ORDERS, f"standing orders first, got {s.lines[:4]}")
    s.expect(not since(s.lines + s.trace, 0, TICK_LINE + "|^ANGLE: "),
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
    refused = s.screenshot("attack-without-selection")
    s.expect(refused.count(BLACK, *MESSAGE_LINE) > 50, "No Ship Selected! on the message line")
    s.expect(not dialogue_open(refused), "no dialogue box without a selection")

    s.click(AJAX_BLIP)
    mark = len(s.lines)
    s.click(ATTACK_BUTTON)
    s.expect(dialogue_open(s.screenshot("target-box")), "ATTACK opens a Target Name? box")
    s.click(DIALOGUE_FIELD)
    s.xdotool("type", "--delay", 40, "Xerxes")
    s.click(DIALOGUE_ENTER)
    s.expect_line(s.lines, mark, "^Ajax will attack Xerxes$", "Ajax attacks the typed target")
    s.expect(not dialogue_open(s.screenshot("target-chosen")), "Enter closes the box")


def go_and_pause(s, idle_button):
    mark = len(s.lines)
    s.click(GO_BUTTON)
    s.expect_line(s.lines, mark, "^Ajax stopped at", "GO: Ajax reports each tick")
    s.expect_line(s.lines, mark, "^Valdez now at", "GO: Valdez reports each tick")
    s.expect(s.screenshot("running").region(*GO_BUTTON_AREA) != idle_button,
             "the button's label changes after GO")
    time.sleep(0.3)
    ticks = len(since(s.lines, mark, "^Ajax stopped at"))
    s.expect(ticks >= 3, f"the world keeps ticking, {ticks} ticks so far")

    s.click(GO_BUTTON)
    s.expect(s.screenshot("paused").region(*GO_BUTTON_AREA) == idle_button,
             "the button reads GO again after Pause")
    time.sleep(0.2)
    mark = len(s.lines)
    time.sleep(0.5)
    s.expect(not since(s.lines, mark, TICK_LINE), "no ticks after Pause")


def pan(s):
    # Full deflection at scale 0.2 slides the origin by 0.6 a frame.
    cx, cy = JOYSTICK_CENTRE
    mark = len(s.trace)
    s.move(JOYSTICK_CENTRE)
    s.xdotool("mousedown", 1)
    s.move((cx + 15, cy))
    s.expect_line(s.trace, mark, r"^NEW ORIGIN: \(-9\.40, -10\.00\)$",
                  "the first frame to the right moves the origin by (0.60, 0.00)")
    s.expect(since(s.trace, mark, "^(ANGLE|OLD ORIGIN): ")[:2]
             == ["ANGLE: 0.00", "OLD ORIGIN: (-10.00, -10.00)"], "angle 0 from the start origin")
    mark = len(s.trace)
    s.move((cx, cy - 15))
    s.expect_line(s.trace, mark, "^ANGLE: 1.57$", "dragging up while held pans upwards")
    s.xdotool("mouseup", 1)
    s.move(RESTING_PLACE)
    s.screenshot("released")
    time.sleep(0.1)
    mark = len(s.trace)
    time.sleep(0.3)
    s.expect(not since(s.trace, mark, "^ANGLE: "), "the stick springs back and panning stops")
    shown = [tuple(map(float, re.match(ORIGIN, l).groups())) for l in since(s.trace, 0, ORIGIN)]
    s.expect(shown and shown[-1][0] > -9.5 and shown[-1][1] > -9.5,
             f"the map is drawn at the panned origin, got {shown[-1:]}")


def close(s):
    mark = len(s.lines)
    s.console("status")
    s.expect_line(s.lines, mark, "^Tanker Valdez at", "a console reply on standard output")
    status = s.close_window()
    s.expect(status == 0, f"closing the window ends the program with status 0, got {status}")
    s.expect(s.lines[-1:] == ["Thanks for playing!"], f"last line {s.lines[-1:]}")
    # The map and the three bridge views are each told every name.
    introduced = [i for i in range(len(s.trace)) if s.trace[i:i + len(NAMES)] == NAMES]
    s.expect(len(introduced) == 4, f"names introduced to 4 views in order, {len(introduced)} seen")
    # Each kind of trace line goes to the file, and nothing goes to both streams.
    for kind in ("Bridge view from ", "checking ", "drawing ", "mouse down!: ", "mouse up!: ",
                 "radius: ", "angle: ", "radians: ", "length: ", r"-?\d+\.\d\d$",
                 ".* outside the map$"):
        s.expect(since(s.trace, 0, "^" + kind), f"'{kind}' in the trace file")
    s.expect(not set(s.lines) & set(s.trace), "a line both in the trace and on standard output")


def main():
    if not shutil.which("Xvfb") or not shutil.which("xdotool"):
        print("SKIP: Xvfb or xdotool is missing")
        sys.exit(77)
    s = Session()
    try:
        s.start(sys.argv[1])
        first = start_up(s)
        select_and_attack(s)
        go_and_pause(s, first.region(*GO_BUTTON_AREA))
        pan(s)
        close(s)
    except Exception:
        s.failures.append(traceback.format_exc())
    s.stop()
    if not s.failures:
        shutil.rmtree(s.folder)
        print("PASS")
        return
    print("\n".join("FAIL: " + f for f in s.failures))
    print("--- last lines of standard output ---\n" + "\n".join(s.lines[-40:]))
    print(f"--- screenshots and trace kept in {s.folder}")
    sys.exit(1)


main()
