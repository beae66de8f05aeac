#!/usr/bin/env bash
# Starts the real stand-alone app on a private Xvfb display with the repository's factory presets,
# opens the preset popup with a click on the preset name, selects the first factory preset with the
# down arrow key, closes the popup and checks that the header's name changed. The factory folder is an
# overlay in a private mount namespace, so nothing is written outside the test's own folder.
# Exits 77 (skipped) where no such namespace can be made. Bounded to about a minute.
set -euo pipefail

app="$1"
presets="$(cd "$(dirname "$0")/../../presets" && pwd)"
factory="/usr/share/vst3/presets/HalvikAudio/Corvane/Presets"
work="$(mktemp -d)"
display=""
cleanup() {
    [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
    # CORVANE_KEEP_E2E names a folder that keeps the screenshots, for looking at a failure.
    if [ -n "${CORVANE_KEEP_E2E:-}" ]; then cp "$work"/*.png "$CORVANE_KEEP_E2E"/ 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

# The overlay's upper layer lives in a tmpfs of its own: overlayfs refuses an upper layer on overlayfs.
stage='mount -t tmpfs tmpfs "$1" && mkdir -p "$1/upper" "$1/work" &&
    mount -t overlay overlay -o "lowerdir=/usr/share,upperdir=$1/upper,workdir=$1/work" /usr/share &&
    mkdir -p "$2" && cp "$3"/*.corvane "$2"/'
mkdir -p "$work/layer"
if ! unshare --mount --propagation private bash -c "$stage" stage "$work/layer" "$factory" "$presets" \
    >"$work/stage.log" 2>&1; then
    echo "no private mount namespace here, skipped: $(cat "$work/stage.log")"
    exit 77
fi

for candidate in $(seq 161 200); do
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

# A private home keeps the app's settings and user presets out of the user's folders.
HOME="$work/home" unshare --mount --propagation private \
    bash -c "$stage"' && exec "$4"' stage "$work/layer" "$factory" "$presets" "$app" >"$work/app.log" 2>&1 &
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

shot() { import -window "$window" "$work/$1.png"; }
differing() { compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true; }
shot before

# Where the editor sits in the window: below the stand-alone host's title bar and, when it shows, the
# light notice bar about the muted input.
editor_x=1
editor_y=27
notice="$(convert "$work/before.png" -format '%[fx:p{500,40}.r > 0.8 ? 1 : 0]' info:)"
if [ "$notice" = 1 ]; then editor_y=57; fi
name_x=$((editor_x + 220))
name_y=$((editor_y + 89))
header="358x35+$((editor_x + 41))+$((editor_y + 72))"

xdotool mousemove --window "$window" "$name_x" "$name_y" click 1
sleep 1
shot popup
changed="$(differing before popup)"
echo "pixels changed by opening the popup: $changed"
[ "${changed%%.*}" -gt 100000 ] || { echo "the preset popup did not open"; exit 1; }

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --clearmodifiers Down
sleep 1
# A click outside the popup closes it and uncovers the header.
xdotool mousemove --window "$window" "$((editor_x + 10))" "$((editor_y + 10))" click 1
sleep 1
shot after
kill -0 "$app_pid" 2>/dev/null || { echo "the app died"; cat "$work/app.log"; exit 1; }

convert "$work/before.png" -crop "$header" +repage "$work/name-before.png"
convert "$work/after.png" -crop "$header" +repage "$work/name-after.png"
renamed="$(differing name-before name-after)"
echo "pixels changed in the preset name: $renamed"
[ "${renamed%%.*}" -gt 50 ] || { echo "the header does not show a new preset name"; exit 1; }
rest="$(differing before after)"
echo "pixels changed in the whole window: $rest"
