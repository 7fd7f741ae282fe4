#!/bin/bash
# Runs the real app on a headless sway session with waybar's tray, natively (Wayland) or through XWayland, clicks the
# tray icon with a real (virtual) pointer, and checks that the panel opens whole on screen without covering the bar,
# that a row's bubble and a list's add form open beside it, level with what they belong to, that a click on the
# panel closes the form alone, and that a click elsewhere closes the form and the panel at once. Natively the panel
# is a layer surface: it must open under the icon, right below the bar, and a click on the bar must close it. Through
# XWayland where it opens is sway's choice, since sway centres floating X11 windows.
# sway refuses to run as root, so as root every session process runs as the unprivileged user `nobody`.
# Stops only the processes it started, by their ids. Exits 77 (skipped) when a tool the session needs is missing.
# With "-window" after the platform the bar has no tray: the app opens its no-tray window, which sway tiles over the
# whole screen, and a list's add form must open beside its button inside that window, not off the screen or over
# the bar.
# Usage: sway_tray.sh <app binary> <rfb_pointer.py> <wayland|xcb|auto>[-window] [screenshot.png]
# With a screenshot name, the bubble and the form beside the panel go to the same name with "-bubble" and "-form".
# "auto" sets no platform, as a desktop session starts the app: on sway, which offers layer shell, it must then choose
# native Wayland by itself, and its panel must open under the icon.
set -u
app_binary=$1
pointer_script=$2
probe=$(dirname "$0")/screen_probe.py
platform=${3%-window}
with_tray=true
[ "$3" != "$platform" ] && with_tray=false
screenshot=${4:-}
screen_w=1280
screen_h=800
bar_h=30
desktop_colour=5a6b7c
bar_colour=1e2227
# shellcheck source=tests/app/script_support.sh
source "$(dirname "$0")/script_support.sh"

for tool in sway waybar wayvnc swaymsg grim dbus-daemon setpriv /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
if [ "$platform" != wayland ]; then
    command -v Xwayland >/dev/null || { echo "SKIP: Xwayland is not installed"; exit 77; }
    command -v xdotool >/dev/null || { echo "SKIP: xdotool is not installed"; exit 77; }
fi

as_user=()
if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
    chmod 755 "$work"
    "${as_user[@]}" test -x "$app_binary" || { echo "SKIP: nobody cannot run $app_binary"; exit 77; }
fi

seed_user
mkdir -p "$work/home/.config/waybar"
# The tray alone, in the middle of a top bar: with one item, its icon sits at the bar's centre. Without it the bar
# shows a fixed label, and nothing on the bus watches for status notifier items.
modules='"modules-center": ["tray"], "tray": { "icon-size": 20 }'
"$with_tray" || modules='"modules-center": ["custom/label"], "custom/label": { "format": "bar" }'
cat >"$work/home/.config/waybar/config" <<EOF
{ "layer": "top", "position": "top", "height": $bar_h, $modules }
EOF
cat >"$work/home/.config/waybar/style.css" <<EOF
* { font-family: sans-serif; font-size: 13px; }
window#waybar { background: #$bar_colour; }
EOF
xwayland=disable
[ "$platform" != wayland ] && xwayland=enable
cat >"$work/sway.conf" <<EOF
output HEADLESS-1 resolution ${screen_w}x$screen_h background #$desktop_colour solid_color
xwayland $xwayland
default_border none
seat seat0 hide_cursor 0
bar {
    swaybar_command waybar
}
exec sh -c 'echo "\$DISPLAY" > $work/x-display'
EOF
[ "$(id -u)" -eq 0 ] && chown -R nobody:nogroup "$work"

session_env=(env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$runtime"
    LANG=C.UTF-8)
"${as_user[@]}" dbus-daemon --session --nofork --address="unix:path=$work/bus" --print-address=1 \
    >"$work/bus.address" 2>"$work/dbus.log" &
pids+=($!)
wait_for 10 test -s "$work/bus.address" || fail "the session bus did not start"
session_env+=(DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus")

"${as_user[@]}" "${session_env[@]}" WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
pids+=($!)
wayland_socket() { find "$runtime" -maxdepth 1 -name 'wayland-*' ! -name '*.lock' | head -n1; }
has_socket() { [ -n "$(wayland_socket)" ]; }
wait_for 15 has_socket || fail "sway did not start: $(tail -n5 "$work/sway.log")"
session_env+=(WAYLAND_DISPLAY="$(basename "$(wayland_socket)")")
sway_socket() { find "$runtime" -maxdepth 1 -name 'sway-ipc.*.sock' | head -n1; }
wait_for 10 test -n "$(sway_socket)" || fail "sway opened no IPC socket"
session_env+=(SWAYSOCK="$(sway_socket)")
in_session() { "${as_user[@]}" "${session_env[@]}" "$@"; }

# The virtual pointer: wayvnc adds one to the seat for its client, which this test drives.
vnc_port=$((5900 + RANDOM % 1000))
in_session wayvnc 127.0.0.1 "$vnc_port" >"$work/wayvnc.log" 2>&1 &
pids+=($!)
mkfifo "$work/pointer.in"
wait_for 10 /usr/bin/python3 -c "import socket; socket.create_connection(('127.0.0.1', $vnc_port))" ||
    fail "wayvnc did not listen: $(cat "$work/wayvnc.log")"
/usr/bin/python3 "$pointer_script" 127.0.0.1 "$vnc_port" <"$work/pointer.in" >"$work/pointer.out" 2>&1 &
pids+=($!)
exec 5>"$work/pointer.in"
wait_for 10 grep -q '^connected' "$work/pointer.out" || fail "no VNC pointer: $(cat "$work/pointer.out")"
# Counted again at each poll: the answer comes after the command is sent.
answered_beyond() { [ "$(grep -c '^ok' "$work/pointer.out")" -gt "$1" ]; }
pointer() {
    local answers
    answers=$(grep -c '^ok' "$work/pointer.out")
    echo "$*" >&5
    wait_for 5 answered_beyond "$answers"
}

app_env=(XDG_DATA_HOME="$data" XDG_CONFIG_HOME="$config" XDG_SESSION_TYPE=wayland)
[ "$platform" != auto ] && app_env+=(QT_QPA_PLATFORM="$platform")
if [ "$platform" != wayland ]; then
    wait_for 15 test -s "$work/x-display" || fail "sway started no XWayland"
    x_display=$(cat "$work/x-display")
    app_env+=(DISPLAY="$x_display")
fi
in_session "${app_env[@]}" "$app_binary" >"$work/app.log" 2>&1 &
app=$!
pids+=("$app")

native=true
[ "$platform" = xcb ] && native=false
# The tray icon: with one item, waybar draws it at the bar's centre.
icon_x=$((screen_w / 2))
icon_y=$((bar_h / 2))

# The panel's rectangle as the compositor shows it: "x y width height", or nothing while it is not shown. Natively
# the panel is a layer surface, which sway's tree does not hold, so it is found on the screen: the light surface
# below the bar at the icon's column, measured along its top margin and its left margin, where no control lies.
panel_rect() {
    if ! "$native"; then
        local id X Y WIDTH HEIGHT
        # XWayland lets only the session's user in.
        for id in $(in_session DISPLAY="$x_display" xdotool search --onlyvisible --name '^TolvikReminder$'); do
            eval "$(in_session DISPLAY="$x_display" xdotool getwindowgeometry --shell "$id")"
            [ "$WIDTH" -ge 300 ] && echo "$X $Y $WIDTH $HEIGHT" && return 0
        done
        return 1
    fi
    if ! "$with_tray"; then
        in_session swaymsg -t get_tree | /usr/bin/python3 -c '
import json, sys
def walk(node):
    if node.get("app_id") == "org.tolvik.TolvikReminder" and node.get("visible"):
        r = node["rect"]
        print(r["x"], r["y"], r["width"], r["height"])
        sys.exit(0)
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))
sys.exit(1)'
        return
    fi
    in_session grim -t ppm - | /usr/bin/python3 "$probe" panel "$icon_x" "$bar_h"
}
has_panel() { [ -n "$(panel_rect)" ]; }
has_no_panel() { ! has_panel; }

shot() { in_session grim "$work/shot.png" && cp "$work/shot.png" "$1"; }

if ! "$with_tray"; then
    # After its wait for a tray the app opens its window, which sway tiles below the bar.
    wait_for 40 has_panel || fail "no window without a tray"
    sleep 1
    read -r wx wy ww wh < <(panel_rect)
    echo "$platform without a tray: window at $wx,$wy size ${ww}x$wh"
    [ "$wx" -eq 0 ] && [ "$wy" -eq "$bar_h" ] && [ "$ww" -eq "$screen_w" ] ||
        fail "the window is not tiled below the bar"
    # The first list's add button sits at the window's right edge; the form goes beside it, over the window.
    add_x=$((screen_w - 32)) add_y=$((bar_h + 129))
    pointer move "$add_x" "$add_y"
    in_session grim -t ppm "$work/before.ppm"
    pointer click "$add_x" "$add_y"
    # What the click changed on the screen, leaving out the pressed button: "left top right bottom".
    changed() {
        in_session grim -t ppm "$work/after.ppm"
        /usr/bin/python3 "$probe" changed "$work/before.ppm" "$work/after.ppm" "$add_x" "$add_y"
    }
    wait_for 10 changed || fail "the add button opened no form"
    sleep 1
    read -r left top right bottom < <(changed)
    echo "form (with its shadow) at $left,$top..$right,$bottom; button at $add_x,$add_y"
    [ -n "$screenshot" ] && shot "$screenshot"
    [ "$right" -lt "$add_x" ] && [ $((right - left)) -ge 200 ] || fail "the form is not left of its button"
    [ "$top" -ge "$bar_h" ] && [ "$top" -le "$add_y" ] && [ "$bottom" -ge "$add_y" ] ||
        fail "the form is not level with its button inside the window"
    kill -0 "$app" 2>/dev/null || fail "the app ended"
    echo "PASS"
    exit 0
fi

# The tray icon: the app's item, registered with waybar's watcher, drawn at the bar's centre.
item_registered() {
    in_session gdbus call --session --dest org.kde.StatusNotifierWatcher --object-path /StatusNotifierWatcher \
        --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher RegisteredStatusNotifierItems |
        grep -q 'org.kde.StatusNotifierItem'
}
wait_for 30 item_registered || fail "the app's item never registered with waybar's watcher"
sleep 1
# The icon stands out on the dark bar: waybar draws a symbolic icon in its own dark ink, so the app sends images.
icon_shows() {
    local shown
    shown=$(in_session grim -t ppm - | /usr/bin/python3 "$probe" standout "$icon_x" "$icon_y" 10 "$bar_colour")
    [ "$shown" -ge 80 ]
}
wait_for 20 icon_shows || fail "the tray icon hardly shows on the dark bar"
pointer move "$icon_x" "$icon_y"
pointer click "$icon_x" "$icon_y"
wait_for 20 has_panel || fail "no panel after a click on the tray icon"
sleep 1
read -r px py pw ph < <(panel_rect)
echo "$platform: icon at $icon_x,$icon_y; panel at $px,$py size ${pw}x$ph"
[ -n "$screenshot" ] && shot "$screenshot"
[ "$pw" -ge 357 ] && [ "$pw" -le 363 ] || fail "the panel is $pw px wide, expected 360"
if "$native"; then
    # Natively the panel is a layer surface that the app places itself: under the icon, right below the bar.
    centre=$((px + pw / 2))
    [ $((centre - icon_x)) -le 6 ] && [ $((icon_x - centre)) -le 6 ] ||
        fail "the panel's centre ($centre) is not under the icon ($icon_x)"
    [ "$py" -le $((bar_h + 6)) ] || fail "the panel (top at $py) does not open right below the bar"
fi
[ "$py" -ge "$bar_h" ] && [ $((py + ph)) -le "$screen_h" ] || fail "the panel ($py..$((py + ph))) covers the bar or leaves the screen"
[ "$px" -ge 0 ] && [ $((px + pw)) -le "$screen_w" ] || fail "the panel ($px..$((px + pw))) leaves the screen"

if "$native"; then
    # The panel's Settings button closes the panel and opens the settings window, an ordinary one. Sway failed at
    # that change of focus when the panel's surface went before its layer role.
    pointer move $((px + 60)) $((py + ph - 32))
    pointer click $((px + 60)) $((py + ph - 32))
    settings_shown() { in_session swaymsg -t get_tree | grep -q '"app_id": "org.tolvik.TolvikReminder"'; }
    sway_state() { in_session swaymsg -t get_version >/dev/null 2>&1 && echo "sway runs" || echo "sway ended"; }
    wait_for 10 settings_shown || fail "the Settings button opened no settings window ($(sway_state))"
    wait_for 10 has_no_panel || fail "the panel stayed open over the settings window"
    sleep 1
    [ "$(sway_state)" = "sway runs" ] || fail "sway ended as the settings window opened"
    in_session swaymsg '[app_id="org.tolvik.TolvikReminder"] kill' >/dev/null
    sleep 1
    pointer move "$icon_x" "$icon_y"
    pointer click "$icon_x" "$icon_y"
    wait_for 10 has_panel || fail "no panel after the settings window"
    sleep 1
fi

# The light surface (the panel's, a form's, a bubble's) that column x crosses at height y, as "top bottom" on the
# screen, or nothing where (x, y) shows the desktop. Read from a screenshot, since sway's tree holds no popups.
surface_span() {
    in_session grim -t ppm - | /usr/bin/python3 "$probe" span "$1" "$2"
}
# Whether a surface crosses column x level with height y: its middle within 30 pixels of y.
level_beside() {
    local span top bottom
    span=$(surface_span "$1" "$2") || return 1
    read -r top bottom <<<"$span"
    [ $(((top + bottom) / 2 - $2)) -le 30 ] && [ $(((top + bottom) / 2 - $2)) -ge -30 ]
}

# The seeded panel's first row and the first list's add button, at their places in a panel of the default size.
row_x=$((px + 80)) row_y=$((py + 170))
add_x=$((px + 328)) add_y=$((py + 129))
# A resting pointer on the row brings its bubble, on the leading (left) side of the panel, level with the row.
pointer move "$row_x" "$row_y"
pointer move $((row_x + 1)) "$row_y"
wait_for 10 level_beside $((px - 40)) "$row_y" || fail "no bubble left of the panel level with the row"
! surface_span $((px - 5)) "$row_y" >/dev/null || fail "the bubble touches or covers the panel's edge"
[ -n "$screenshot" ] && shot "${screenshot%.png}-bubble.png"

# The add button opens the form on the trailing (right) side, level with the button.
# A form taller than the room above its button is held below the bar: it must reach across the button's height.
form_beside() {
    local span top bottom
    span=$(surface_span $((px + pw + 40)) "$add_y") || return 1
    read -r top bottom <<<"$span"
    [ "$top" -ge "$bar_h" ] && [ "$top" -le "$add_y" ] && [ "$bottom" -ge "$add_y" ]
}
pointer move "$add_x" "$add_y"
pointer click "$add_x" "$add_y"
# A loaded machine may lose a click that comes while the bubble goes; a second one opens the form all the same.
if ! wait_for 6 form_beside && ! surface_span $((px + pw + 40)) "$add_y" >/dev/null; then
    pointer click "$add_x" "$add_y"
fi
wait_for 10 form_beside || fail "no form right of the panel level with its button"
! surface_span $((px + pw + 5)) "$add_y" >/dev/null || fail "the form touches or covers the panel's edge"
[ -n "$screenshot" ] && shot "${screenshot%.png}-form.png"

# A click on the panel itself, away from its controls, closes the form alone.
form_gone() { ! surface_span $((px + pw + 40)) "$add_y" >/dev/null; }
pointer move $((px + 150)) $((py + 60))
pointer click $((px + 150)) $((py + 60))
wait_for 10 form_gone || fail "a click on the panel left its form open"
sleep 0.5
has_panel || fail "a click on the panel that closed its form closed the panel too"
pointer move "$add_x" "$add_y"
pointer click "$add_x" "$add_y"
wait_for 10 form_beside || fail "the form did not open again"

# One click elsewhere (on the desktop) closes the form and the panel with it.
pointer click 100 600
wait_for 10 has_no_panel || fail "the panel stayed open after a click outside it and its form"

if "$native"; then
    # A click on the bar, away from the icon, closes the panel too, with its menu open.
    sleep 1
    pointer move "$icon_x" "$icon_y"
    pointer click "$icon_x" "$icon_y"
    wait_for 10 has_panel || fail "no panel after a second click on the tray icon"
    # Typed into the quick-add field (the panel holds the keyboard), a new reminder changes the panel's height; the
    # panel keeps its top edge, so the field stays under the pointer.
    sleep 1
    read -r px py pw ph < <(panel_rect)
    pointer click $((px + 150)) $((py + 89))
    pointer type "buy milk"
    pointer key Return
    height_changed() { [ "$(panel_rect | cut -d' ' -f4)" != "$ph" ]; }
    wait_for 10 height_changed || fail "typing a reminder into the quick-add field changed nothing"
    sleep 1
    read -r nx ny nw nh < <(panel_rect)
    echo "after a reminder was added: panel at $nx,$ny size ${nw}x$nh"
    # Read off the screen, the top edge (a faint line over the bar's edge) is good to a few pixels; a panel that is
    # put back in the middle, or that keeps its bottom edge, moves by half its change in height or more.
    [ $((ny - py)) -le 3 ] && [ $((py - ny)) -le 3 ] || fail "the panel's top edge moved from $py to $ny as it changed height"
    # The header's "⋯" menu, one of Qt's own, opens under its button, which sits at the panel's top right.
    more_x=$((px + 329)) more_y=$((py + 39))
    colour_at() { in_session grim -t ppm - | /usr/bin/python3 "$probe" colour "$1" "$2"; }
    pointer move "$more_x" "$more_y"
    pointer click "$more_x" "$more_y"
    menu_below() { [ "$(colour_at $((more_x + 60)) $((more_y + 21)))" != "$desktop_colour" ]; }
    wait_for 10 menu_below || fail "no menu under the panel's \"⋯\" button"
    [ "$(colour_at $((more_x + 60)) "$more_y")" = "$desktop_colour" ] || fail "the menu covers its button's row"
    pointer click 100 "$icon_y"
    wait_for 10 has_no_panel || fail "the panel stayed open after a click on the bar"
fi

kill -0 "$app" 2>/dev/null || fail "the app ended"
echo "PASS"
