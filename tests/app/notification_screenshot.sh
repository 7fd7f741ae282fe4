#!/bin/bash
# Lets a reminder ring on a virtual X display with a real notification daemon (dunst) on a private session bus,
# and saves the screen as docs/screenshots/notification.png. Usage: tests/app/notification_screenshot.sh <build folder>
set -u
build=${1:-build}
display=${TOLVIK_SHOT_DISPLAY:-:96}
here=$(cd "$(dirname "$0")/../.." && pwd)
source "$here/tests/app/script_support.sh"

export DISPLAY=$display
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
wait_for 10 xdpyinfo || fail "no X display"
# A tray, so that the icon's overdue dot shows beside the notification.
trayer --edge top --align left --widthtype request --height 32 --tint 0xdddddd --transparent true --alpha 0 \
    >/dev/null 2>&1 &
pids+=($!)

dbus-daemon --session --nofork --print-address=1 >"$work/bus" 2>/dev/null &
pids+=($!)
wait_for 10 test -s "$work/bus" || fail "no session bus"
export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus")

cat >"$work/dunstrc" <<'CONF'
[global]
    font = Noto Sans 11
    width = 380
    offset = 16x40
    origin = top-right
    frame_width = 1
    frame_color = "#8a8a8a"
    corner_radius = 8
    padding = 12
    horizontal_padding = 12
    markup = full
    format = "<b>%s</b>\n%b"
[urgency_normal]
    background = "#f6f6f6"
    foreground = "#202020"
    timeout = 0
[urgency_critical]
    background = "#fff4f2"
    foreground = "#202020"
    frame_color = "#e0352b"
    timeout = 0
CONF
dunst -config "$work/dunstrc" >"$work/dunst.log" 2>&1 &
pids+=($!)
wait_for 10 dbus-send --session --print-reply --dest=org.freedesktop.Notifications /org/freedesktop/Notifications \
    org.freedesktop.Notifications.GetCapabilities || fail "dunst did not start"

seed_user
due=$(date -u -d '-2 minutes' +%Y%m%dT%H%M%SZ)
printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//e2e//EN\r\nBEGIN:VTODO\r\nUID:call\r\nDTSTAMP:20240101T000000Z\r\nSUMMARY:Call the dentist\r\nDUE:%s\r\nEND:VTODO\r\nEND:VCALENDAR\r\n' \
    "$due" >"$data/calendars/work/projects/call.ics"

env HOME="$work/home" XDG_DATA_HOME="$data" XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$runtime" \
    QT_QPA_PLATFORM=xcb LANG=en_US.UTF-8 "$build/src/app/tolvik-reminder" >"$work/app.log" 2>&1 &
pids+=($!)
wait_for 30 sh -c 'xwininfo -root -tree | grep -qi dunst' || fail "no notification appeared"
# dunst maps its window before it has drawn into it.
sleep 1
mkdir -p "$here/docs/screenshots"
import -window root -crop 1280x180+0+0 +repage "$here/docs/screenshots/notification.png" || fail "screenshot failed"
echo "saved docs/screenshots/notification.png"
