#!/usr/bin/env bash
# Installs the build tree into a scratch prefix and checks what a desktop takes from it.
#   install_test.sh <build folder> <program, data and sound module folders in the prefix> <version>
set -euo pipefail
build=$1 bin=$2 data=$3 module=$4 version=$5
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
cd "$prefix"
for f in $bin/tilewise share/applications/tilewise.desktop share/man/man6/tilewise.6 \
    $data/imgs/Shapes/names.txt $module/tilewise_sound.so \
    share/metainfo/io.github.tilewise.Tilewise.metainfo.xml \
    share/icons/hicolor/scalable/apps/tilewise.svg; do
    [[ -s $f ]] || fail "$f is not installed"
done
for n in 16 32 48 64 128 256; do
    png=share/icons/hicolor/${n}x$n/apps/tilewise.png
    [[ $(identify -format '%m %wx%h' "$png") == "PNG ${n}x$n" ]] || fail "$png"
done
# The SVG must show what the painter draws: the two differ only in anti-aliasing.
icons=share/icons/hicolor
rsvg-convert -w 256 -h 256 -o "$tmp/svg.png" $icons/scalable/apps/tilewise.svg || fail "SVG icon"
diff=$(compare -metric RMSE $icons/256x256/apps/tilewise.png "$tmp/svg.png" null: 2>&1 || true)
[[ $(awk -F'[()]' '{ print $2 < 0.02 }' <<<"$diff") == 1 ]] || fail "SVG icon differs: $diff"
# Every category names its pictures in English and in each language of assets/names.
languages=$(cd "$(dirname "$0")/../assets/names" 2>/dev/null && ls -d */ 2>/dev/null | tr -d / || true)
for category in $data/imgs/*/; do
    files=${category}names.txt
    for language in $languages; do files+=" ${category}names.$language.txt"; done
    for names in $files; do
        [[ -f $names && $(wc -l <"$names") == 50 && $(grep -c . "$names") == 50 &&
            $(sort -u "$names" | wc -l) == 50 ]] || fail "$names: not 50 different names"
    done
done

# Hints and notes fail too: only pedantic AppStream hints, which it does not list, may remain.
out=$(desktop-file-validate share/applications/tilewise.desktop) && [[ -z $out ]] || fail "$out"
out=$(appstreamcli validate --no-net share/metainfo/*.metainfo.xml) &&
    ! grep -q '^[EWI]:' <<<"$out" || fail "$out"
out=$(groff -man -Tutf8 -ww -z share/man/man6/tilewise.6 2>&1) && [[ -z $out ]] || fail "$out"

# One version everywhere: the program, the metainfo's release and the manual page.
[[ $($bin/tilewise --version) == "Tilewise $version" ]] || fail "--version"
grep -q "<release version=\"$version\"" share/metainfo/*.metainfo.xml || fail "metainfo release"
grep -q "^\.TH TILEWISE 6 [0-9-]* \"Tilewise $version\"" share/man/man6/tilewise.6 || fail "man page"

# The catalogues, found from the installed program, with Qt's own for its usage line.
for language in de fr es; do
    [[ -s $data/translations/tilewise_$language.qm ]] || fail "no $language catalogue installed"
done
usage=$(env -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 LANGUAGE=de $bin/tilewise --help | head -n 1)
[[ $usage == "Aufruf: tilewise [Optionen] [NAME]" ]] || fail "German --help: $usage"
usage=$(env -u LC_ALL -u LC_MESSAGES LANG=C LANGUAGE=de $bin/tilewise --help | head -n 1)
[[ $usage == "Usage: tilewise [options] [NAME]" ]] || fail "LANGUAGE was not ignored in C: $usage"

status=0 && $bin/tilewise --no-such-option 2>/dev/null || status=$?
[[ $status == 2 ]] || fail "an unknown option exited with status $status"
$bin/tilewise --check-pictures $data/imgs >/dev/null || fail "bundled pictures incomplete"
# Without a display, and with one that does not answer.
for display in -uDISPLAY DISPLAY=:9999; do
    status=0 && out=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $display $bin/tilewise 2>&1) ||
        status=$?
    [[ $status == 1 && $out == "tilewise: cannot open a display; set DISPLAY or WAYLAND_DISPLAY" ]] ||
        fail "$display: status $status, $out"
done

# The installed game from an unrelated folder: it finds its data and deals a board.
mkdir "$tmp/elsewhere" "$tmp/config" "$tmp/runtime" && chmod 700 "$tmp/runtime" && cd "$tmp/elsewhere"
status=0
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$tmp/config XDG_RUNTIME_DIR=$tmp/runtime \
    timeout -k 5 60 "$prefix/$bin/tilewise" --screenshot "$tmp/shot.png" || status=$?
[[ $status == 0 ]] || fail "tilewise --screenshot exited with status $status"
[[ $(identify -format %m "$tmp/shot.png") == PNG ]] || fail "no PNG screenshot"
# A picture it could not show, or a file it could not write: status 1, and why.
shoot() {
    status=0
    out=$(QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$tmp/config XDG_RUNTIME_DIR=$tmp/runtime \
        timeout -k 5 60 "$prefix/$bin/tilewise" --screenshot "$1" 2>&1) || status=$?
}
shoot "$tmp/no-such-folder/shot.png"
[[ $status == 1 && $out == *"cannot write"* ]] || fail "an unwritable screenshot: $status, $out"
mkdir -p "$tmp/broken/imgs/Broken" && cd "$tmp/broken"
cp "$prefix/share/tilewise/imgs/Shapes/img000.jpg" imgs/Broken/
shoot "$tmp/broken.png"
[[ $status == 1 && $out == *"pictures missing or unreadable"* && -s $tmp/broken.png ]] ||
    fail "a screenshot with missing pictures: $status, $out"
echo "install test: all passed"
