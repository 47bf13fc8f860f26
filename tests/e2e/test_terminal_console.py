"""The console typed at a terminal (tmux): completion, history across runs,
and a line typed while the window runs and floods the terminal."""
import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from flotilla_e2e import GO_BUTTON, RESTING_PLACE, Session


class Terminal:
    """A tmux terminal running one command; stands in for the program's
    process (pid, poll, terminate, wait) and reads its screen back."""

    def __init__(self, command, env, folder):
        # A server of its own each time: one that was just killed may still
        # be leaving its socket.
        self.socket = tempfile.mktemp(prefix="tmux-", dir=folder)
        config = os.path.join(folder, "tmux.conf")
        with open(config, "w") as out:
            # The program's whole output stays readable, and so does the
            # screen once it has ended.
            out.write("set -g history-limit 500000\nset -g remain-on-exit on\n")
        self.tmux("-f", config, "new-session", "-d", "-x", "150", "-y", "30",
                  "exec " + shlex.join(command), env=env)
        self.pid = int(self.tmux("display", "-p", "#{pane_pid}"))

    def tmux(self, *args, env=None):
        return subprocess.run(["tmux", "-S", self.socket, *args], env=env, check=True,
                              capture_output=True, text=True).stdout

    def keys(self, *keys):
        for key in keys:
            self.tmux("send-keys", key)
            time.sleep(0.05)

    def lines(self):
        return self.tmux("capture-pane", "-p", "-J", "-S", "-").splitlines()

    def wait_for(self, pattern, count=1, timeout=5.0):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if len([line for line in self.lines() if re.search(pattern, line)]) >= count:
                return True
            time.sleep(0.1)
        return False

    def poll(self):
        pane = subprocess.run(["tmux", "-S", self.socket, "display", "-p", "#{pane_dead}"],
                              capture_output=True, text=True)
        return None if pane.returncode == 0 and pane.stdout.strip() == "0" else 0

    def wait(self, timeout=10.0):
        deadline = time.time() + timeout
        while self.poll() is None:
            if time.time() > deadline:
                raise subprocess.TimeoutExpired("flotilla", timeout)
            time.sleep(0.1)
        return 0

    def terminate(self):
        subprocess.run(["tmux", "-S", self.socket, "kill-server"], capture_output=True)


def headless(binary, folder, failures):
    env = dict(os.environ, HOME=folder, XDG_STATE_HOME=os.path.join(folder, "state"),
               TERM="xterm")
    history = os.path.join(folder, "state", "flotilla", "history")
    sail = r"^Ajax will sail on course 90\.00 deg, speed 5\.00 nm/hr$"

    def check(condition, message):
        if not condition:
            failures.append(message)

    terminal = Terminal([binary, "--headless"], env, folder)
    try:
        check(terminal.wait_for("^flotilla> $"), "a prompt at the terminal")
        terminal.keys("Aj", "Tab", "cou", "Tab", "90 5", "Enter")
        check(terminal.wait_for("^flotilla> Ajax course 90 5$"), "Tab completes name and command")
        check(terminal.wait_for(sail), "the completed command runs")
        terminal.keys("Up", "Enter")
        check(terminal.wait_for(sail, count=2), "Up brings the line back")
        terminal.keys("C-d")
        terminal.wait()
    finally:
        terminal.terminate()
    check(open(history).read().splitlines() == ["Ajax course 90 5"] * 2,
          "the history kept in $XDG_STATE_HOME/flotilla/history")

    terminal = Terminal([binary, "--headless"], env, folder)
    try:
        terminal.keys("Up")
        check(terminal.wait_for("^flotilla> Ajax course 90 5$"), "the history of the last run")
    finally:
        terminal.terminate()

    # Not at a terminal: no prompt decoration, no history touched.
    piped = dict(env, XDG_STATE_HOME=os.path.join(folder, "piped"))
    subprocess.run([binary, "--headless"], input=b"status\n", env=piped, capture_output=True)
    check(not os.path.exists(piped["XDG_STATE_HOME"]), "a piped run leaves no history")


class TerminalSession(Session):
    """The window with its console at a tmux terminal."""

    def _start_program(self):
        env = dict(self.env, HOME=self.shots, XDG_STATE_HOME=self.shots, TERM="xterm")
        self.program = Terminal([self.binary], env, self.shots)
        self.lines = []

    def __exit__(self, *failure):
        if self.program:  # the pane outlives the program: its server must go too
            self.program.terminate()
        return super().__exit__(*failure)


def beside_the_window(s):
    s.expect(s.program.wait_for("^flotilla> $"), "a prompt beside the window")
    s.click(GO_BUTTON)
    s.move(RESTING_PLACE)
    s.expect(s.program.wait_for("^Valdez now at"), "GO: the world runs")
    # Typed a key at a time while the window writes thousands of lines.
    s.program.keys(*"Xerxes course 45 7", "Enter")
    s.expect(s.program.wait_for("^flotilla> Xerxes course 45 7$"), "the typed line intact")
    s.expect(s.program.wait_for(r"^Xerxes will sail on course 45\.00 deg, speed 7\.00 nm/hr$"),
             "the typed command runs")
    s.program.keys("quit", "Enter")
    s.program.wait()
    s.lines = s.program.lines()


def main():
    if len(sys.argv) != 2:
        sys.exit(f"usage: {sys.argv[0]} path/to/flotilla")
    if not shutil.which("tmux"):
        print("SKIP: tmux is missing")
        sys.exit(77)
    binary = os.path.abspath(sys.argv[1])
    folder = tempfile.mkdtemp(prefix="flotilla-terminal-")
    failures = []
    headless(binary, folder, failures)
    if failures:
        print("\n".join("FAIL: " + f for f in failures))
        print(f"--- files kept in {folder}")
        sys.exit(1)
    shutil.rmtree(folder)
    with TerminalSession(binary) as s:
        beside_the_window(s)


main()
