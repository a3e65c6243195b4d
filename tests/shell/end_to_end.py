#!/usr/bin/env python3
"""Drives the real program in a real X server (Xvfb) as a person would, with xdotool and
xclip: types a formula and an x value, clicks Compute and Copy, reads the clipboard,
closes the window through its File menu and finds the formula in the settings file; then
starts two copies and sees the second one refused.

Usage: end_to_end.py PROGRAM
The program is copied with what lies beside it into a private folder, so that its
settings file is private, and runs with a private runtime folder. Every wait is bounded.
"""
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time

WAIT = 20  # seconds, for anything to appear
MAIN_WINDOW = "^Vantorel Calculator"
REFUSAL_WINDOW = "^Vantorel$"
CLIENT_HEIGHT = 550  # the main window's client area, below its menu bar


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=WAIT):
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(0.1)


def start_xvfb():
    """A fresh X server on a free display; returns (process, display name)."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
         "-noreset"],  # a reset when the last client leaves would refuse the next one
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    # The server writes its display number and a line break; the pipe stays open while
    # it runs, since a write into a closed pipe would end it.
    reply = b""
    deadline = time.monotonic() + WAIT
    while not reply.endswith(b"\n") and time.monotonic() < deadline:
        ready, _, _ = select.select([read_end], [], [], max(0, deadline - time.monotonic()))
        chunk = os.read(read_end, 64) if ready else b""
        if not chunk:
            break
        reply += chunk
    number = reply.decode().strip()
    if not number:
        server.kill()
        raise Failure("Xvfb did not start")
    server.display_pipe = read_end
    display = ":" + number
    env = dict(os.environ, DISPLAY=display)
    wait_for("the X server", lambda: subprocess.run(
        ["xdotool", "getdisplaygeometry"], env=env, capture_output=True).returncode == 0)
    return server, display


class Desktop:
    def __init__(self, display, home):
        self.env = {k: v for k, v in os.environ.items() if not k.startswith("QT_")}
        self.env.update(DISPLAY=display, QT_QPA_PLATFORM="xcb", HOME=home,
                        XDG_CONFIG_HOME=os.path.join(home, ".config"),
                        XDG_RUNTIME_DIR=os.path.join(home, "run"), LANG="C.UTF-8",
                        LC_ALL="C.UTF-8")
        os.makedirs(self.env["XDG_RUNTIME_DIR"], mode=0o700)

    def run(self, *args):
        result = subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=WAIT)
        return result.stdout.strip() if result.returncode == 0 else ""

    def xdotool(self, *args):
        return self.run("xdotool", *args)

    def start(self, program):
        log = tempfile.TemporaryFile()
        copy = subprocess.Popen([program], env=self.env, stdout=subprocess.DEVNULL, stderr=log)
        copy.log = log
        return copy

    def window(self, name_pattern):
        found = self.xdotool("search", "--onlyvisible", "--name", name_pattern).split()
        return found[0] if found else ""

    def visible_windows(self):
        return set(self.xdotool("search", "--onlyvisible", "--name", "").split())

    def geometry(self, window):
        fields = dict(line.split("=", 1) for line in
                      self.xdotool("getwindowgeometry", "--shell", window).splitlines())
        return int(fields["X"]), int(fields["Y"]), int(fields["WIDTH"]), int(fields["HEIGHT"])

    def clipboard(self):
        return self.run("xclip", "-o", "-selection", "clipboard")


class MainWindow:
    """The main window's controls, by where the window's layout puts them."""
    EXPRESSION = (320, 50)      # the expression editor, in the band at the top
    X_VALUE = (280, 182)        # the X value editor, in the input band
    COPY = (581, 392)           # keypad row 6, column 3
    COMPUTE = (601, 424)        # keypad row 7, columns 3 and 4
    FILE_MENU = (18, None)      # in the menu bar, above the client area

    def __init__(self, desktop, window):
        self.desktop = desktop
        self.window = window
        _, _, width, height = desktop.geometry(window)
        self.menu_bar = height - CLIENT_HEIGHT
        if width != 654 or self.menu_bar <= 0:
            raise Failure(f"unexpected main window size {width} x {height}")

    def click(self, place):
        x, y = place
        y = self.menu_bar // 2 if y is None else self.menu_bar + y
        # Relative to the window itself: under a window manager's frame xdotool reports
        # the window's place with the frame's offset counted twice. One xdotool call
        # moves and clicks in order, where "--sync" would wait for a move that a pointer
        # already in place never makes.
        self.desktop.xdotool("mousemove", "--window", self.window, str(x), str(y), "click", "1")
        time.sleep(0.2)

    def replace_text(self, place, text):
        self.click(place)
        self.desktop.xdotool("key", "ctrl+a")
        self.desktop.xdotool("type", "--delay", "30", text)

    def exit_through_file_menu(self):
        shown = self.desktop.visible_windows()
        self.click(self.FILE_MENU)
        opened = lambda: self.desktop.visible_windows() - shown
        # On the bare X server, a click just after another program's window has gone is
        # now and then lost under load (1 run in 12 with the processors busy): click once
        # more, as a user would, rather than fail on the server's account.
        try:
            wait_for("the File menu", opened, timeout=3)
        except Failure:
            self.click(self.FILE_MENU)
            wait_for("the File menu", opened)
        # With the menu open and nothing highlighted, Up highlights its last item, Exit.
        self.desktop.xdotool("key", "--delay", "100", "Up", "Return")


def main_window_of(desktop, copy):
    def shown():
        if copy.poll() is not None:
            copy.log.seek(0)
            said = copy.log.read().decode(errors="replace").strip()
            raise Failure(f"the program ended at its start with {copy.returncode}: {said}")
        return desktop.window(MAIN_WINDOW)
    return MainWindow(desktop, wait_for("the main window", shown))


def compute_copy_and_close(desktop, program, folder):
    copy = desktop.start(program)
    try:
        window = main_window_of(desktop, copy)
        window.replace_text(MainWindow.EXPRESSION, "2*x + 1")
        window.replace_text(MainWindow.X_VALUE, "4")
        window.click(MainWindow.COMPUTE)
        window.click(MainWindow.COPY)
        value = wait_for("the result on the clipboard", desktop.clipboard)
        if float(value) != 9:
            raise Failure(f"the clipboard holds {value!r}, not 9")
        window.exit_through_file_menu()
        if copy.wait(timeout=WAIT) != 0:
            raise Failure(f"the program ended with {copy.returncode}")
    finally:
        if copy.poll() is None:
            copy.kill()
    settings = os.path.join(folder, "VANTOREL.INI")
    with open(settings, encoding="latin-1") as file:
        lines = file.read().splitlines()
    if "StoredValue=2*x + 1" not in lines:
        raise Failure(f"the settings file holds {lines}")


def second_copy_is_refused(desktop, program):
    first = desktop.start(program)
    second = None
    try:
        window = main_window_of(desktop, first)
        second = desktop.start(program)
        box = wait_for("the refusal box", lambda: desktop.window(REFUSAL_WINDOW))
        if second.poll() is not None:
            raise Failure("the refused copy ended before its box was answered")
        desktop.xdotool("windowfocus", "--sync", box)
        desktop.xdotool("key", "Return")
        if second.wait(timeout=WAIT) != 0:
            raise Failure(f"the refused copy ended with {second.returncode}")
        if first.poll() is not None:
            raise Failure("the first copy did not keep running")
        window.exit_through_file_menu()
        if first.wait(timeout=WAIT) != 0:
            raise Failure(f"the first copy ended with {first.returncode}")
    finally:
        for copy in (first, second):
            if copy and copy.poll() is None:
                copy.kill()


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    for tool in ("Xvfb", "xdotool", "xclip"):
        if not shutil.which(tool):
            sys.exit(f"end-to-end: {tool} is missing (scripts/setup.sh installs it)")
    source = os.path.dirname(os.path.abspath(sys.argv[1]))
    phase = "start of the X server"
    server, display = start_xvfb()
    try:
        with tempfile.TemporaryDirectory() as scratch:
            folder = os.path.join(scratch, "app")
            os.makedirs(folder)
            program = os.path.join(folder, "vantorel")
            shutil.copy2(sys.argv[1], program)
            help_file = os.path.join(source, "VANTOREL.chm")
            if os.path.exists(help_file):
                shutil.copy2(help_file, folder)
            home = os.path.join(scratch, "home")
            desktop = Desktop(display, home)
            phase = "compute, copy and close"
            compute_copy_and_close(desktop, program, folder)
            phase = "second copy"
            second_copy_is_refused(desktop, program)
    except (Failure, subprocess.TimeoutExpired, OSError, ValueError) as error:
        sys.exit(f"end-to-end: {phase}: {error}")
    finally:
        server.terminate()  # so that it removes its socket and lock file
        try:
            server.wait(timeout=WAIT)
        except subprocess.TimeoutExpired:
            server.kill()
            server.wait()
        os.close(server.display_pipe)
    print("end-to-end: ok")


if __name__ == "__main__":
    main()
