"""Runs the real flotilla window in a virtual X server of its own with N ships
on varied orders (the same fleet the frame benchmark builds), presses GO
through the console and reads the window's own `stats` after ten seconds:
frames per second, median and 99th-percentile frame time, and the program's
peak resident memory.

    /usr/bin/python3 bench/window_fps.py build/flotilla [N ...]
    /usr/bin/python3 bench/window_fps.py build/flotilla --screenshot FILE N

With --screenshot it ticks the world three times instead, saves the window
to FILE and quits: two builds that draw alike give byte-identical files.
"""

import os
import re
import statistics
import subprocess
import sys
import threading
import time

from window_figures import start_x_server

KINDS = ["Tanker", "Cruiser", "Torpedo_boat", "Cruise_ship"]
STATS = re.compile(rb"Window: (\d+) frames at ([\d.]+) frames per second; median frame "
                   rb"([\d.]+) ms, 99th percentile ([\d.]+) ms; (\d+) ships")


def fleet(count):
    """Console lines that add `count` ships on the frame benchmark's orders."""
    lines = []
    for i in range(count):
        name, kind = f"S{i}", KINDS[i % 4]
        lines.append(f"create {name} {kind} {5 + (i * 37) % 41} {5 + (i * 53) % 43}")
        if i % 4 == 0:
            lines += [f"{name} load_at Exxon", f"{name} unload_at Shell"]
        elif i % 4 == 3:
            lines.append(f"{name} position 20 20 12")
        else:
            lines.append(f"{name} course {(i * 29) % 360} 5")
    return lines


class Program:
    """The program with its console on a pipe; its output is scanned for the
    stats line in large reads, so that reading costs little beside it."""

    def __init__(self, flotilla, environment):
        read_end, write_end = os.pipe()
        try:
            import fcntl
            fcntl.fcntl(write_end, 1031, 1 << 20)  # F_SETPIPE_SZ: fewer wake-ups
        except OSError:
            pass
        self.process = subprocess.Popen([flotilla], stdin=subprocess.PIPE, stdout=write_end,
                                        stderr=subprocess.DEVNULL, env=environment)
        os.close(write_end)
        self.found, self.condition = [], threading.Condition()
        threading.Thread(target=self._scan, args=(read_end,), daemon=True).start()

    def _scan(self, fd):
        tail = b""
        while True:
            chunk = os.read(fd, 1 << 20)
            if not chunk:
                break
            text = tail + chunk
            cut = text.rfind(b"\n") + 1
            for match in STATS.finditer(text, 0, cut):
                with self.condition:
                    self.found.append(match.groups())
                    self.condition.notify_all()
            tail = text[cut:][-4096:]

    def send(self, lines):
        self.process.stdin.write(("\n".join(lines) + "\n").encode())
        self.process.stdin.flush()

    def stats(self, timeout=600):
        with self.condition:
            seen = len(self.found)
            self.send(["stats"])
            if not self.condition.wait_for(lambda: len(self.found) > seen, timeout):
                raise RuntimeError("no stats line")
            return self.found[-1]

    def peak_memory_mb(self):
        with open(f"/proc/{self.process.pid}/status") as status:
            for line in status:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1]) / 1024
        return 0.

    def quit(self):
        try:
            self.send(["quit"])
            self.process.wait(30)
        except (BrokenPipeError, subprocess.TimeoutExpired):
            self.process.kill()


def measure(flotilla, environment, ships, seconds=10.):
    program = Program(flotilla, environment)
    try:
        program.send(fleet(ships - 5))
        program.stats()  # the fleet is in place once this is answered
        program.send(["go"])
        time.sleep(2.)
        program.stats()
        time.sleep(seconds)
        frames, fps, median, p99, count = program.stats()
        return float(fps), float(median), float(p99), int(count), program.peak_memory_mb()
    finally:
        program.quit()


def screenshot(flotilla, environment, ships, path):
    program = Program(flotilla, environment)
    try:
        if os.path.exists(path):
            os.remove(path)
        program.send(fleet(ships - 5) + ["tick 3", "screenshot " + os.path.abspath(path)])
        deadline = time.monotonic() + 600
        while time.monotonic() < deadline:
            if os.path.exists(path) and os.path.getsize(path) > 54:
                time.sleep(0.5)
                return
            time.sleep(0.1)
        raise RuntimeError("no screenshot")
    finally:
        program.quit()


def main():
    flotilla = os.path.abspath(sys.argv[1])
    arguments = sys.argv[2:]
    shot = None
    if arguments[:1] == ["--screenshot"]:
        shot, arguments = arguments[1], arguments[2:]
    counts = [int(a) for a in arguments] or [5, 2000, 10000]
    server, name = start_x_server()
    try:
        environment = dict(os.environ, DISPLAY=name, SDL_VIDEODRIVER="x11",
                           SDL_AUDIODRIVER="dummy")
        if shot:
            screenshot(flotilla, environment, counts[0], shot)
            return
        print("| N ships | frames per second | median frame (ms) | 99th percentile (ms) "
              "| peak memory (MB) |")
        print("|---:|---:|---:|---:|---:|")
        for ships in counts:
            fps, median, p99, count, memory = measure(flotilla, environment, ships)
            print(f"| {count:,} | {fps:.1f} | {median:.2f} | {p99:.2f} | {memory:.0f} |",
                  flush=True)
    finally:
        server.terminate()


if __name__ == "__main__":
    main()
