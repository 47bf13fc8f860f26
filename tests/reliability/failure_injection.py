"""failure_injection.py CASE FLOTILLA: the program on SDL's dummy drivers, something taken away."""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

MODES = (("headless", ["--headless"]), ("window", []))
faults = []


def expect(condition, fault):
    if not condition:
        faults.append(fault)


def environment(env_changes=None, unset=()):
    env = {**os.environ, "SDL_VIDEODRIVER": "dummy", "SDL_AUDIODRIVER": "dummy",
           **(env_changes or {})}
    return {name: value for name, value in env.items() if name not in unset}


def run(flotilla, args=(), stdin=b"quit\n", env_changes=None, unset=(), timeout=120, **options):
    options.setdefault("stdout", subprocess.PIPE)
    result = subprocess.run([flotilla, *args], input=stdin, stderr=subprocess.PIPE,
                            timeout=timeout, env=environment(env_changes, unset), **options)
    result.stdout = (result.stdout or b"").decode(errors="replace")
    result.stderr = result.stderr.decode(errors="replace")
    return result


def sanitized(stderr):
    return any(mark in stderr for mark in ("Sanitizer", "runtime error:"))


def clean(result, status=0):
    return result.returncode == status and not sanitized(result.stderr)


def one_line_error(result, *words):
    message = result.stderr.strip()
    return clean(result, 1) and "\n" not in message and all(word in message for word in words)


def missing_resource_folder(flotilla):
    """A named folder wins over pictures elsewhere; what was tried is reported."""
    resources = os.path.join(os.path.dirname(flotilla), "Resources")
    with tempfile.TemporaryDirectory() as tmp:
        given, from_env = os.path.join(tmp, "given"), os.path.join(tmp, "from_env")
        alone = os.path.join(tmp, "flotilla")  # no Resources beside this copy
        shutil.copy(flotilla, alone)
        for label, binary, args, env_changes, place in (
                ("--resources", flotilla, ["--resources", given],
                 {"FLOTILLA_RESOURCES": resources}, given),
                ("FLOTILLA_RESOURCES", flotilla, [], {"FLOTILLA_RESOURCES": from_env}, from_env),
                ("the search", alone, [], {}, os.path.join(tmp, "Resources")),
                ("a subfolder", flotilla, [], {"FLOTILLA_RESOURCES": resources + "/images"},
                 resources + "/images"),
                ("a long name", flotilla, ["--resources", "/" + "a" * 5000], {}, "a" * 5000)):
            result = run(binary, args, env_changes=env_changes,
                         unset=() if env_changes else ("FLOTILLA_RESOURCES",))
            expect(one_line_error(result, place), f"{label}: {result.returncode} {result.stderr!r}")


def no_display(flotilla):
    """Never a window drawn as text on the terminal."""
    result = run(flotilla, unset=("DISPLAY", "SDL_VIDEODRIVER"))
    err = result.stderr
    expect(0 < result.returncode < 128 and err.startswith("flotilla: ") and not result.stdout
           and ("video" in err.lower() or "display" in err.lower()) and not sanitized(err),
           f"{result.returncode}: {err!r}, stdout {result.stdout[:300]!r}")


def no_sound(flotilla):
    for label, changes, unset in (("unset", {}, ("SDL_AUDIODRIVER",)),
                                  ("bogus", {"SDL_AUDIODRIVER": "no_such_driver"}, ())):
        result = run(flotilla, env_changes=changes, unset=unset)
        expect(clean(result) and "Thanks for playing!" in result.stdout,
               f"SDL_AUDIODRIVER {label}: {result.returncode} {result.stderr!r}")


def screenshot_unwritable(flotilla):
    """Refused at once, even onto a named pipe; a relative name is the start folder."""
    with tempfile.TemporaryDirectory() as tmp:
        os.mkfifo(os.path.join(tmp, "pipe"))
        # A wait on the pipe times out, which fails the case.
        result = run(flotilla, stdin=b"screenshot no/such/shot.bmp\nscreenshot .\n"
                     b"screenshot pipe\nscreenshot shot.bmp\nquit\n", cwd=tmp, timeout=30)
        left = sorted(os.listdir(tmp))
    expect(left == ["pipe", "shot.bmp"] and clean(result) and
           result.stdout.count("Could not save screenshot!\n") == 3,
           f"files {left}, {result.returncode}, {result.stdout[-500:]!r} {result.stderr!r}")


def far_coordinates(flotilla):
    result = run(flotilla, stdin=b"Ajax position 1e300 1e300 10\nXerxes position -1e300 -1e300 10\n"
                 b"create Far Cruiser 1e300 1e300\ncreate Deep Torpedo_boat -1.7e308 -1.7e308\n"
                 b"Deep position 1.7e308 1.7e308 20\nFar position 0 0 10\nGalactica attack Far\n"
                 b"open_bridge Far 0 400\nopen_bridge Deep 100 480\ntick 5\nstatus\nquit\n")
    expect(clean(result), f"{result.returncode}: {result.stderr[-3000:]!r}")
    outside = [line for line in result.stdout.splitlines() if line.endswith(" outside the map")]
    expect(outside and "Far" in outside[-1] and "Deep" in outside[-1], f"outside: {outside[-1:]}")
    for shown in ("Cruiser Far at (1000000000", "Torpedo_boat Deep at (-1699999999",
                  "Cruiser Ajax at (15.1", "Pursuing Far"):
        expect(shown in result.stdout, f"status lacks {shown!r}")


def hostile_console(flotilla):
    script = (b"create Bad\x1b]0;title\x07 Cruiser 1 1\nisland Del\x7f 1 1 1 1\n" +
              b"A" * (100 * 1024) + b"\n\0\0status\0\nstatus\r\n" + b"B" * (300 * 1024) +
              b"\nhelp\r\n" + b"C" * (70 * 1024) + b"\nquit")
    for mode, args in MODES:
        result = run(flotilla, args, stdin=script, timeout=60)  # ends at the unfinished quit
        counts = [result.stdout.count(text) for text in
                  ("Invalid name!\n", "Line too long!\n", "Island Exxon", "end the program\n")]
        expect(counts == [2, 3, 1, 1] and clean(result) and "\x1b" not in result.stdout,
               f"{mode}: {counts}, {result.returncode} {result.stderr!r}")


def output_fails(flotilla):
    for mode, args in MODES:
        with open("/dev/full", "wb") as full:
            result = run(flotilla, args, stdin=b"status\nquit\n", stdout=full)
        expect(one_line_error(result, "standard output"), f"{mode}: {result.stderr!r}")


def quit_while_busy(flotilla):
    with tempfile.TemporaryFile() as flood:
        flood.write(b"\n" * 300000 + b"tick 1000000\n")
        for signal_number, delay in ((signal.SIGTERM, 1.0), (signal.SIGINT, 4.0)):
            flood.seek(0)
            process = subprocess.Popen([flotilla], stdin=flood, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.PIPE, env=environment())
            time.sleep(delay)
            sent = time.monotonic()
            process.send_signal(signal_number)
            try:
                err = process.communicate(timeout=30)[1]
            except subprocess.TimeoutExpired:
                process.kill()
                err = process.communicate()[1]
            took, err = time.monotonic() - sent, err.decode(errors="replace")
            expect(took <= 1.0 and process.returncode == 0 and not sanitized(err),
                   f"{signal_number.name}: {took:.2f} s, {process.returncode} {err[-2000:]!r}")
    # With standard input closed the next file opened would become descriptor 0.
    process = subprocess.Popen([flotilla], stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                               stderr=subprocess.PIPE, env=environment(),
                               preexec_fn=lambda: os.close(0))
    time.sleep(2)
    process.send_signal(signal.SIGTERM)
    out, err = process.communicate(timeout=30)
    expect(process.returncode == 0 and b"Unrecognized command!" not in out and not err,
           f"standard input closed: {process.returncode} {out[-300:]!r} {err[-300:]!r}")


def damaged_resources(flotilla):
    """A picture of another size stands for a button too narrow for its text, which corrupted
    the heap. A font cut short may serve what it holds, since glyphs are read late."""
    damaged = ("GUIImages/button.bmp", "GUIImages/corner2.bmp", "images/ship_front.bmp",
               "GUIFonts/arial.ttf")
    with tempfile.TemporaryDirectory() as tmp:
        copy = os.path.join(tmp, "Resources")
        shutil.copytree(os.path.join(os.path.dirname(flotilla), "Resources"), copy)
        one_pixel_wide = Path(copy, "GUIImages/slider_horiz_M.bmp").read_bytes()
        names = sorted(os.path.relpath(os.path.join(d, f), copy)
                       for d, _, files in os.walk(copy) for f in files)
        assert len(names) > 10, "no resources found"
        for name in names:
            path = os.path.join(copy, name)
            data = Path(path).read_bytes()
            cases = [("missing", None)]
            if name in damaged:
                cases += [("truncated", data[:len(data) // 2]), ("garbage", bytes(range(256)) * 8)]
                cases += [("wrong size", one_pixel_wide)] if name.endswith(".bmp") else []
            for label, damage in cases:
                if damage is None:
                    os.remove(path)
                else:
                    Path(path).write_bytes(damage)
                result = run(flotilla, ["--resources", copy])
                lenient = name.endswith(".ttf") and label == "truncated" and clean(result)
                expect(one_line_error(result, os.path.basename(name)) or lenient,
                       f"{name} {label}: {result.returncode} {result.stderr[-2000:]!r}")
                Path(path).write_bytes(data)


if __name__ == "__main__":
    case, program = sys.argv[1], os.path.abspath(sys.argv[2])
    globals()[case](program)
    for fault in faults:
        print(f"FAIL {case}: {fault}")
    sys.exit(1 if faults else 0)
