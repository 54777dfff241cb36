#!/usr/bin/env bash
# Runs a test program on a virtual X screen with a window manager, so that windows get frames,
# activation and keyboard focus as they do on a desktop.
#   under-x.sh PROGRAM [ARGS...]
set -u
if [ -z "${VIREKA_UNDER_X:-}" ]; then
  VIREKA_UNDER_X=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
openbox >/dev/null 2>&1 &
wm=$!
# Wait until the window manager has taken the screen, so that the first window gets its frame.
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
"$@"
status=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit $status
