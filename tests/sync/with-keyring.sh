#!/bin/sh
# Runs "$@" in a private D-Bus session with gnome-keyring's Secret Service unlocked, its files in a temp home.
# The test binary is what the app would be in a desktop session with a keyring.
set -eu
if [ -z "${TOLVIK_IN_KEYRING_SESSION:-}" ]; then
    export TOLVIK_IN_KEYRING_SESSION=1
    exec dbus-run-session -- "$0" "$@"
fi
keyring_home=$(mktemp -d)
trap 'rm -rf "$keyring_home"' EXIT
# The daemon keeps its keyrings under the home it starts with; an empty unlock password creates no collection.
HOME=$keyring_home XDG_DATA_HOME=$keyring_home/.local/share sh -c \
    'printf %s "test-keyring-pass" | gnome-keyring-daemon --unlock --components=secrets >/dev/null'
i=0
while [ $i -lt 50 ]; do
    if dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets 2>/dev/null | grep -q "boolean true"; then
        break
    fi
    sleep 0.1
    i=$((i + 1))
done
"$@"
