#!/usr/bin/env bash
# Runs inside xvfb-run: a window manager gives the windows their frames and maximised state, then
# the screenshot tool starts the program, saves a picture of the screen and ends it.
#   screenshot-xvfb.sh SCREENSHOT_TOOL PROGRAM OUTPUT.png
set -u
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
"$1" "$2" "$3" 3
status=$?
kill "$wm" 2>/dev/null
exit $status
