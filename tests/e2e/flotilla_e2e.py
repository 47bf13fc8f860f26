"""Drives the real flotilla window in a private X server: real X input through
xdotool, the console through a pipe, pictures through the console's screenshot
command. A failed expect() is recorded and the run goes on, so one run reports
every fault it meets."""
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
ATTACK_BUTTON = (430, 170)
JOYSTICK_CENTRE = (382, 127)
DIALOGUE_FIELD = (300, 290)
DIALOGUE_ENTER = (340, 330)
MESSAGE_LINE = (100, 580, 400, 20)
AJAX_BLIP = (131, 192)
# Clear of every view, control and the message line: the pointer rests there
# so that no button shows its hovered look in a screenshot.
RESTING_PLACE = (580, 20)


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


def dialogue_open(image):
    """Whether a dialogue box covers its corner of the map."""
    return image.count(SEA, 150, 250, 150, 50) == 0


def matches(pixel, colour):
    """Whether a pixel shows `colour`, allowing for the 16-bit window keeping
    only 5 bits of red and blue and 6 of green."""
    r, g, b = colour
    return pixel in (colour, (r & 0xF8, g & 0xFC, b & 0xF8))


class Session:
    def __init__(self, binary, args=()):
        if not shutil.which("Xvfb") or not shutil.which("xdotool"):
            print("SKIP: Xvfb or xdotool is missing")
            sys.exit(77)
        self.command, self.failures, self.lines = [os.path.abspath(binary), *args], [], []
        self.shots, self.shot_count = tempfile.mkdtemp(prefix="flotilla-e2e-"), 0
        self.xvfb = self.program = None

    def __enter__(self):
        try:
            self._start_x_server()
            # The window must reach this server whatever SDL settings the
            # caller's environment holds (the unit tests' dummy driver, say).
            self.env = {name: value for name, value in os.environ.items()
                        if not name.startswith("SDL_")}
            self.env.update(DISPLAY=self.display, SDL_VIDEODRIVER="x11",
                            SDL_AUDIODRIVER="dummy")
            self.program = subprocess.Popen(
                self.command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                stderr=open(os.path.join(self.shots, "stderr.txt"), "wb"), env=self.env)
            threading.Thread(target=self._read_output, daemon=True).start()
            self.window = subprocess.run(
                ["xdotool", "search", "--sync", "--pid", str(self.program.pid)],
                env=self.env, capture_output=True, text=True, timeout=10).stdout.split()[0]
        except BaseException:
            self.__exit__(*sys.exc_info())
        return self

    def __exit__(self, kind, value, trace):
        if kind is not None:
            self.failures.append("".join(traceback.format_exception(kind, value, trace)))
        for process in (self.program, self.xvfb):
            if process and process.poll() is None:
                process.terminate()
                process.wait()
        if not self.failures:
            shutil.rmtree(self.shots, ignore_errors=True)
            print("PASS")
            return True
        print("\n".join("FAIL: " + f for f in self.failures))
        print("--- last lines of standard output ---\n" + "\n".join(self.lines[-40:]))
        with open(os.path.join(self.shots, "stderr.txt"), errors="replace") as errors:
            print("--- standard error ---\n" + errors.read())
        print(f"--- screenshots kept in {self.shots}", flush=True)
        os._exit(1)

    def _start_x_server(self):
        # -displayfd picks a free display and tells it once the server is up;
        # -noreset keeps the server through a client's leaving.
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "640x640x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end, "rb") as announcement:
            number = announcement.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number.decode()
        from Xlib import display
        self.x = display.Display(self.display)

    def _read_output(self):
        for raw in self.program.stdout:
            self.lines.append(raw.decode("utf-8", "replace").rstrip("\n"))

    def close_window(self, timeout=10):
        """Asks to close the window as a window manager would; returns the exit status."""
        from Xlib import X, protocol
        window = self.x.create_resource_object("window", int(self.window))
        delete = self.x.intern_atom("WM_DELETE_WINDOW")
        window.send_event(protocol.event.ClientMessage(
            window=window, client_type=self.x.intern_atom("WM_PROTOCOLS"),
            data=(32, [delete, X.CurrentTime, 0, 0, 0])), event_mask=X.NoEventMask)
        self.x.flush()
        status = self.program.wait(timeout)
        time.sleep(0.2)  # lets the reader take the last lines
        return status

    def expect(self, condition, message):
        if not condition:
            self.failures.append(message)

    # Standard output: a mark is a position in the lines read so far.
    def mark(self):
        return len(self.lines)

    def lines_since(self, since, pattern=""):
        return [line for line in self.lines[since:] if re.search(pattern, line)]

    def wait_for(self, pattern, since=0, timeout=5.0):
        """The first line from `since` on that matches `pattern`, or None."""
        deadline = time.time() + timeout
        while not self.lines_since(since, pattern) and time.time() < deadline:
            time.sleep(0.02)
        return (self.lines_since(since, pattern) or [None])[0]

    def console(self, line):
        self.program.stdin.write((line + "\n").encode())
        self.program.stdin.flush()

    def screenshot(self, label):
        """The window once every input sent so far has been handled."""
        # A screenshot is taken in the frame that reads the line, perhaps
        # after that frame handled its events: the first one only makes sure
        # that the second is read in a later frame.
        self._save(os.path.join(self.shots, "sync.bmp"))
        self.shot_count += 1
        path = os.path.join(self.shots, f"{self.shot_count:02d}-{label}.bmp")
        self._save(path)
        return Image(path)

    def _save(self, path, timeout=5.0):
        if os.path.exists(path):
            os.remove(path)
        self.console("screenshot " + path)
        deadline = time.time() + timeout
        while time.time() < deadline and self.program.poll() is None:
            # The file's size goes into its header last, once the pixels are out.
            if os.path.exists(path):
                head = open(path, "rb").read(6).ljust(6, b"\0")
                if 0 < struct.unpack_from("<I", head, 2)[0] <= os.path.getsize(path):
                    return
            time.sleep(0.02)
        raise RuntimeError(f"screenshot {path} was not written")

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True)

    def move(self, point):
        self.xdotool("mousemove", "--window", self.window, *point)

    def click(self, point):
        self.move(point)
        self.xdotool("click", 1)


def run(test, args=()):
    """Runs a test function with a Session for the binary named on the command line."""
    if len(sys.argv) != 2:
        sys.exit(f"usage: {sys.argv[0]} path/to/flotilla")
    with Session(sys.argv[1], args) as session:
        test(session)
