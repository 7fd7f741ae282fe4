#!/bin/bash
# Runs the real app on a desktop whose tray is a status notifier host on D-Bus rather than an XEmbed tray: a virtual
# X server, a private session bus and a small watcher on it. Checks that the tray icon registers as an item with the
# app's name, that activating the item opens the panel at the pointer with the panel's size, and that activating it
# again closes the panel. Stops only the processes it started, by their ids.
# Usage: status_notifier.sh <app binary> <sni_watcher binary>
set -u
app_binary=$1
watcher_binary=$2
screen_w=1280
screen_h=800
# shellcheck source=tests/app/script_support.sh
source "$(dirname "$0")/script_support.sh"

has_text() { [ -s "$1" ]; }

# -displayfd lets the server take the first free display, so this test never collides with another X server; it
# writes the number once it accepts connections.
Xvfb -displayfd 3 -screen 0 ${screen_w}x${screen_h}x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
wait_for 10 has_text "$work/display" || fail "the X server did not start"
DISPLAY=:$(head -n1 "$work/display")
export DISPLAY

# A private session bus on a socket inside the temp folder: nothing of the caller's desktop can answer on it. The
# daemon prints its address once it listens.
dbus-daemon --session --nofork --address="unix:path=$work/bus" --print-address=3 3>"$work/bus.address" \
    >"$work/dbus.log" 2>&1 &
pids+=($!)
wait_for 10 has_text "$work/bus.address" || fail "the session bus did not start"
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus.address")
export DBUS_SESSION_BUS_ADDRESS

# Qt picks the D-Bus tray only when a watcher is on the bus as the app starts, so wait for the watcher first.
"$watcher_binary" >"$work/watcher.log" 2>&1 &
watcher=$!
pids+=("$watcher")
wait_for 10 grep -q '^ready$' "$work/watcher.log" || fail "the watcher did not take its name on the bus"

seed_user

# Replaces the calling (sub)shell, so that $! is the app's own process id. A desktop's own Qt platform theme would
# bring its own tray code, so the generic one is used, as on a desktop without Qt integration.
run_app() {
    exec env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORMTHEME -u XDG_CURRENT_DESKTOP QT_QPA_PLATFORM=xcb \
        HOME="$work/home" XDG_DATA_HOME="$data" XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 \
        "$app_binary"
}
run_app >"$work/app.log" 2>&1 &
app=$!
pids+=("$app")

wait_for 30 grep -q '^registered ' "$work/watcher.log" || fail "the tray icon never registered with the watcher"
read -r _ item_service item_path < <(grep -m1 '^registered ' "$work/watcher.log")
echo "item registered at $item_service $item_path"
# Whatever name the item registered under, it must belong to the app's own connection.
owner_pid=$(gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.GetConnectionUnixProcessID "$item_service") ||
    fail "the item's service $item_service is not on the bus"
[ "$owner_pid" = "(uint32 $app,)" ] || fail "the item's service belongs to $owner_pid, not to the app ($app)"

item_call() {
    gdbus call --session --dest "$item_service" --object-path "$item_path" --method "$@"
}
item_property() { item_call org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem "$1"; }

# The host names the item by its title and tooltip and draws its icon; without them it is a blank spot in the tray.
title=$(item_property Title) || fail "the item has no Title"
[ "$title" = "(<'TolvikReminder'>,)" ] || fail "the item's title is $title, expected TolvikReminder"
tooltip=$(item_property ToolTip) || fail "the item has no ToolTip"
echo "Title: $title; ToolTip: $tooltip"
[[ $tooltip == *"'TolvikReminder'"* ]] || fail "the item's tooltip does not say TolvikReminder: $tooltip"
status=$(item_property Status) || fail "the item has no Status"
[ "$status" = "(<'Active'>,)" ] || fail "the item's status is $status, expected Active"
icon_name=$(item_property IconName) || fail "the item has no IconName"
icon_pixmap=$(item_property IconPixmap) || fail "the item has no IconPixmap"
[ "$icon_name" != "(<''>,)" ] || [[ $icon_pixmap == *"(<[("* ]] || fail "the item has neither an icon name nor an image"

# No icon window comes up on this path; the panel is laid out ahead but not shown until the item is activated.
panel_window() { xdotool search --all --onlyvisible --pid "$app" --name '^TolvikReminder$' | head -n1; }
has_panel() { [ -n "$(panel_window)" ]; }
has_no_window() { [ -z "$(xdotool search --onlyvisible --pid "$app")" ]; }
has_no_window || fail "the app shows a window before its item is activated"

# The app's placement rule when the desktop reports no icon geometry (as a D-Bus host never does): centred on the
# pointer's x, 4 px under the pointer, or 4 px above it when the pointer is below the screen's centre line
# (QRect's centre, (height - 1) / 2), then kept inside the screen. No window manager reserves any edge here.
expected_origin() {
    local px=$1 py=$2 w=$3 h=$4 x y
    x=$((px - w / 2))
    if [ "$py" -gt $(((screen_h - 1) / 2)) ]; then y=$((py - 4 - h)); else y=$((py + 4)); fi
    ((x = x < screen_w - w ? x : screen_w - w, y = y < screen_h - h ? y : screen_h - h))
    ((x = x > 0 ? x : 0, y = y > 0 ? y : 0))
    echo "$x $y"
}

pointer_at() { [ "$(xdotool getmouselocation --shell | head -n2 | tr '\n' ' ')" = "X=$1 Y=$2 " ]; }

# Whether the panel window stands where the rule puts it for a pointer at $2,$3, at the size it has now.
panel_in_place() {
    local X Y WIDTH HEIGHT want_x want_y
    eval "$(xdotool getwindowgeometry --shell "$1")"
    read -r want_x want_y < <(expected_origin "$2" "$3" "$WIDTH" "$HEIGHT")
    [ "$X" -eq "$want_x" ] && [ "$Y" -eq "$want_y" ]
}

# Moves the pointer, activates the item there as a host does on a click, and checks where the panel shows.
open_at() {
    local px=$1 py=$2 panel want_x want_y
    xdotool mousemove "$px" "$py"
    wait_for 5 pointer_at "$px" "$py" || fail "the pointer did not move to $px,$py"
    item_call org.kde.StatusNotifierItem.Activate "$px" "$py" >/dev/null || fail "Activate($px, $py) failed"
    wait_for 30 has_panel || fail "no panel window named TolvikReminder showed after Activate($px, $py)"
    panel=$(panel_window)
    # The height may still settle after the first measurement; the rule must hold once it has.
    wait_for 10 panel_in_place "$panel" "$px" "$py"
    eval "$(xdotool getwindowgeometry --shell "$panel")"
    read -r want_x want_y < <(expected_origin "$px" "$py" "$WIDTH" "$HEIGHT")
    echo "pointer at $px,$py; panel at $X,$Y size ${WIDTH}x$HEIGHT (expected at $want_x,$want_y)"
    [ "$WIDTH" -eq 360 ] || fail "panel width $WIDTH, expected 360"
    [ "$HEIGHT" -ge 300 ] && [ "$HEIGHT" -le 600 ] || fail "panel height $HEIGHT outside 300...600"
    [ "$X" -eq "$want_x" ] && [ "$Y" -eq "$want_y" ] ||
        fail "panel at $X,$Y for the pointer at $px,$py; expected $want_x,$want_y"
}

closes_on_activate() {
    item_call org.kde.StatusNotifierItem.Activate "$1" "$2" >/dev/null || fail "Activate($1, $2) failed"
    wait_for 10 has_no_window || fail "the panel stayed open after a second Activate($1, $2)"
}

# Below the centre line, so the panel opens above the pointer; then a toggle closes it.
open_at 700 420
closes_on_activate 700 420
# Near the top-right corner: under the pointer, pushed back inside the screen's right edge. This also shows that
# each activation reads the pointer afresh.
open_at 1200 100
closes_on_activate 1200 100

kill -0 "$app" 2>/dev/null || fail "the app ended"
echo "PASS"
