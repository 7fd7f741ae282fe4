#!/bin/bash
# Renders docs/screenshots/desktop-*.png: the real app on each kind of desktop it is tested on, with the panel open.
# X11 with trayer (an XEmbed tray; the panel opens under the icon), sway with waybar's tray natively and through
# XWayland (sway centres the panel), and weston without a tray (the ordinary window with the title bar Qt draws).
# Usage: tests/app/desktop_screenshots.sh <build folder>
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")/../.." && pwd)
shots=$here/docs/screenshots
app_binary=$build/src/app/tolvik-reminder
# shellcheck source=tests/app/script_support.sh
source "$(dirname "$0")/script_support.sh"

# sway with waybar, both ways; the test script takes the shot with the panel open.
for platform in xcb wayland; do
    name=desktop-sway-waybar-xwayland.png
    [ "$platform" = wayland ] && name=desktop-sway-waybar-wayland.png
    "$here/tests/app/sway_tray.sh" "$app_binary" "$here/tests/app/rfb_pointer.py" "$platform" "$work/$name" ||
        fail "the sway run ($platform) failed"
    cp "$work/$name" "$shots/$name"
done

# X11 with trayer: a click on the icon opens the panel under it.
seed_user
display=:$((70 + RANDOM % 20))
start_tray_desktop
env -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_DATA_HOME="$data" \
    XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 dbus-run-session -- "$app_binary" \
    >"$work/app.log" 2>&1 &
pids+=($!)
tray_icon() {
    local id
    for id in $(xdotool search --onlyvisible --class tolvik-reminder); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "$WIDTH" -lt 64 ] && echo "$id" && return 0
    done
    return 1
}
wait_for 30 tray_icon || fail "no tray icon in trayer"
xdotool mousemove --window "$(tray_icon)" 5 5 click 1
sleep 2
import -window root "$shots/desktop-x11-trayer.png"

# weston without a tray: after the wait for a tray, the ordinary window.
rm -rf "$work/weston" && mkdir -p "$work/weston/run" && chmod 700 "$work/weston/run"
XDG_RUNTIME_DIR=$work/weston/run weston --debug --backend=headless-backend.so --width=1280 --height=800 \
    --socket=wayland-shot --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
wait_for 15 test -S "$work/weston/run/wayland-shot" || fail "weston did not start"
XDG_RUNTIME_DIR=$work/weston/run WAYLAND_DISPLAY=wayland-shot QT_QPA_PLATFORM=wayland HOME="$work/home" \
    XDG_DATA_HOME="$data" XDG_CONFIG_HOME="$config" LANG=C.UTF-8 dbus-run-session -- "$app_binary" \
    >"$work/app-weston.log" 2>&1 &
pids+=($!)
sleep 14
(cd "$work/weston" && XDG_RUNTIME_DIR=$work/weston/run WAYLAND_DISPLAY=wayland-shot weston-screenshooter) ||
    fail "weston took no screenshot"
cp "$(find "$work/weston" -name "wayland-screenshot-*.png" | head -n1)" "$shots/desktop-weston-fallback.png"
echo "written: $shots/desktop-*.png"
