#!/bin/bash
# A new user's first reminder, with nothing prepared: empty data and config folders. The app makes its store and
# list on the first start and shows that list; the caught-up placeholder's New Reminder button opens the list's add
# form, and the reminder lands in the file. Stops only the processes it started, by their ids.
set -u
app_binary=$1
display=${TOLVIK_E2E_DISPLAY:-:96}
# shellcheck source=tests/app/script_support.sh
source "$(dirname "$0")/script_support.sh"

start_tray_desktop

data=$work/data config=$work/config runtime=$work/run
mkdir -p "$runtime" "$work/home"
chmod 700 "$runtime"
(exec env -u DBUS_SESSION_BUS_ADDRESS -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb HOME="$work/home" \
    XDG_DATA_HOME="$data" XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 "$app_binary") \
    >"$work/app.log" 2>&1 &
app=$!
pids+=("$app")

tray_icon() { xdotool search --onlyvisible --pid "$app" | head -n1; }
has_tray_icon() { [ -n "$(tray_icon)" ]; }
wait_for 30 has_tray_icon || fail "no tray icon appeared"
icon=$(tray_icon)
has_list() { [ -f "$data/calendars/local/reminders/displayname" ]; }
wait_for 30 has_list || fail "the first start made no list"
xdotool mousemove --window "$icon" 5 5 click 1

wait_for 30 panel_window || fail "the panel did not open on a tray click"
panel=$(panel_window)
panel_has_focus() { [ "$(xdotool getwindowfocus)" = "$panel" ]; }
wait_for 10 panel_has_focus || fail "the panel did not take the keyboard focus"

# Tab reaches the placeholder's New Reminder button first: the sections, and their add buttons, are not shown.
form_window() { xdotool search --onlyvisible --pid "$app" | grep -v -x -e "$panel" -e "$icon"; }
xdotool key --clearmodifiers Tab
xdotool key --clearmodifiers space
wait_for 10 form_window || fail "New Reminder opened no add form"
# The form focuses its title a moment after it shows, inside the app where no outside tool can see it.
sleep 0.3
xdotool type --delay 20 'My first reminder'
xdotool key --clearmodifiers shift+Tab
xdotool key --clearmodifiers space

added() { grep -l 'SUMMARY:My first reminder' "$data"/calendars/local/reminders/*.ics; }
wait_for 30 added || fail "no .ics file with the first reminder appeared"
echo "first reminder written to $(added | sed "s|$data/||")"
grep -q '^selectedListIDs=local/reminders' "$config/Tolvik/TolvikReminder.ini" ||
    fail "the new list is not selected: $(cat "$config/Tolvik/TolvikReminder.ini")"
echo "PASS"
