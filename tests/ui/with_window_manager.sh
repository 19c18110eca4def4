#!/usr/bin/env bash
# Runs a window test program on a virtual X display with a real window manager
# (Xvfb and openbox from Debian), so that frames, title bars and window places are
# what a user gets. Exits 77 (skipped) where either is not installed.
set -u
test_program="$1"
for tool in Xvfb openbox; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed: window-manager tests skipped"
    exit 77
  fi
done

display_number=$(( 90 + RANDOM % 400 ))
while [ -e "/tmp/.X${display_number}-lock" ]; do display_number=$(( display_number + 1 )); done
export DISPLAY=":${display_number}"
work=$(mktemp -d)
Xvfb "$DISPLAY" -screen 0 1280x1000x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display_number}" ] && break; sleep 0.1; done
HOME="$work" openbox --sm-disable >"$work/openbox.log" 2>&1 &
openbox=$!
sleep 1

# The sanitizer build: leaks of the system libraries behind Qt's X11 platform are not ours.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
QT_QPA_PLATFORM=xcb "$test_program"
status=$?

kill "$openbox" "$xvfb" 2>/dev/null
wait "$openbox" "$xvfb" 2>/dev/null
rm -rf "$work"
exit "$status"
