#!/usr/bin/env python3
"""Runs the monkey with the program under strace and reports every network socket it opened and
every file it wrote, created, renamed or removed. The program should do neither.

    touches.py [--events N] [--seed S] [--program PATH]
    touches.py --run COMMAND [ARGS...]     traces COMMAND instead of the monkey (CI's screen walk)

Needs what monkey.py needs, and strace. Local sockets (the X server's, the session bus) are not
network sockets, and the null device is no file: neither is reported. Exit status 1 when anything was found."""

import argparse
import glob
import os
import re
import stat
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
TRACED = "socket,connect,open,openat,openat2,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat," \
         "truncate,ftruncate,link,linkat,symlink,symlinkat"
WRITE_FLAGS = re.compile(r"O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND")
NETWORK_FAMILIES = re.compile(r"socket\((AF_INET6?|AF_PACKET|AF_NETLINK)")
CHANGING = re.compile(r"\b(creat|mkdir|mkdirat|rename|renameat2?|unlink|unlinkat|truncate|link|linkat|symlink|symlinkat)\(")


def findings(trace):
    """The lines of an strace log that open a network socket or change a file."""
    found = []
    for line in trace:
        if "= -1" in line or '"/dev/null"' in line:  # failed calls and the null device change nothing
            continue
        if NETWORK_FAMILIES.search(line):
            found.append("network: " + line.strip())
        elif re.search(r"\bopen(at2?)?\(", line) and WRITE_FLAGS.search(line):
            found.append("write: " + line.strip())
        elif CHANGING.search(line):
            found.append("change: " + line.strip())
    return found


def strace_command(work, program):
    """strace running `program`, one trace file per process under `work`."""
    return ["strace", "-f", "-qq", "-ff", "-e", f"trace={TRACED}", "-o", os.path.join(work, "trace"), program]


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--events", type=int, default=500)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--program", default="build/bin/vireka")
    parser.add_argument("--run", nargs=argparse.REMAINDER, help="a command to trace instead of the monkey")
    options = parser.parse_args()

    # The traces and the monkey's logs go to a folder outside the program's reach, removed after.
    with tempfile.TemporaryDirectory() as work:
        # A desktop session gives every program its runtime folder; without one, Qt would make it.
        if "XDG_RUNTIME_DIR" not in os.environ:
            os.environ["XDG_RUNTIME_DIR"] = os.path.join(work, "runtime")
            os.mkdir(os.environ["XDG_RUNTIME_DIR"], 0o700)
        if options.run:
            traced = subprocess.run(strace_command(work, os.path.abspath(options.run[0])) + options.run[1:])
        else:
            # The monkey starts the program through this wrapper.
            wrapper = os.path.join(work, "traced-program")
            with open(wrapper, "w") as f:
                f.write("#!/bin/sh\nexec " + " ".join(f'"{part}"' for part in
                                                    strace_command(work, os.path.abspath(options.program))) + ' "$@"\n')
            os.chmod(wrapper, os.stat(wrapper).st_mode | stat.S_IEXEC)
            traced = subprocess.run([sys.executable, os.path.join(HERE, "monkey.py"), "--events", str(options.events),
                                     "--seed", str(options.seed), "--program", wrapper,
                                     "--logs", os.path.join(work, "logs")])
        found = []
        for path in sorted(glob.glob(os.path.join(work, "trace.*"))):
            with open(path, errors="replace") as f:
                found += findings(f)

    for line in found:
        print(line)
    print(f"{len(found)} network sockets or file changes")
    return 1 if found or traced.returncode != 0 else 0


if __name__ == "__main__":
    sys.exit(main())
