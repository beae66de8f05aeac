#!/usr/bin/env bash
# Checks what `cmake --install` puts under a prefix, and that the Debian package holds the same under /usr.
# Usage: install-layout.sh BUILD_DIR (install | package)
set -euo pipefail

build_dir=$1
check=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/corvane-install.XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Paths relative to the prefix; a trailing / marks a folder (the factory preset folder may be empty).
expected=(
    bin/Corvane
    bin/corvane-render
    lib/vst3/Corvane.vst3/Contents/x86_64-linux/Corvane.so
    lib/lv2/Corvane.lv2/manifest.ttl
    lib/lv2/Corvane.lv2/dsp.ttl
    lib/lv2/Corvane.lv2/libCorvane.so
    share/vst3/presets/HalvikAudio/Corvane/Presets/
    share/applications/com.halvikaudio.corvane.desktop
    share/icons/hicolor/scalable/apps/com.halvikaudio.corvane.svg
    share/doc/corvane/LICENSE
    share/doc/corvane/LICENSE.JUCE
    share/doc/corvane/LICENSE.VST3_SDK
)

case "$check" in
install)
    cmake --install "$build_dir" --prefix "$work/prefix" >"$work/install.log"
    for path in "${expected[@]}"; do
        if [[ "$path" == */ ]]; then
            [ -d "$work/prefix/$path" ] || fail "no folder $path"
        else
            [ -s "$work/prefix/$path" ] || fail "no file $path"
        fi
    done
    for program in bin/Corvane bin/corvane-render; do
        [ -x "$work/prefix/$program" ] || fail "$program is not executable"
    done
    # Presets installed are the ones in the source tree, nothing else.
    source_presets=0
    presets_dir="$(dirname "$0")/../../presets"
    if [ -d "$presets_dir" ]; then
        source_presets=$(find "$presets_dir" -name '*.corvane' | wc -l)
    fi
    installed_presets=$(find "$work/prefix/share/vst3/presets" -type f | wc -l)
    [ "$source_presets" -eq "$installed_presets" ] ||
        fail "$installed_presets presets installed, $source_presets in presets/"
    grep -q "^Exec=Corvane$" "$work/prefix/share/applications/com.halvikaudio.corvane.desktop" ||
        fail "the desktop entry does not start bin/Corvane"
    grep -q "^Icon=com.halvikaudio.corvane$" "$work/prefix/share/applications/com.halvikaudio.corvane.desktop" ||
        fail "the desktop entry does not name the installed icon"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$work/prefix/share/applications/com.halvikaudio.corvane.desktop"
    fi
    xmllint --noout "$work/prefix/share/icons/hicolor/scalable/apps/com.halvikaudio.corvane.svg"
    ;;

package)
    cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" ||
        { cat "$work/cpack.log"; fail "cpack -G DEB failed"; }
    deb=$(find "$work/package" -maxdepth 1 -name '*.deb' | head -n 1)
    [ -n "$deb" ] || fail "cpack wrote no .deb"
    [ "$(dpkg-deb --field "$deb" Package)" = corvane ] || fail "the package is not named corvane"
    dpkg-deb --field "$deb" Depends | grep -q libc6 || fail "the package has no library dependencies"
    dpkg-deb --contents "$deb" | awk '{ print $6 }' >"$work/contents.txt"
    for path in "${expected[@]}"; do
        grep -qx "\./usr/$path" "$work/contents.txt" || fail "the package does not hold /usr/$path"
    done
    ;;

*)
    fail "unknown check $check"
    ;;
esac
echo "passed: $check"
