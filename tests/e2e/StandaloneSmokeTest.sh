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

Xvfb "$display" -screen 0 1280x1280x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY="$display"
for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# A private home keeps the app's settings and presets out of the user's folders. The zoom is fixed
# at 100 %, so editor pixels are window pixels.
mkdir -p "$work/home/HalvikAudio"
cat >"$work/home/HalvikAudio/corvane.settings" <<'SETTINGS'
<?xml version="1.0" encoding="UTF-8"?>
<PROPERTIES>
  <VALUE name="Scale" val="1"/>
</PROPERTIES>
SETTINGS
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

# The editor (1000 pixels wide) sits at the bottom of the window's content, centred; whatever the
# window adds (title bar, notices, border) lies above and around it. Editor coordinates are turned
# into window coordinates from the window's current size.
editor_height=657
offset_x=0
offset_y=0
locate_editor() {
    local geometry width height
    geometry="$(xdotool getwindowgeometry --shell "$window")"
    width="$(echo "$geometry" | sed -n 's/^WIDTH=//p')"
    height="$(echo "$geometry" | sed -n 's/^HEIGHT=//p')"
    offset_x=$(( (width - 1000) / 2 ))
    offset_y=$(( height - editor_height - offset_x ))
    [ "$offset_y" -ge 0 ] || offset_y=0
}
# Window coordinates of an editor point.
wx() { echo $(( offset_x + $1 )); }
wy() { echo $(( offset_y + $1 )); }
shot() { import -window "$window" "$work/$1.png"; }
# Pixels that differ between two shots inside an editor rectangle (x y w h).
changed() {
    local crop="$(( $5 ))x$(( $6 ))+$(wx "$3")+$(wy "$4")"
    convert "$work/$1.png" -crop "$crop" +repage "$work/a.png"
    convert "$work/$2.png" -crop "$crop" +repage "$work/b.png"
    compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1 || true
}
alive() { kill -0 "$app_pid" 2>/dev/null || { echo "the app died: $1"; cat "$work/app.log"; exit 1; }; }

locate_editor
echo "editor offset in the window: $offset_x,$offset_y"

# Turn the first macro's knob (676, 6, 75 by 66) by dragging upwards; its knob and its value label
# (676, 72, 75 by 35) must change.
shot before-drag
xdotool mousemove --window "$window" "$(wx 713)" "$(wy 39)" mousedown 1
for step in $(seq 1 12); do
    xdotool mousemove --window "$window" "$(wx 713)" "$(wy $(( 39 - 5 * step )))"
    sleep 0.05
done
xdotool mouseup 1
sleep 0.5
alive "after dragging a knob"
xdotool mousemove --window "$window" "$(wx 300)" "$(wy 300)"
sleep 0.3
shot after-drag
knob_change="$(changed before-drag after-drag 676 6 75 66)"
label_change="$(changed before-drag after-drag 676 72 75 35)"
echo "knob pixels changed: $knob_change, label pixels changed: $label_change"
[ "${knob_change%%[^0-9]*}" -gt 20 ] || { echo "dragging the knob did not turn it"; exit 1; }
[ "${label_change%%[^0-9]*}" -gt 5 ] || { echo "dragging the knob did not change its value"; exit 1; }

# Expand both rows with their section toggles: the LFO row's toggle at y 113, then the transforms'
# toggle, 82 pixels lower once the LFO row is open.
xdotool mousemove --window "$window" "$(wx 100)" "$(wy 130)" click 1
sleep 1
editor_height=739
locate_editor
xdotool mousemove --window "$window" "$(wx 100)" "$(wy 253)" click 1
sleep 1
editor_height=920
locate_editor
alive "after expanding the rows"

# Open the first slot's type drop-down (6, 756, 325 by 30) and pick another effect: with the
# seven choices of 41 pixels the menu is clamped to the editor's bottom (y 627).
shot before-type
xdotool mousemove --window "$window" "$(wx 168)" "$(wy 771)" click 1
sleep 1
shot menu-open
menu_change="$(changed before-type menu-open 68 627 200 293)"
echo "menu pixels: $menu_change"
[ "${menu_change%%[^0-9]*}" -gt 100 ] || { echo "the slot-type drop-down did not open"; exit 1; }
# Choose the fifth entry, Diffuser; the starter sound holds a distortion in the first slot.
xdotool mousemove --window "$window" "$(wx 168)" "$(wy $(( 627 + 6 + 17 + 41 * 4 )))" click 1
sleep 1
alive "after choosing an effect type"
xdotool mousemove --window "$window" "$(wx 500)" "$(wy 300)"
sleep 0.5
shot after-type
slot_change="$(changed before-type after-type 6 792 325 122)"
echo "slot editor pixels changed: $slot_change"
[ "${slot_change%%[^0-9]*}" -gt 100 ] || { echo "choosing another effect did not change the slot"; exit 1; }

# The whole editor with both rows expanded; the screen is tall enough for the 920-pixel editor.
import -window root "$work/screen.png"
[ -n "${CORVANE_E2E_SCREENSHOT:-}" ] && cp "$work/screen.png" "$CORVANE_E2E_SCREENSHOT"
# The editor fills most of the window with a painted surface: the screenshot cannot be one flat colour.
deviation="$(convert "$work/screen.png" -colorspace Gray -format '%[fx:standard_deviation]' info:)"
echo "screenshot grey-level deviation: $deviation"
awk -v d="$deviation" 'BEGIN { exit !(d > 0.02) }' || { echo "the screenshot is blank"; exit 1; }
