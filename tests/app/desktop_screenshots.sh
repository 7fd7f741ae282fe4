#!/bin/bash
# Renders docs/screenshots/desktop-*.png: the real app on each kind of desktop it is tested on, with the panel open.
# X11 with trayer (an XEmbed tray; the panel opens under the icon), and sway with waybar's tray natively (a layer
# surface under the icon) and through XWayland (sway centres the panel), each also with a row's bubble and a list's add form open beside the panel; and
# sway's bar without a tray, where the no-tray window shows a list's add form. weston offers its screenshots only to
# clients it starts itself, so its run (the no-tray window) is checked by a test, app-FallbackWindowOnWeston, without
# a picture.
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
    for shown in "$name" "${name%.png}-bubble.png" "${name%.png}-form.png"; do
        cp "$work/$shown" "$shots/$shown"
    done
done

# sway with a bar but no tray: the no-tray window, tiled, with a list's add form open beside its button.
for platform in xcb wayland; do
    name=desktop-sway-window-xwayland-form.png
    [ "$platform" = wayland ] && name=desktop-sway-window-wayland-form.png
    "$here/tests/app/sway_tray.sh" "$app_binary" "$here/tests/app/rfb_pointer.py" "$platform-window" "$work/$name" ||
        fail "the sway run without a tray ($platform) failed"
    cp "$work/$name" "$shots/$name"
done

# X11 with trayer: a click on the icon opens the panel under it.
seed_user
display=:$((70 + RANDOM % 20))
start_tray_desktop
# No session bus: no status notifier watcher either, so the icon goes into trayer over XEmbed.
env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" HOME="$work/home" \
    XDG_DATA_HOME="$data" XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 "$app_binary" \
    >"$work/app.log" 2>&1 &
app=$!
pids+=("$app")
tray_icon() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$app"); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "$WIDTH" -lt 64 ] && echo "$id" && return 0
    done
    return 1
}
wait_for 30 tray_icon || fail "no tray icon in trayer"
xdotool mousemove --window "$(tray_icon)" 5 5 click 1
sleep 2
import -window root "$shots/desktop-x11-trayer.png"

echo "written: $shots/desktop-*.png"
