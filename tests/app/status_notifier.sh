#!/bin/bash
# Runs the real app on a desktop whose tray is a status notifier host on D-Bus rather than an XEmbed tray: a virtual
# X server, a private session bus and a small watcher on it. Checks that the tray icon registers as an item with the
# app's name and icon images, that activating the item at a point opens the panel beside that point (not at the
# pointer) with the panel's size, that activating it again closes the panel, that its menu is on the bus and works,
# and that it registers again with a watcher that restarts. Stops only the processes it started, by their ids.
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
icon_pixmap=$(item_property IconPixmap) || fail "the item has no IconPixmap"
# Images at several sizes, so that the host need not scale one.
for side in 16 22 32; do
    [[ $icon_pixmap == *"($side, $side, "* ]] || fail "the item has no ${side}x$side image: ${icon_pixmap:0:200}"
done

# No icon window comes up on this path; the panel is laid out ahead but not shown until the item is activated.
panel_window() { xdotool search --all --onlyvisible --pid "$app" --name '^TolvikReminder$' | head -n1; }
has_panel() { [ -n "$(panel_window)" ]; }
has_no_window() { [ -z "$(xdotool search --onlyvisible --pid "$app")" ]; }
has_no_window || fail "the app shows a window before its item is activated"

# The app's placement rule for a point the tray reports: beside the point, away from the screen edge nearest to it
# (below for the top edge, above for the bottom, right of it for the left, left of it for the right), 4 px off and
# centred across, then kept inside the screen. No window manager reserves any edge here.
expected_origin() {
    local px=$1 py=$2 w=$3 h=$4 x y top bottom left right least
    top=$py bottom=$((screen_h - 1 - py)) left=$px right=$((screen_w - 1 - px))
    least=$(printf '%s\n' "$top" "$bottom" "$left" "$right" | sort -n | head -n1)
    if [ "$least" -eq "$top" ]; then ((x = px - w / 2, y = py + 4))
    elif [ "$least" -eq "$bottom" ]; then ((x = px - w / 2, y = py - 4 - h))
    elif [ "$least" -eq "$left" ]; then ((x = px + 4, y = py - h / 2))
    else ((x = px - 4 - w, y = py - h / 2)); fi
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

# Moves the pointer away, activates the item at a point as a host does on a click, and checks where the panel shows:
# the point the host reports counts, not where the pointer is (which is stale or unknown under Wayland).
open_at() {
    local px=$1 py=$2 panel want_x want_y
    xdotool mousemove 640 400
    wait_for 5 pointer_at 640 400 || fail "the pointer did not move to 640,400"
    item_call org.kde.StatusNotifierItem.Activate "$px" "$py" >/dev/null || fail "Activate($px, $py) failed"
    wait_for 30 has_panel || fail "no panel window named TolvikReminder showed after Activate($px, $py)"
    panel=$(panel_window)
    # The height may still settle after the first measurement; the rule must hold once it has.
    wait_for 10 panel_in_place "$panel" "$px" "$py"
    eval "$(xdotool getwindowgeometry --shell "$panel")"
    read -r want_x want_y < <(expected_origin "$px" "$py" "$WIDTH" "$HEIGHT")
    echo "activated at $px,$py; panel at $X,$Y size ${WIDTH}x$HEIGHT (expected at $want_x,$want_y)"
    [ "$WIDTH" -eq 360 ] || fail "panel width $WIDTH, expected 360"
    [ "$HEIGHT" -ge 300 ] && [ "$HEIGHT" -le 600 ] || fail "panel height $HEIGHT outside 300...600"
    [ "$X" -eq "$want_x" ] && [ "$Y" -eq "$want_y" ] ||
        fail "panel at $X,$Y for a click at $px,$py; expected $want_x,$want_y"
}

closes_on_activate() {
    item_call org.kde.StatusNotifierItem.Activate "$1" "$2" >/dev/null || fail "Activate($1, $2) failed"
    wait_for 10 has_no_window || fail "the panel stayed open after a second Activate($1, $2)"
}

# A bar at each edge of the screen; each time a second activation closes the panel again.
for point in "700 795" "1200 10" "5 400" "1275 600"; do
    read -r px py <<<"$point"
    open_at "$px" "$py"
    closes_on_activate "$px" "$py"
done

# The right-click menu as the host draws it: the app's own entries, and "Open" opens the panel.
menu_path=$(item_property Menu) || fail "the item has no Menu"
[ "$menu_path" = "(<objectpath '/StatusNotifierMenu'>,)" ] || fail "the item's menu is $menu_path"
layout=$(gdbus call --session --dest "$item_service" --object-path /StatusNotifierMenu \
    --method com.canonical.dbusmenu.GetLayout -- 0 -1 '[]') || fail "the menu's layout cannot be read"
echo "menu: $layout"
for label in Open Quit; do
    [[ $layout == *"'label': <'$label'>"* ]] || fail "the menu has no entry $label"
done
gdbus call --session --dest "$item_service" --object-path /StatusNotifierMenu \
    --method com.canonical.dbusmenu.Event 1 clicked '<0>' 0 >/dev/null || fail "the menu's Open cannot be clicked"
wait_for 30 has_panel || fail "Open in the host's menu did not show the panel"

# A bar that restarts brings a new watcher: the item registers with it again.
kill "$watcher"
wait "$watcher" 2>/dev/null
"$watcher_binary" >"$work/watcher2.log" 2>&1 &
watcher=$!
pids+=("$watcher")
wait_for 30 grep -q '^registered ' "$work/watcher2.log" || fail "the item did not register with the new watcher"

kill -0 "$app" 2>/dev/null || fail "the app ended"
echo "PASS"
