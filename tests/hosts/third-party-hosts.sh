#!/usr/bin/env bash
# Checks the installed LV2 bundle with Debian's own LV2 tools.
# Usage: third-party-hosts.sh BUILD_DIR RENDER_TOOL VALIDATOR CHECK
#   CHECK is one of: lv2ls, lv2info-ports, lv2info-parameters, lv2info-full-list, jalv
# Installs into a fresh temporary prefix, points LV2_PATH at it and removes everything on exit; the
# JACK server it starts uses the dummy back end under a name of its own and is stopped on exit.
set -euo pipefail

build_dir=$1
render_tool=$2
validator=$3
check=$4
uri="urn:halvikaudio:corvane"

work=$(mktemp -d "${TMPDIR:-/tmp}/corvane-hosts.XXXXXX")
jackd_pid=""
cleanup() {
    if [ -n "$jackd_pid" ]; then
        kill "$jackd_pid" 2>/dev/null || true
        wait "$jackd_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

cmake --install "$build_dir" --prefix "$work/prefix" >"$work/install.log"
export LV2_PATH="$work/prefix/lib/lv2"

# The identifiers of the parameters an LV2 host can write, from lilv's Turtle dump of the plug-in.
writable_parameters() {
    lv2info -p "$work/description.ttl" "$uri" >/dev/null
    awk -v prefix="<$uri:" '
        /patch#writable>/ { collecting = 1 }
        collecting {
            line = $0
            while ((start = index(line, prefix)) > 0) {
                rest = substr(line, start + length(prefix))
                print substr(rest, 1, index(rest, ">") - 1)
                line = rest
            }
            if ($0 ~ /[;.][[:space:]]*$/) collecting = 0
        }' "$work/description.ttl" | sort -u
}

case "$check" in
lv2ls)
    lv2ls | grep -qx "$uri" || fail "lv2ls does not list $uri under $LV2_PATH"
    ;;

lv2info-ports)
    lv2info "$uri" >"$work/info.txt"
    grep -q "Name: *Corvane$" "$work/info.txt" || fail "lv2info shows no name Corvane"
    grep -q "Binary: *file://$LV2_PATH/Corvane.lv2/" "$work/info.txt" || fail "binary not in the installed bundle"
    for symbol in audio_in_1 audio_in_2 audio_out_1 audio_out_2 in out latency enabled; do
        grep -q "Symbol: *$symbol$" "$work/info.txt" || fail "lv2info lists no port $symbol"
    done
    # lilv lists a port's types in no fixed order, so each "Port N:" block is read as a whole.
    port_kinds=$(awk '
        function flush() { if (audio) print direction; audio = 0; direction = "" }
        /^\tPort [0-9]+:/ { flush() }
        /lv2core#AudioPort/ { audio = 1 }
        /lv2core#InputPort/ { direction = "in" }
        /lv2core#OutputPort/ { direction = "out" }
        END { flush() }' "$work/info.txt")
    audio_inputs=$(grep -cx in <<<"$port_kinds" || true)
    audio_outputs=$(grep -cx out <<<"$port_kinds" || true)
    [ "$audio_inputs" -eq 2 ] && [ "$audio_outputs" -eq 2 ] ||
        fail "expected 2 audio inputs and 2 outputs, found $audio_inputs and $audio_outputs"
    ;;

lv2info-parameters)
    # Every host-visible parameter of the plug-in, and nothing else, is writable through the bundle.
    "$render_tool" --list-parameters | awk -F'\t' 'NR > 1 && $6 == "external" { print $2 }' | sort -u \
        >"$work/expected.txt"
    writable_parameters >"$work/actual.txt"
    diff -u "$work/expected.txt" "$work/actual.txt" || fail "the bundle's parameters differ from the plug-in's"
    ;;

lv2info-full-list)
    # The full list of host parameters, from the validation suite's table of expected identifiers.
    "$validator" --list-expected-parameters | sort -u >"$work/expected.txt"
    writable_parameters >"$work/actual.txt"
    diff -u "$work/expected.txt" "$work/actual.txt" || fail "the bundle does not list the full parameter list"
    ;;

jalv)
    export JACK_DEFAULT_SERVER="corvane-test-$$"
    jackd --no-realtime --silent -d dummy -r 48000 -p 512 >"$work/jackd.log" 2>&1 &
    jackd_pid=$!
    jack_wait --wait --timeout 10 >/dev/null || fail "the JACK dummy server did not start"

    # jalv runs until its console input ends: list the controls, then keep it running a few seconds.
    client="corvane-check"
    { echo controls; sleep 4; } | timeout 30 jalv -x -n "$client" "$uri" >"$work/jalv.log" 2>&1 &
    jalv_pid=$!
    ports=""
    for _ in $(seq 50); do
        ports=$(jack_lsp 2>/dev/null | grep -c "^$client:audio_" || true)
        [ "$ports" -eq 4 ] && break
        sleep 0.1
    done
    status=0
    wait "$jalv_pid" || status=$?
    cat "$work/jalv.log"
    [ "$ports" -eq 4 ] || fail "jalv's JACK client showed $ports of 4 audio ports"
    [ "$status" -eq 0 ] || fail "jalv exited with status $status"
    grep -q "Bypass = " "$work/jalv.log" || fail "jalv lists no Bypass control"
    kill -0 "$jackd_pid" 2>/dev/null || fail "the JACK server stopped while jalv ran"
    ;;

*)
    fail "unknown check $check"
    ;;
esac
echo "passed: $check"
