#!/usr/bin/env python3
"""Minimises the report window of the real program under a real window manager
(Xvfb with openbox), as a person would with its minimise box, and checks that the
program never sits on screen locked: the main window goes to the task bar with the
report, and both come back, the report in front and answering keys, when the user
restores the main window or starts the program a second time.

Usage: minimised_report_wm.py PROGRAM   (exit code 77: skipped, openbox is missing)
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from end_to_end import (MAIN_WINDOW, REFUSAL_WINDOW, WAIT, Desktop, Failure,  # noqa: E402
                        main_window_of, start_xvfb, wait_for)

REPORT_WINDOW = "^Print report$"


def start_window_manager(desktop):
    manager = subprocess.Popen(["openbox"], env=desktop.env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    wait_for("the window manager", lambda: desktop.xdotool("get_num_desktops") not in ("", "0"))
    return manager


def report_in_front(desktop):
    report = desktop.window(REPORT_WINDOW)
    return report and desktop.xdotool("getactivewindow") == report


def minimise_report(desktop):
    desktop.xdotool("windowminimize", desktop.window(REPORT_WINDOW))
    wait_for("the main window to go with the report", lambda: not (
        desktop.window(REPORT_WINDOW) or desktop.window(MAIN_WINDOW)))


def check(desktop, program):
    copy = desktop.start(program)
    second = None
    try:
        main = main_window_of(desktop, copy)
        main.click(main.FILE_MENU)
        desktop.xdotool("key", "--delay", "100", "Down", "Return")  # Print..., the first item
        wait_for("the report window", lambda: report_in_front(desktop))

        minimise_report(desktop)
        # What a click on the main window's task bar entry does.
        desktop.xdotool("windowactivate", main.window)
        wait_for("the report after the main window was restored", lambda: report_in_front(desktop))

        minimise_report(desktop)
        second = desktop.start(program)
        box = wait_for("the refusal box", lambda: desktop.window(REFUSAL_WINDOW))
        desktop.xdotool("windowfocus", "--sync", box)
        desktop.xdotool("key", "Return")
        wait_for("the report after a second start", lambda: report_in_front(desktop))
        if not desktop.window(MAIN_WINDOW):
            raise Failure("the main window stayed on the task bar")
        if second.wait(timeout=WAIT) != 0:
            raise Failure(f"the refused copy ended with {second.returncode}")

        desktop.xdotool("key", "alt+c")
        wait_for("the report to close on Alt+C", lambda: not desktop.window(REPORT_WINDOW))
        main.exit_through_file_menu()
        if copy.wait(timeout=WAIT) != 0:
            raise Failure(f"the program ended with {copy.returncode}")
    finally:
        for process in (copy, second):
            if process and process.poll() is None:
                process.kill()


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    if not shutil.which("openbox"):
        print("minimised report: skipped, openbox is missing (scripts/setup.sh installs it)")
        sys.exit(77)
    server, display = start_xvfb()
    manager = None
    try:
        with tempfile.TemporaryDirectory() as scratch:
            program = os.path.join(scratch, "vantorel")
            shutil.copy2(sys.argv[1], program)
            desktop = Desktop(display, os.path.join(scratch, "home"))
            manager = start_window_manager(desktop)
            check(desktop, program)
    except (Failure, subprocess.TimeoutExpired, OSError, ValueError) as error:
        sys.exit(f"minimised report: {error}")
    finally:
        for process in (manager, server):
            if process:
                process.terminate()
                process.wait(timeout=WAIT)
        os.close(server.display_pipe)
    print("minimised report: ok")


if __name__ == "__main__":
    main()
