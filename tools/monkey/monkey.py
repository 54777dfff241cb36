#!/usr/bin/env python3
"""Drives the program in real windows with random clicks and key presses, starting it again each
time it ends, and reports every crash, hang and sanitizer report. Clicks land only in the program's
own windows, and keys go only to them.

    monkey.py [--events N] [--seed S] [--program PATH] [--logs DIR]

Needs an X display with a window manager, xdotool and xprop, for example:

    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c 'openbox & sleep 1; tools/monkey/monkey.py --events 10000'

Build the program with sanitizers for the run that counts (a build folder of its own):

    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \\
          -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer"
    cmake --build build-asan --target vireka
    ... monkey.py --program build-asan/bin/vireka

The program runs no timers and no background work, so a process that keeps a core busy for
HANG_SECONDS after the monkey paused is hung. Exit status 1 when anything was found."""

import argparse
import glob
import os
import random
import signal
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
HANG_SECONDS = 10
NO_WINDOW_SECONDS = 10  # a running program always shows a screen
PAUSE_EVERY = 50  # events between checks for a hang
KEYS = ["Tab", "shift+Tab", "Return", "space", "Up", "Down", "Left", "Right", "Page_Up", "Page_Down",
        "Home", "End", "a", "z", "1", "alt+F4", "ctrl+a", "ctrl+c", "BackSpace", "Delete", "F1"]
LEAK_CHECK_FAILED = "LeakSanitizer has encountered a fatal error"
ESCAPE_SHARE = 0.01  # Escape ends the program on most screens: rare, so that sessions last


def xdotool(*args):
    subprocess.run(["xdotool", *args], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)


def xdotool_output(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=30).stdout


def family(pid):
    """The process and its descendants: the program may run under a wrapper such as strace."""
    children = {}
    for stat in glob.glob("/proc/[0-9]*/stat"):
        try:
            with open(stat) as f:
                parent = int(f.read().rsplit(")", 1)[1].split()[1])
            children.setdefault(parent, []).append(int(stat.split("/")[2]))
        except (OSError, IndexError, ValueError):
            continue
    found, pending = set(), [pid]
    while pending:
        member = pending.pop()
        if member not in found:
            found.add(member)
            pending += children.get(member, [])
    return found


def program_windows(pids):
    """The visible windows of the processes, as (window, x, y, width, height) of their client areas."""
    windows = []
    for pid in pids:
        for window in xdotool_output("search", "--onlyvisible", "--pid", str(pid)).split():
            fields = dict(line.split("=", 1) for line in xdotool_output("getwindowgeometry", "--shell", window).split()
                          if "=" in line)
            try:
                windows.append((window, int(fields["X"]), int(fields["Y"]), int(fields["WIDTH"]), int(fields["HEIGHT"])))
            except (KeyError, ValueError):
                continue
    return [w for w in windows if w[3] > 0 and w[4] > 0]


def minimised_windows(pids):
    """The windows of the processes that are not visible: minimised screens."""
    return [window for pid in pids for window in xdotool_output("search", "--pid", str(pid)).split()
            if "Iconic" in subprocess.run(["xprop", "-id", window, "WM_STATE"], capture_output=True, text=True,
                                          timeout=30).stdout]


def active_pid():
    try:
        return int(xdotool_output("getactivewindow", "getwindowpid").strip())
    except ValueError:
        return None


def cpu_seconds(pid):
    try:
        with open(f"/proc/{pid}/stat") as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")
    except (OSError, IndexError, ValueError):
        return None


def is_hung(process):
    """True when the program keeps a core busy with no input for HANG_SECONDS."""
    start = cpu_seconds(process.pid)
    deadline = time.monotonic() + HANG_SECONDS
    while time.monotonic() < deadline:
        time.sleep(1)
        if process.poll() is not None:
            return False
        now = cpu_seconds(process.pid)
        if start is None or now is None:
            return False
        if now - start < 0.5 * (HANG_SECONDS - (deadline - time.monotonic())):
            return False
    return True


def only_leak_check_failure(report):
    """True when a sanitizer report says only that the leak checker failed to run. It stops every
    thread with ptrace at exit, which now and then fails (its tracer faults); that says nothing of the
    program, whose exit status is then the checker's 1."""
    with open(report, errors="replace") as f:
        text = f.read()
    return LEAK_CHECK_FAILED in text and "ERROR:" not in text and "runtime error" not in text


def leak_check_failed(logs, pid):
    report = os.path.join(logs, f"asan.{pid}")
    return os.path.exists(report) and only_leak_check_failure(report)


def sanitizer_environment(logs):
    env = dict(os.environ)
    env["ASAN_OPTIONS"] = f"log_path={logs}/asan:detect_leaks=1:abort_on_error=0"
    env["UBSAN_OPTIONS"] = f"log_path={logs}/ubsan:print_stacktrace=1"
    env["LSAN_OPTIONS"] = f"suppressions={os.path.join(HERE, 'leaks.supp')}:print_suppressions=0"
    return env


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--events", type=int, default=1000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--program", default="build/bin/vireka")
    parser.add_argument("--logs", default="monkey-logs")
    options = parser.parse_args()
    if "DISPLAY" not in os.environ:
        sys.exit("no X display: run under xvfb-run with a window manager (see --help)")

    rnd = random.Random(options.seed)
    logs = os.path.abspath(options.logs)
    os.makedirs(logs, exist_ok=True)
    for old in glob.glob(os.path.join(logs, "*")):
        os.remove(old)
    env = sanitizer_environment(logs)

    starts = crashes = hangs = 0
    events = 0
    problems = []
    process = None
    while events < options.events:
        if process is None or process.poll() is not None:
            if process is not None and process.returncode != 0 and not leak_check_failed(logs, process.pid):
                crashes += 1
                code = process.returncode
                what = f"signal {signal.Signals(-code).name}" if code < 0 else f"exit status {code}"
                problems.append(f"event {events}: the program ended with {what}")
            process = subprocess.Popen([os.path.abspath(options.program)], env=env,
                                       stdout=subprocess.DEVNULL, stderr=open(os.path.join(logs, f"stderr-{starts}"), "w"))
            starts += 1
            time.sleep(1.5)  # let the first window appear
            seen_window = time.monotonic()
            continue

        # Every event goes to the program's own windows: a click on the desktop would open the
        # window manager's menu, and keys typed there would start other programs.
        members = family(process.pid)  # one walk of /proc an event
        windows = program_windows(members)
        if not windows:
            # Every screen minimised, as a user may leave them: bring one back, as from the task bar.
            for hidden in minimised_windows(members)[:1]:
                xdotool("windowactivate", hidden)
                seen_window = time.monotonic()
            if time.monotonic() - seen_window > NO_WINDOW_SECONDS:
                problems.append(f"event {events}: the program ran with no window for {NO_WINDOW_SECONDS} s")
                process.kill()
                process.wait()
                process = None
            time.sleep(0.2)
            continue
        seen_window = time.monotonic()
        window, x, y, width, height = rnd.choice(windows)
        if rnd.random() < 0.7 or active_pid() not in members:
            xdotool("mousemove", str(x + rnd.randrange(width)), str(y + rnd.randrange(height)), "click",
                    str(rnd.choice([1, 1, 1, 1, 3, 4, 5])))  # mostly left clicks; some right clicks and wheel
        elif rnd.random() < ESCAPE_SHARE / 0.3:
            xdotool("key", "Escape")
        else:
            xdotool("key", rnd.choice(KEYS))
        events += 1
        time.sleep(0.01)
        if events % 1000 == 0:
            print(f"{events} events, {starts} program starts, {len(problems)} problems so far", flush=True)

        if events % PAUSE_EVERY == 0 and process.poll() is None and is_hung(process):
            hangs += 1
            problems.append(f"event {events}: the program hung (busy {HANG_SECONDS} s with no input)")
            process.kill()
            process.wait()
            process = None

    if process is not None and process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()

    reports, unchecked = [], []
    for path in sorted(glob.glob(os.path.join(logs, "asan*")) + glob.glob(os.path.join(logs, "ubsan*"))):
        (unchecked if only_leak_check_failure(path) else reports).append(path)
    for report in reports:
        problems.append(f"sanitizer report: {report}")
    print(f"{events} events, {starts} program starts, {crashes} crashes, {hangs} hangs, "
          f"{len(reports)} sanitizer reports")
    for problem in problems:
        print("  " + problem)
    for path in unchecked:
        print(f"  (the leak checker could not run at one exit: {path})")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
