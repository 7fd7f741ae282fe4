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
env -u DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM=xcb LANG=en_US.UTF-8 \
    "$build/tests/app/sync_panel_screenshots" "$here/docs/screenshots" || status=1
# The settings window's two tabs, the new-list dialog over it, a list's colour menu and a synced account's states,
# light and dark.
showcase() {
    env -u DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM=xcb LANG=en_US.UTF-8 "$build/tests/settings/settings-showcase" "$@" ||
        status=1
}
# The Add Account dialog's steps against a stand-in Nextcloud on this computer (one speaking HTTPS with a certificate
# made here, for the certificate page), and the address page's error.
stand_in() {
    local out=$1
    shift
    "$here/tests/sync/login-flow-server.py" "$here/tests/sync/data/nextcloud-listing.xml" "$@" >"$out" &
    pids+=($!)
}
certs=$(mktemp -d)
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$certs/key.pem" -out "$certs/cert.pem" -days 30 \
    -subj "/CN=cloud.example.org" >/dev/null 2>&1
stand_in "$certs/plain" nextcloud
stand_in "$certs/tls" nextcloud "$certs/cert.pem" "$certs/key.pem"
for _ in $(seq 100); do [ -s "$certs/plain" ] && [ -s "$certs/tls" ] && break; sleep 0.1; done
plain_port=$(sed -n 's/^PORT //p' "$certs/plain")
tls_port=$(sed -n 's/^PORT //p' "$certs/tls")
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
    for step in address sign-in lists error; do
        showcase --theme "$theme" --add-account "http://127.0.0.1:$plain_port" --step "$step" --shot-after 4000 \
            --shot "$shots/settings-add-account-$step-$shade.png"
    done
    showcase --theme "$theme" --add-account "https://127.0.0.1:$tls_port" --step certificate --shot-after 4000 \
        --shot "$shots/settings-add-account-certificate-$shade.png"
done
rm -rf "$certs"
exit $status
