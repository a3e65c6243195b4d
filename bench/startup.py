#!/usr/bin/python3
"""Start-up of the calculator beside a bare Qt window of 100 buttons, under Xvfb.

Each run starts one program and times it from exec to the MapNotify of its first
top-level window, then reads its resident memory once the window has been drawn, and
ends it. The two programs take turns (the first of each pair alternates), so that a
change in the machine's load falls on both. Prints min/median/max per program and the
ratio of the medians.

    bench/startup.py [--build build] [--program PATH] [--runs 10] [--display N]

Needs Xvfb and python3-xlib (scripts/setup.sh --bench) and a C++ compiler with Qt 6's
development files, with which it builds bench/bare_window.cpp into the build folder.
"""

import argparse
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)


def build_bare_window(build_dir):
    source = os.path.join(HERE, "bare_window.cpp")
    target = os.path.join(build_dir, "bench_bare_window")
    if os.path.exists(target) and os.path.getmtime(target) > os.path.getmtime(source):
        return target
    flags = subprocess.run(["pkg-config", "--cflags", "--libs", "Qt6Widgets"], check=True,
                           capture_output=True, text=True).stdout.split()
    subprocess.run(["c++", "-O2", "-fPIC", "-std=c++17", source, "-o", target] + flags,
                   check=True)
    return target


def start_xvfb(number=None):
    """A private X server: at display `number`, or at the first free one."""
    read_end, write_end = os.pipe()
    where = [f":{number}"] if number is not None else []
    server = subprocess.Popen(["Xvfb"] + where + ["-displayfd", str(write_end), "-screen",
                               "0", "1280x1024x24", "-nolisten", "tcp"],
                              pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            sys.exit("Xvfb did not start")
        number += chunk
    os.close(read_end)
    return server, ":" + number.decode().strip()


class MapWatcher:
    """Top-level windows being mapped on the display's root window."""

    def __init__(self, name):
        self.display = display.Display(name)
        root = self.display.screen().root
        root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.display.sync()

    def drain(self):
        while self.display.pending_events():
            self.display.next_event()

    def wait_for_map(self, deadline):
        """The time of the first MapNotify of a window that is not override-redirect."""
        while time.monotonic() < deadline:
            while self.display.pending_events():
                event = self.display.next_event()
                if event.type == X.MapNotify and not event.override:
                    return time.monotonic()
            select.select([self.display.fileno()], [], [], 0.05)
        return None


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def run_once(command, env, watcher, settle):
    watcher.drain()
    start = time.monotonic()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    mapped = watcher.wait_for_map(start + 20)
    time.sleep(settle)  # the first paint, after which memory settles
    rss = resident_kib(process.pid) if process.poll() is None else 0
    process.send_signal(signal.SIGKILL)
    process.wait()
    if mapped is None:
        sys.exit(f"{command[0]}: no window was mapped")
    return mapped - start, rss


def summary(name, values, unit, scale):
    low, mid, high = min(values), statistics.median(values), max(values)
    print(f"{name:<12} min {low * scale:8.1f}  median {mid * scale:8.1f}  "
          f"max {high * scale:8.1f} {unit}")
    return mid


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build"),
                        help="the build folder: the program is taken from it and the bare "
                             "window is built into it")
    parser.add_argument("--program", help="default: BUILD/src/shell/vantorel")
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--display", type=int, help="the X display number to use")
    parser.add_argument("--settle", type=float, default=0.5,
                        help="seconds between the map and reading the memory")
    options = parser.parse_args()
    program = os.path.abspath(options.program or
                              os.path.join(options.build, "src/shell/vantorel"))
    bare = build_bare_window(options.build)

    server, name = start_xvfb(options.display)
    home = tempfile.mkdtemp(prefix="vantorel_startup_")
    try:
        runtime = os.path.join(home, "runtime")
        os.makedirs(runtime, mode=0o700)
        env = dict(os.environ, DISPLAY=name, QT_QPA_PLATFORM="xcb", HOME=home,
                   XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=os.path.join(home, "config"))
        watcher = MapWatcher(name)
        programs = {"vantorel": [program], "bare Qt": [bare]}
        times = {key: [] for key in programs}
        memory = {key: [] for key in programs}
        run_once([bare], env, watcher, 0.2)  # warms the font cache and the page cache
        run_once([program], env, watcher, 0.2)
        for run in range(options.runs):
            order = list(programs) if run % 2 == 0 else list(reversed(programs))
            for key in order:
                seconds, rss = run_once(programs[key], env, watcher, options.settle)
                times[key].append(seconds)
                memory[key].append(rss)
        print(f"start-up to the first mapped window, {options.runs} interleaved runs each "
              f"(load average {os.getloadavg()[0]:.2f})")
        medians = {key: summary(key, times[key], "ms", 1000) for key in programs}
        print(f"ratio vantorel / bare Qt (medians): {medians['vantorel'] / medians['bare Qt']:.2f}")
        print("resident memory once drawn")
        rss = {key: summary(key, memory[key], "MiB", 1 / 1024) for key in programs}
        print(f"ratio vantorel / bare Qt (medians): {rss['vantorel'] / rss['bare Qt']:.2f}")
    finally:
        server.terminate()
        server.wait()
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    main()
