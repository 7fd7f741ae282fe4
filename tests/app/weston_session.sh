#!/bin/bash
# Runs a command as a native Wayland client of a headless weston, a desktop without any tray: weston's own shell
# decorates nothing, so Qt draws the title bar with its buttons and the compositor applies maximise by the book.
# Exits 77 (skipped) when weston is not installed. Stops only the processes it started, by their ids.
# Usage: weston_session.sh <command> [arguments...]
set -u
# shellcheck source=tests/app/script_support.sh
source "$(dirname "$0")/script_support.sh"
command -v weston >/dev/null || { echo "SKIP: weston is not installed"; exit 77; }

runtime=$work/run
mkdir -p "$runtime"
chmod 700 "$runtime"
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --width=1280 --height=800 --socket=wayland-test \
    --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
wait_for 15 test -S "$runtime/wayland-test" || fail "weston did not start: $(tail -n5 "$work/weston.log")"

env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland "$@"
