#!/bin/bash
# Renders docs/screenshots/panel-*.png on a virtual X display with a compositor, so translucency shows as on a
# desktop. Usage: tests/app/take_screenshots.sh <build folder> [name prefix of the shots to take]
set -u
build=${1:-build}
display=${TOLVIK_SHOT_DISPLAY:-:97}
here=$(cd "$(dirname "$0")/../.." && pwd)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
}
trap cleanup EXIT
export DISPLAY=$display
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xcompmgr >/dev/null 2>&1 &
pids+=($!)
env -u DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM=xcb LANG=en_US.UTF-8 \
    "$build/tests/app/panel_screenshots" "$here/docs/screenshots" "${2:-}"
status=$?
# The settings window's two tabs, the new-list dialog over it, a list's colour menu and a synced account's states,
# light and dark.
showcase() {
    env -u DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM=xcb LANG=en_US.UTF-8 "$build/tests/settings/settings-showcase" "$@" ||
        status=1
}
for theme in day night; do
    shade=light
    [ "$theme" = night ] && shade=dark
    shots=$here/docs/screenshots
    showcase --theme "$theme" --new-list --shot "$shots/settings-new-list-$shade.png"
    showcase --theme "$theme" --shot "$shots/settings-general-$shade.png"
    showcase --theme "$theme" --tab appearance --shot "$shots/settings-appearance-$shade.png"
    showcase --theme "$theme" --list-menu --shot "$shots/settings-list-colors-$shade.png"
    # A synced account: the deletion guard's question, a sign-in error, and the plain status line.
    showcase --theme "$theme" --sync held --shot "$shots/settings-sync-held-$shade.png"
    showcase --theme "$theme" --sync error --shot "$shots/settings-sync-error-$shade.png"
    showcase --theme "$theme" --sync synced --shot "$shots/settings-sync-status-$shade.png"
done
exit $status
