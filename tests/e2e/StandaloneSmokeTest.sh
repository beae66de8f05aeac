#!/usr/bin/env bash
# Starts the real stand-alone app on a private Xvfb display, waits for its window, clicks into it,
# takes a screenshot and checks that the editor painted something. Bounded to about a minute.
set -euo pipefail

app="$1"
work="$(mktemp -d)"
display=""
cleanup() {
    [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

for candidate in $(seq 120 160); do
    if [ ! -e "/tmp/.X${candidate}-lock" ]; then
        display=":${candidate}"
        break
    fi
done
[ -n "$display" ] || { echo "no free X display number"; exit 1; }

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY="$display"
for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# A private home keeps the app's settings and presets out of the user's folders.
HOME="$work/home" "$app" >"$work/app.log" 2>&1 &
app_pid=$!

window=""
for _ in $(seq 1 300); do
    window="$(xdotool search --name '^Corvane$' 2>/dev/null | head -n 1 || true)"
    [ -n "$window" ] && break
    kill -0 "$app_pid" 2>/dev/null || { echo "the app exited early"; cat "$work/app.log"; exit 1; }
    sleep 0.1
done
[ -n "$window" ] || { echo "no Corvane window appeared"; cat "$work/app.log"; exit 1; }

sleep 2
xdotool mousemove --window "$window" 500 400 click 1
sleep 1
kill -0 "$app_pid" 2>/dev/null || { echo "the app died after a click"; cat "$work/app.log"; exit 1; }

import -window root "$work/screen.png"
# The editor fills most of the window with a painted surface: the screenshot cannot be one flat colour.
deviation="$(convert "$work/screen.png" -colorspace Gray -format '%[fx:standard_deviation]' info:)"
echo "screenshot grey-level deviation: $deviation"
awk -v d="$deviation" 'BEGIN { exit !(d > 0.02) }' || { echo "the screenshot is blank"; exit 1; }
