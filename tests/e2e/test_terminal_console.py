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


def wait(condition, timeout=10.0):
    deadline = time.time() + timeout
    while not condition() and time.time() < deadline:
        time.sleep(0.1)
    return condition()


class Terminal:
    """A tmux terminal of its own running one command, its screen read back."""

    def __init__(self, command, env, folder):
        # A server of its own each time: one just killed may still hold its socket.
        self.socket = tempfile.mktemp(prefix="tmux-", dir=folder)
        # All the output stays readable, and so does the screen once it has ended.
        self.tmux("-f", "/dev/null", "start-server", ";", "set", "-g", "history-limit", "500000",
                  ";", "set", "-g", "remain-on-exit", "on", ";", "new-session", "-d", "-x", "150",
                  "-y", "30", "exec " + shlex.join(command), env=env)

    def tmux(self, *args, env=None):
        return subprocess.run(["tmux", "-S", self.socket, *args], env=env, check=True,
                              capture_output=True, text=True).stdout

    def keys(self, *keys):
        for key in keys:
            self.tmux("send-keys", key)
            time.sleep(0.05)

    def wait_for(self, pattern, count=1):
        def shown():
            screen = self.tmux("capture-pane", "-p", "-J", "-S", "-").splitlines()
            return sum(1 for line in screen if re.search(pattern, line)) >= count
        return wait(shown)

    def ended(self):
        return wait(lambda: self.tmux("display", "-p", "#{pane_dead}").strip() == "1")

    def __enter__(self):
        return self

    def __exit__(self, *_):
        subprocess.run(["tmux", "-S", self.socket, "kill-server"], capture_output=True)


def test(binary, folder, check):
    env = dict(os.environ, HOME=folder, XDG_STATE_HOME=os.path.join(folder, "state"),
               TERM="xterm", SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy")
    history = os.path.join(folder, "state", "flotilla", "history")

    def kept():
        return open(history).read().splitlines() if os.path.exists(history) else []

    xerxes = r"^Xerxes will sail on course 45\.00 deg, speed 7\.00 nm/hr$"
    # Beside the window, typed a key at a time while it writes thousands of lines.
    with Terminal([binary], env, folder) as terminal:
        check(terminal.wait_for("^flotilla> $"), "a prompt beside the window")
        terminal.keys("go", "Enter")
        check(terminal.wait_for("^Valdez now at"), "go: the world runs")
        terminal.keys(*"Xerxes course 45 7", "Enter")
        check(terminal.wait_for("^flotilla> Xerxes course 45 7$"), "the typed line intact")
        terminal.keys("Up", "Enter")
        check(terminal.wait_for(xerxes, count=2), "the typed line runs, and again after Up")
        terminal.keys("quit", "Enter")
        check(terminal.ended(), "quit ends the window")
    check(kept() == ["go", "Xerxes course 45 7", "Xerxes course 45 7", "quit"],
          f"the history kept in $XDG_STATE_HOME/flotilla/history: {kept()}")

    with Terminal([binary, "--headless"], env, folder) as terminal:
        check(terminal.wait_for("^flotilla> $"), "a prompt at the terminal")
        terminal.keys("Up", "Up", "Enter")
        check(terminal.wait_for(xerxes), "the history of the last run")
        terminal.keys("Aj", "Tab", "cou", "Tab", "90 5", "Enter")
        check(terminal.wait_for("^flotilla> Ajax course 90 5$"), "Tab completes name and command")
        check(terminal.wait_for(r"^Ajax will sail on course 90\.00 deg, speed 5\.00 nm/hr$"),
              "the completed command runs")
        terminal.keys("C-d")
        check(terminal.ended(), "end of input ends the run")
    check(kept()[4:] == ["Xerxes course 45 7", "Ajax course 90 5"], f"headless history {kept()}")

    # Not at a terminal: no prompt decoration, no history touched.
    piped = dict(env, XDG_STATE_HOME=os.path.join(folder, "piped"))
    subprocess.run([binary, "--headless"], input=b"status\n", env=piped, capture_output=True)
    check(not os.path.exists(piped["XDG_STATE_HOME"]), "a piped run leaves no history")


def main():
    if not shutil.which("tmux"):
        print("SKIP: tmux is missing")
        sys.exit(77)
    folder = tempfile.mkdtemp(prefix="flotilla-terminal-")
    failures = []
    test(os.path.abspath(sys.argv[1]), folder,
         lambda condition, message: condition or failures.append(message))
    if failures:
        print("\n".join("FAIL: " + f for f in failures) + f"\n--- files kept in {folder}")
        sys.exit(1)
    shutil.rmtree(folder)
    print("PASS")


main()
