"""Measures, in a virtual X server of its own, how long flotilla takes from
its start to its first picture on the screen, its peak resident memory, and
the processor time it uses while it sits paused with its window open.

    /usr/bin/python3 bench/window_figures.py build/flotilla [RUNS]

The picture counts as there when the centre of the chart shows the sea's
blue; the screen is polled every millisecond.
"""

import os
import resource
import statistics
import subprocess
import sys
import time

from Xlib import X, display

SEA = (127, 176, 212)


def chart_centre_is_sea(root):
    # The program's window is the only large child of the root.
    for child in root.query_tree().children:
        try:
            geometry = child.get_geometry()
        except Exception:
            continue
        if geometry.width < 600 or geometry.height < 600:
            continue
        image = child.get_image(150, 150, 1, 1, X.ZPixmap, 0xFFFFFFFF)
        pixel = image.data
        blue, green, red = pixel[0], pixel[1], pixel[2]
        if abs(red - SEA[0]) < 8 and abs(green - SEA[1]) < 8 and abs(blue - SEA[2]) < 8:
            return True
    return False


def start_x_server():
    # -displayfd tells the display once the server is up; -noreset keeps one
    # client's leaving from resetting the server under the next.
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "800x700x24",
                               "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end, "rb") as announcement:
        number = announcement.readline().strip().decode()
    return server, ":" + number


def one_run(flotilla, root, environment):
    start = time.monotonic()
    program = subprocess.Popen([flotilla], stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, env=environment)
    try:
        while time.monotonic() - start < 10:
            if chart_centre_is_sea(root):
                return time.monotonic() - start
            time.sleep(0.001)
        raise RuntimeError("no picture within 10 s")
    finally:
        program.communicate(b"quit\n", timeout=10)


def paused_load(flotilla, environment, seconds=10.):
    """The share of one core used while paused, after a second to settle."""
    program = subprocess.Popen([flotilla], stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, env=environment)
    ticks = os.sysconf("SC_CLK_TCK")

    def cpu_seconds():
        with open(f"/proc/{program.pid}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / ticks

    try:
        time.sleep(1.)
        before, start = cpu_seconds(), time.monotonic()
        time.sleep(seconds)
        return (cpu_seconds() - before) / (time.monotonic() - start)
    finally:
        program.communicate(b"quit\n", timeout=10)


def main():
    flotilla = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    server, name = start_x_server()
    try:
        screen_display = display.Display(name)
        root = screen_display.screen().root
        environment = dict(os.environ, DISPLAY=name)
        environment.pop("SDL_VIDEODRIVER", None)
        times = [one_run(flotilla, root, environment) for _ in range(runs)]
        load = paused_load(flotilla, environment)
    finally:
        server.terminate()
    peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    print(f"first picture: median {statistics.median(times) * 1000:.0f} ms, "
          f"best {min(times) * 1000:.0f} ms, worst {max(times) * 1000:.0f} ms over {runs} runs; "
          f"peak resident memory {peak / 1024:.1f} MB; paused, {load * 100:.1f}% of one core")


if __name__ == "__main__":
    main()
