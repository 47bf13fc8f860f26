"""Runs the real program with something taken away or pushed to an extreme
and checks that it fails (or carries on) cleanly.

    failure_injection.py CASE FLOTILLA

The window opens on SDL's dummy video driver, so no X server is needed; the
program sets its own driver only when none is set.
"""

import os
import shutil
import subprocess
import sys
import tempfile

SANITIZER_MARKS = ("Sanitizer", "runtime error:")
ERROR = "Could not save screenshot!\n"


def run(flotilla, args=(), stdin="quit\n", env_changes=None, unset=()):
    env = dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy")
    env.update(env_changes or {})
    for name in unset:
        env.pop(name, None)
    return subprocess.run([flotilla, *args], input=stdin, env=env, capture_output=True,
                          text=True, errors="replace", timeout=120)


def sanitizer_report(result):
    return any(mark in result.stderr for mark in SANITIZER_MARKS)


def missing_resource_files(flotilla):
    """Each file in turn: one line on stderr naming it, exit status 1."""
    resources = os.path.join(os.path.dirname(flotilla), "Resources")
    files = sorted(os.path.relpath(os.path.join(d, f), resources)
                   for d, _, names in os.walk(resources) for f in names)
    assert len(files) > 10, f"no resources found in {resources}"
    faults = []
    for missing in files:
        with tempfile.TemporaryDirectory() as tmp:
            copy = os.path.join(tmp, "Resources")
            shutil.copytree(resources, copy)
            os.remove(os.path.join(copy, missing))
            result = run(flotilla, ["--resources", copy])
        message = result.stderr.strip()
        if (result.returncode != 1 or "\n" in message or os.path.basename(missing) not in message
                or sanitizer_report(result)):
            faults.append(f"{missing}: exit status {result.returncode}, stderr {result.stderr!r}")
    return faults


def missing_resource_folder(flotilla):
    """A folder named by --resources or FLOTILLA_RESOURCES that is not there,
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
                 ("the search", alone, [], {}, os.path.join(tmp, "Resources")))
        for label, binary, args, env_changes, place in cases:
            result = run(binary, args, env_changes=env_changes,
                         unset=() if env_changes else ("FLOTILLA_RESOURCES",))
            message = result.stderr.strip()
            if (result.returncode != 1 or "\n" in message or place not in message
                    or sanitizer_report(result)):
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
    """A screenshot that cannot be written: its error line and nothing else."""
    with tempfile.TemporaryDirectory() as tmp:
        script = (f"mark\nstatus\nscreenshot {tmp}/no/such/folder/shot.bmp\nstatus\n"
                  f"screenshot {tmp}\nstatus\nmark\nquit\n")
        result = run(flotilla, stdin=script)
        left = os.listdir(tmp)
    parts = result.stdout.split("Unrecognized command!\n")
    if len(parts) != 3:
        return [f"markers not found: exit status {result.returncode}, stderr {result.stderr!r}"]
    status = parts[1][:parts[1].find(ERROR)]
    faults = []
    if "Island Exxon" not in status or parts[1] != (status + ERROR) * 2 + status:
        faults.append(f"expected status, error, status, error, status; got:\n{parts[1]}")
    if left or result.returncode != 0 or sanitizer_report(result):
        faults.append(f"files {left}, exit status {result.returncode}, stderr {result.stderr!r}")
    return faults


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


def main():
    case, flotilla = sys.argv[1], os.path.abspath(sys.argv[2])
    faults = globals()[case](flotilla)
    for fault in faults:
        print(f"FAIL {case}: {fault}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
