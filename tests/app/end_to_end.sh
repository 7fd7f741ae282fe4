#!/bin/bash
# Runs the real app as a new user would meet it: a virtual X server with an XEmbed tray and a compositor, no D-Bus
# session (so the tray icon goes through XEmbed), and fresh data and config folders with two lists selected. Clicks
# the tray icon, checks the panel's place and size, then adds (Return in the title), edits, gives a sub-task and
# completes a reminder with the keyboard alone, checking the file on disk after each step; then opens quick add from
# a later launch, types a reminder in words and checks its title, due time and priority, and one for a day without a
# time (all day), and finds that one by search and completes it.
# Stops only the processes it started, by their ids.
set -u
app_binary=$1
display=${TOLVIK_E2E_DISPLAY:-:97}
# shellcheck source=tests/app/script_support.sh
source "$(dirname "$0")/script_support.sh"

start_tray_desktop

seed_user

# Replaces the calling (sub)shell, so that $! is the app's own process id.
run_app() {
    exec env -u DBUS_SESSION_BUS_ADDRESS -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb HOME="$work/home" \
        XDG_DATA_HOME="$data" XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 "$app_binary" "$@"
}
run_app >"$work/app.log" 2>&1 &
app=$!
pids+=("$app")

# The tray icon is the app's only visible window until the panel opens.
tray_icon() { xdotool search --onlyvisible --pid "$app" | head -n1; }
has_tray_icon() { [ -n "$(tray_icon)" ]; }
wait_for 30 has_tray_icon || fail "no tray icon appeared"
icon=$(tray_icon)
eval "$(xdotool getwindowgeometry --shell "$icon")"
icon_x=$X icon_y=$Y icon_h=$HEIGHT
xdotool mousemove --window "$icon" 5 5 click 1

# The first visible window of the app at least $1 pixels wide, leaving out the windows given after it.
wide_window() {
    local least=$1 id
    shift
    for id in $(xdotool search --onlyvisible --pid "$app"); do
        printf '%s\n' "$@" | grep -q -x "$id" && continue
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if [ "$WIDTH" -ge "$least" ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}
# The panel is the visible window of the app that is wider than a tray icon.
panel_window() { wide_window 300; }
wait_for 30 panel_window || fail "the panel did not open on a tray click"
panel=$(panel_window)
# The first measurement may still change the size after the panel shows; wait until it stands where and as large
# as it should (a busy machine takes longer), then report the geometry it has.
panel_placed() {
    eval "$(xdotool getwindowgeometry --shell "$panel")"
    [ "$WIDTH" -eq 360 ] && [ "$HEIGHT" -ge 300 ] && [ "$HEIGHT" -le 600 ] && [ "$Y" -ge $((icon_y + icon_h)) ] &&
        [ $((X + WIDTH)) -le 1280 ]
}
wait_for 10 panel_placed
eval "$(xdotool getwindowgeometry --shell "$panel")"
echo "tray icon at $icon_x,$icon_y; panel at $X,$Y size ${WIDTH}x$HEIGHT"
[ "$WIDTH" -eq 360 ] || fail "panel width $WIDTH, expected 360"
[ "$HEIGHT" -ge 300 ] && [ "$HEIGHT" -le 600 ] || fail "panel height $HEIGHT outside 300...600"
[ "$Y" -ge $((icon_y + icon_h)) ] || fail "panel at y=$Y is not under the icon"
[ $((X + WIDTH)) -le 1280 ] || fail "panel leaves the screen on the right"

# Add a reminder with the keyboard: Tab reaches the first list's add button, the form focuses its title, and
# Return there adds it.
# Keys pressed before the panel has the keyboard focus would go elsewhere.
panel_has_focus() { [ "$(xdotool getwindowfocus)" = "$panel" ]; }
wait_for 10 panel_has_focus || fail "the panel did not take the keyboard focus"
xdotool key --clearmodifiers Tab
xdotool key --clearmodifiers space
# The form is a window of its own, next to the panel, and wider than the detail bubble that may show beside it.
form_window() { wide_window 300 "$panel" "$icon"; }
wait_for 10 form_window || fail "the add form did not open"
# The form gives its title the focus a moment after it shows. That happens inside the app where no outside tool
# can see it, so this one pause stays; it only starts once the form is known to be open.
sleep 0.3
xdotool type --delay 20 'Buy oat milk'
# Return in the title adds it, as in any dialog.
xdotool key --clearmodifiers Return

added() { grep -l 'SUMMARY:Buy oat milk' "$data"/calendars/*/*/*.ics; }
wait_for 30 added || fail "no .ics file with the new reminder appeared"
file=$(added)
echo "new reminder written to ${file#"$data/"}"
grep -q $'\r$' "$file" || fail "the new file does not use CRLF line ends"
grep -q '^UID:' "$file" || fail "the new file has no UID"

# Edit it: Down reaches the first row (the new reminder, first by title among the undated), Return opens its form.
form_gone() { ! form_window >/dev/null; }
wait_for 10 form_gone || fail "the add form did not close after adding"
wait_for 10 panel_has_focus || fail "the panel did not get the focus back after adding"
xdotool key --clearmodifiers Down
xdotool key --clearmodifiers Return
wait_for 10 form_window || fail "the edit form did not open on Return"
sleep 0.3
# A drop-down's Escape closes only the drop-down: the form and its typing stay.
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 'Buy oat milk and bread'
xdotool key --clearmodifiers Tab Tab
xdotool key --clearmodifiers alt+Down
sleep 0.3
xdotool key --clearmodifiers Escape
sleep 0.3
form_window >/dev/null || fail "Escape on the priority drop-down closed the whole form"
xdotool key --clearmodifiers shift+Tab shift+Tab shift+Tab
xdotool key --clearmodifiers space
edited() { grep -q 'SUMMARY:Buy oat milk and bread' "$file"; }
wait_for 30 edited || fail "the edit was not written to ${file#"$data/"}"
echo "reminder edited in place"

# Add a sub-task to it: the focus is back on its row, and S opens the add form for a sub-task.
wait_for 10 form_gone || fail "the edit form did not close after saving"
wait_for 10 panel_has_focus || fail "the panel did not get the focus back after editing"
xdotool key --clearmodifiers s
wait_for 10 form_window || fail "the sub-task form did not open on S"
sleep 0.3
xdotool type --delay 20 'Pick a brand'
xdotool key --clearmodifiers Return
subtask_added() { grep -l 'SUMMARY:Pick a brand' "$data"/calendars/*/*/*.ics; }
wait_for 30 subtask_added || fail "no .ics file with the new sub-task appeared"
subtask=$(subtask_added)
parent_uid=$(tr -d '\r' <"$file" | sed -n 's/^UID://p')
tr -d '\r' <"$subtask" | grep -q -x "RELATED-TO;RELTYPE=PARENT:$parent_uid" ||
    fail "the sub-task does not name its parent: $(grep '^RELATED-TO' "$subtask")"
[ "$(dirname "$subtask")" = "$(dirname "$file")" ] || fail "the sub-task went to another list"
echo "sub-task written to ${subtask#"$data/"}"

# Complete it: the focus is back on its row, and Space completes it; with an open sub-task the panel asks first, and
# Space on the offered answer completes both.
wait_for 10 form_gone || fail "the sub-task form did not close after adding"
wait_for 10 panel_has_focus || fail "the panel did not get the focus back after adding the sub-task"
xdotool key --clearmodifiers space
sleep 0.3
xdotool key --clearmodifiers space
completed() { grep -q 'STATUS:COMPLETED' "$file" && grep -q 'STATUS:COMPLETED' "$subtask"; }
wait_for 30 completed || fail "Space on the focused row did not complete the reminder and its sub-task"
echo "reminder completed with its sub-task"

# Escape closes the panel.
xdotool key --clearmodifiers Escape
panel_closed() { ! xdotool search --onlyvisible --pid "$app" | grep -q -x "$panel"; }
wait_for 10 panel_closed || fail "Escape did not close the panel"
xdotool mousemove --window "$icon" 5 5 click 1
wait_for 30 panel_window || fail "the panel did not open again on a tray click"

# A second launch hands over to the running app and ends; the panel is still there.
(run_app) >"$work/second.log" 2>&1 || fail "the second launch failed"
kill -0 "$app" 2>/dev/null || fail "the app ended"
wait_for 5 panel_window || fail "the panel is gone after a second launch"

# Quick add from a later launch: the running app opens the panel with the field focused. The tray click closes the
# panel first, so that the launch has to bring it back. Two clicks on the icon closer together than the double-click
# interval (400 ms) read as one double click, which leaves the panel alone, so this click waits that long.
sleep 0.5
xdotool mousemove --window "$icon" 5 5 click 1
panel_hidden() { ! xdotool search --onlyvisible --pid "$app" | grep -q -x "$panel"; }
wait_for 10 panel_hidden || fail "a tray click did not close the panel"
(run_app --quick-add) >"$work/quick.log" 2>&1 || fail "the --quick-add launch failed"
wait_for 10 panel_window || fail "the panel did not open for --quick-add"
panel=$(panel_window)
wait_for 10 panel_has_focus || fail "the panel did not take the keyboard focus for quick add"
# As with the form: the field takes the focus inside the app once the panel stands, out of sight of any tool.
sleep 0.3
xdotool type --delay 20 'Call mum tomorrow 6pm !!'
xdotool key --clearmodifiers Return
quick_added() { grep -l $'^SUMMARY:Call mum\r$' "$data"/calendars/*/*/*.ics; }
wait_for 30 quick_added || fail "no .ics file with the quick-added reminder appeared"
file=$(quick_added)
echo "quick-added reminder written to ${file#"$data/"}"
tr -d '\r' <"$file" | grep -q "^DUE.*:$(date -d tomorrow +%Y%m%d)T180000" || fail "the quick-added reminder is not due tomorrow 18:00"
tr -d '\r' <"$file" | grep -q '^PRIORITY:5$' || fail "the quick-added reminder lost its priority"
# The list it went to is the first shown one, and the field is remembered to have used it.
case "$file" in "$data/calendars/work/projects/"*) ;; *) fail "quick add used the wrong list: $file" ;; esac

# A day without a time is an all-day reminder: written as a date alone. Select all first: the field may not have
# cleared yet after the last add.
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 'Renew passport in 3 days'
xdotool key --clearmodifiers Return
all_day_added() { grep -l $'^SUMMARY:Renew passport\r$' "$data"/calendars/*/*/*.ics; }
wait_for 30 all_day_added || fail "no .ics file with the all-day reminder appeared"
file=$(all_day_added)
tr -d '\r' <"$file" | grep -q "^DUE;VALUE=DATE:$(date -d '+3 days' +%Y%m%d)$" ||
    fail "the all-day reminder is not written as a date: $(grep '^DUE' "$file")"
echo "all-day reminder written as a date"

# Find a reminder by search and complete it, by keys alone: Ctrl+F opens the field, Down goes to the first result.
xdotool key --clearmodifiers ctrl+f
sleep 0.3
xdotool type --delay 20 'PASSPORT'
xdotool key --clearmodifiers Down
xdotool key --clearmodifiers space
searched() { tr -d '\r' <"$file" | grep -q '^STATUS:COMPLETED$'; }
wait_for 30 searched || fail "the reminder found by search was not completed"
echo "reminder found by search and completed"
# Escape closes the search, the next one the panel.
xdotool key --clearmodifiers Escape
sleep 0.3
xdotool search --onlyvisible --pid "$app" | grep -q -x "$panel" || fail "Escape on a search closed the panel"
xdotool key --clearmodifiers Escape
wait_for 10 panel_closed || fail "a second Escape did not close the panel"

echo "PASS"
