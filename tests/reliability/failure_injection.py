"""Runs the real program with something taken away or pushed to an extreme
and checks that it fails (or carries on) cleanly.

    failure_injection.py CASE FLOTILLA

The window opens on SDL's dummy video driver, so no X server is needed; the
program sets its own driver only when none is set.
"""

import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

SANITIZER_MARKS = ("Sanitizer", "runtime error:")
ERROR = "Could not save screenshot!\n"


def environment(env_changes=None, unset=()):
    env = {**os.environ, "SDL_VIDEODRIVER": "dummy", "SDL_AUDIODRIVER": "dummy", **(env_changes or {})}
    return {name: value for name, value in env.items() if name not in unset}


def run(flotilla, args=(), stdin="quit\n", env_changes=None, unset=(), timeout=120, **options):
    """Runs to the end; stdin may be text or bytes, the output is text."""
    data = stdin.encode() if isinstance(stdin, str) else stdin
    options.setdefault("stdout", subprocess.PIPE)
    options.setdefault("stderr", subprocess.PIPE)
    result = subprocess.run([flotilla, *args], input=data, env=environment(env_changes, unset),
                            timeout=timeout, **options)
    result.stdout = (result.stdout or b"").decode(errors="replace")
    result.stderr = (result.stderr or b"").decode(errors="replace")
    return result


def sanitizer_report(result):
    return any(mark in result.stderr for mark in SANITIZER_MARKS)


def one_line_error(result, *words):
    """Exit status 1 and one line on stderr holding every word."""
    message = result.stderr.strip()
    return (result.returncode == 1 and message and "\n" not in message
            and all(word in message for word in words) and not sanitizer_report(result))


def missing_resource_folder(flotilla):
    """A folder named by --resources or FLOTILLA_RESOURCES that is not there
    (or is a file, a subfolder of the real one, or a 5,000-character name),
    even with pictures elsewhere, and a search that finds none: one line
    naming what was tried, exit status 1."""
    faults = []
    resources = os.path.join(os.path.dirname(os.path.abspath(flotilla)), "Resources")
    with tempfile.TemporaryDirectory() as tmp:
        given, from_env = os.path.join(tmp, "given"), os.path.join(tmp, "from_env")
        alone = os.path.join(tmp, "flotilla")  # no Resources beside this copy
        shutil.copy(flotilla, alone)
        cases = (("--resources", flotilla, ["--resources", given], {"FLOTILLA_RESOURCES": resources},
                  given),
                 ("FLOTILLA_RESOURCES", flotilla, [], {"FLOTILLA_RESOURCES": from_env}, from_env),
                 ("the search", alone, [], {}, os.path.join(tmp, "Resources")),
                 ("a file", flotilla, ["--resources", flotilla], {}, flotilla),
                 ("a subfolder", flotilla, [], {"FLOTILLA_RESOURCES": resources + "/images"},
                  resources + "/images"),
                 ("a long name", flotilla, ["--resources", "/" + "a" * 5000], {}, "a" * 5000))
        for label, binary, args, env_changes, place in cases:
            result = run(binary, args, env_changes=env_changes,
                         unset=() if env_changes else ("FLOTILLA_RESOURCES",))
            if not one_line_error(result, place):
                faults.append(f"{label}: exit status {result.returncode}, "
                              f"stderr {result.stderr!r}")
    return faults


def no_display(flotilla):
    """No X display and no driver chosen: a message and a non-zero exit,
    never a window drawn as text on the terminal."""
    result = run(flotilla, unset=("DISPLAY", "SDL_VIDEODRIVER"))
    faults = []
    if not 0 < result.returncode < 128:
        faults.append(f"exit status {result.returncode}")
    if not result.stderr.startswith("flotilla: ") or not any(
            word in result.stderr.lower() for word in ("video", "display")):
        faults.append(f"unclear message: {result.stderr!r}")
    if result.stdout or sanitizer_report(result):
        faults.append(f"stdout {result.stdout[:300]!r}, stderr {result.stderr!r}")
    return faults


def no_sound(flotilla):
    """Without a sound device the program runs as usual."""
    faults = []
    for label, changes, unset in (("unset", {}, ("SDL_AUDIODRIVER",)),
                                  ("bogus", {"SDL_AUDIODRIVER": "no_such_driver"}, ())):
        result = run(flotilla, env_changes=changes, unset=unset)
        if (result.returncode != 0 or "Thanks for playing!" not in result.stdout
                or sanitizer_report(result)):
            faults.append(f"SDL_AUDIODRIVER {label}: exit status {result.returncode}, "
                          f"stderr {result.stderr!r}")
    return faults


def screenshot_unwritable(flotilla):
    """Screenshots into a missing folder, onto a folder and onto a named pipe
    are each refused at once with their error line; a relative name is
    taken from where the program was started."""
    with tempfile.TemporaryDirectory() as tmp:
        os.mkfifo(os.path.join(tmp, "pipe"))
        try:
            result = run(flotilla, stdin="screenshot no/such/shot.bmp\nscreenshot .\n"
                         "screenshot pipe\nscreenshot shot.bmp\nquit\n", cwd=tmp, timeout=30)
        except subprocess.TimeoutExpired:
            return ["the screenshot waited on a named pipe"]
        left = sorted(os.listdir(tmp))
    if (left != ["pipe", "shot.bmp"] or result.stdout.count(ERROR) != 3
            or result.returncode != 0 or sanitizer_report(result)):
        return [f"files {left}, exit status {result.returncode}, stdout {result.stdout[-500:]!r}, "
                f"stderr {result.stderr!r}"]
    return []


def far_coordinates(flotilla):
    """Ships sent towards, made at and drawn from the far edges of the
    doubles: no undefined behaviour, and the far ships are off the chart."""
    script = ("Ajax position 1e300 1e300 10\nXerxes position -1e300 -1e300 10\n"
              "create Far Cruiser 1e300 1e300\ncreate Deep Torpedo_boat -1.7e308 -1.7e308\n"
              "Deep position 1.7e308 1.7e308 20\nFar position 0 0 10\nGalactica attack Far\n"
              "open_bridge Far 0 400\nopen_bridge Deep 100 480\ntick 5\nstatus\nquit\n")
    result = run(flotilla, stdin=script)
    faults = []
    if result.returncode != 0 or sanitizer_report(result):
        faults.append(f"exit status {result.returncode}, stderr {result.stderr[-3000:]!r}")
    outside = [line for line in result.stdout.splitlines() if line.endswith(" outside the map")]
    if not outside or not all(name in outside[-1] for name in ("Far", "Deep")):
        faults.append(f"the far ships are not listed outside the map: {outside[-1:]}")
    for shown in ("Cruiser Far at (1000000000", "Torpedo_boat Deep at (-1699999999",
                  "Cruiser Ajax at (15.1", "Pursuing Far"):
        if shown not in result.stdout:
            faults.append(f"status lacks {shown!r}")
    return faults


MODES = (("headless", ["--headless"]), ("window", []))


def hostile_console(flotilla):
    """Control characters in names, NUL bytes, CRLF, overlong lines with and
    without their newline, and a last line without one, through the real
    standard-input reader of each mode: each refused line has its one error
    and the lines after it run."""
    long_line = b"A" * (100 * 1024) + b"\n"
    script = (b"create Bad\x1b]0;title\x07 Cruiser 1 1\nisland Del\x7f 1 1 1 1\n" + long_line +
              b"\0\0status\0\n" + b"status\r\n" + b"B" * (300 * 1024) + b"\nhelp\r\n" +
              b"C" * (70 * 1024) + b"\nquit")
    faults = []
    for mode, args in MODES:
        try:
            result = run(flotilla, args, stdin=script, timeout=60)
        except subprocess.TimeoutExpired:
            faults.append(f"{mode}: the last line, quit without its newline, did not run")
            continue
        out = result.stdout
        counts = {text: out.count(text) for text in
                  ("Invalid name!\n", "Line too long!\n", "Island Exxon", "end the program\n")}
        if counts != {"Invalid name!\n": 2, "Line too long!\n": 3, "Island Exxon": 1,
                      "end the program\n": 1}:
            faults.append(f"{mode}: {counts}")
        if result.returncode != 0 or sanitizer_report(result) or "\x1b" in out:
            faults.append(f"{mode}: exit status {result.returncode}, stderr {result.stderr!r}")
    return faults


def output_fails(flotilla):
    """Standard output on a full disk: one line on stderr and exit status 1,
    in both modes."""
    faults = []
    for mode, args in MODES:
        with open("/dev/full", "wb") as full:
            result = run(flotilla, args, stdin="status\nquit\n", stdout=full)
        if not one_line_error(result, "standard output"):
            faults.append(f"{mode}: exit status {result.returncode}, stderr {result.stderr!r}")
    return faults


def quit_while_busy(flotilla):
    """A flood of lines and a tick of a million in the window: SIGTERM and
    SIGINT each end the program within a second, whatever the console is
    doing, and a closed standard input is not read as a console."""
    faults = []
    with tempfile.TemporaryDirectory() as tmp:
        flood = os.path.join(tmp, "flood")
        with open(flood, "wb") as out:
            out.write(b"\n" * 300000 + b"tick 1000000\n")
        for signal_number, delay in ((signal.SIGTERM, 1.0), (signal.SIGINT, 4.0)):
            with open(flood, "rb") as stdin:
                process = subprocess.Popen([flotilla], stdin=stdin, stdout=subprocess.DEVNULL,
                                           stderr=subprocess.PIPE, env=environment())
            time.sleep(delay)
            sent = time.monotonic()
            process.send_signal(signal_number)
            try:
                _, err = process.communicate(timeout=30)
            except subprocess.TimeoutExpired:
                process.kill()
                process.communicate()
                faults.append(f"{signal_number.name} after {delay} s: still running 30 s later")
                continue
            took = time.monotonic() - sent
            if took > 1.0 or process.returncode != 0 or any(
                    mark.encode() in err for mark in SANITIZER_MARKS):
                faults.append(f"{signal_number.name} after {delay} s: ended in {took:.2f} s, "
                              f"exit status {process.returncode}, stderr {err[-2000:]!r}")
    # With standard input closed the next file opened would become descriptor 0.
    process = subprocess.Popen([flotilla], stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                               stderr=subprocess.PIPE, env=environment(),
                               preexec_fn=lambda: os.close(0))
    time.sleep(2)
    process.send_signal(signal.SIGTERM)
    out, err = process.communicate(timeout=30)
    if process.returncode != 0 or b"Unrecognized command!" in out or err:
        faults.append(f"standard input closed: exit status {process.returncode}, "
                      f"stdout {out[-300:]!r}, stderr {err[-300:]!r}")
    return faults


def bmp(width, height):
    """A 24-bit picture of the size, grey."""
    row = (width * 3 + 3) // 4 * 4
    pixels = (b"\x80" * (width * 3) + b"\0" * (row - width * 3)) * height
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def damaged_resources(flotilla):
    """Each resource file missing in turn; pictures and the font emptied, cut
    short, replaced by garbage, a picture of the wrong size (a button too
    narrow for its text) or of one pixel: one line naming the file, exit
    status 1, no memory fault. A font cut short may be used for what it
    still holds, since it is read as glyphs are needed."""
    resources = os.path.join(os.path.dirname(flotilla), "Resources")
    damages = {"empty": lambda data: b"", "truncated": lambda data: data[:len(data) // 2],
               "garbage": lambda data: bytes(range(256)) * 8,
               "wrong size": lambda data: bmp(29, 20), "one pixel": lambda data: bmp(1, 1)}
    damaged = ("GUIImages/button.bmp", "GUIImages/corner2.bmp", "images/ship_front.bmp",
               "GUIFonts/arial.ttf")
    faults = []
    with tempfile.TemporaryDirectory() as tmp:
        copy = os.path.join(tmp, "Resources")
        shutil.copytree(resources, copy)
        names = sorted(os.path.relpath(os.path.join(d, f), copy)
                       for d, _, files in os.walk(copy) for f in files)
        assert len(names) > 10, f"no resources found in {resources}"
        for name in names:
            path = os.path.join(copy, name)
            with open(path, "rb") as original:
                data = original.read()
            cases = {label: damage for label, damage in damages.items() if name in damaged and
                     (name.endswith(".bmp") or label in ("empty", "truncated", "garbage"))}
            for label, damage in [("missing", None), *cases.items()]:
                if damage:
                    with open(path, "wb") as out:
                        out.write(damage(data))
                else:
                    os.remove(path)
                result = run(flotilla, ["--resources", copy])
                lenient = name.endswith(".ttf") and label == "truncated"
                if not (one_line_error(result, os.path.basename(name)) or
                        (lenient and result.returncode == 0 and not sanitizer_report(result))):
                    faults.append(f"{name} {label}: exit status {result.returncode}, "
                                  f"stderr {result.stderr[-2000:]!r}")
                with open(path, "wb") as restored:
                    restored.write(data)
    return faults


def main():
    case, flotilla = sys.argv[1], os.path.abspath(sys.argv[2])
    faults = globals()[case](flotilla)
    for fault in faults:
        print(f"FAIL {case}: {fault}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
