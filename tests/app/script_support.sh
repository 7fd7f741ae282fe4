# shellcheck shell=bash
# Shared by the end-to-end scripts: a temp folder, the processes started (stopped in reverse order on exit, by their
# ids only), failing with the logs that explain why, and polling. Source it; it sets `work` and `pids`.
work=$(mktemp -d)
pids=()

cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    for log in watcher app; do
        [ -f "$work/$log.log" ] && sed "s/^/$log: /" "$work/$log.log" >&2
    done
    exit 1
}

# Polls a command until it succeeds or the seconds run out.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.1
    done
}

# A user with two lists in two accounts, both selected, and one reminder already there. Sets `data`, `config` and
# `runtime` to the folders the app is to be started with.
seed_user() {
    data=$work/data
    config=$work/config
    runtime=$work/run
    mkdir -p "$data/calendars/local/reminders" "$data/calendars/work/projects" "$config/Tolvik" "$runtime" "$work/home"
    chmod 700 "$runtime"
    printf 'Reminders' >"$data/calendars/local/reminders/displayname"
    printf 'Projects' >"$data/calendars/work/projects/displayname"
    printf '#3478F6' >"$data/calendars/work/projects/color"
    printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//e2e//EN\r\nBEGIN:VTODO\r\nUID:report\r\nDTSTAMP:20240101T000000Z\r\nSUMMARY:Write the report\r\nEND:VTODO\r\nEND:VCALENDAR\r\n' \
        >"$data/calendars/work/projects/report.ics"
    printf '[General]\nselectedListIDs="local/reminders,work/projects"\n' >"$config/Tolvik/TolvikReminder.ini"
}

# A virtual X server on `display` with a compositor and an XEmbed tray at the top right, as a desktop with a tray.
start_tray_desktop() {
    export DISPLAY=$display
    Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    wait_for 10 xdpyinfo || fail "the X server on $display did not start"
    xcompmgr >/dev/null 2>&1 &
    pids+=($!)
    trayer --edge top --align right --widthtype request --height 28 --SetDockType true --transparent false \
        >/dev/null 2>&1 &
    pids+=($!)
    wait_for 10 xdotool search --class trayer || fail "the tray host did not start"
}

# The panel: the visible window of the process `app` that is wider than a tray icon.
panel_window() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$app"); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if [ "$WIDTH" -ge 300 ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}
