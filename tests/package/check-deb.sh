#!/usr/bin/env bash
# Checks the .deb that scripts/build-deb.sh built as Debian and a desktop see it: its
# control fields and dependencies (dpkg-deb -I), its file list (dpkg-deb -c), lintian, the unpacked
# tree against desktop-file-validate and appstreamcli, the licence in COPYING, the copyright file and
# the metainfo, the man page against --help, and that the unpacked program keeps its files in the
# user's data folder.
# Usage: check-deb.sh SOURCE_DIR PACKAGES_DIR (the folder holding the one tavrik_*.deb)
set -euo pipefail
src=${1:?source folder}
packages=${2:?packages folder}
work=$(mktemp -d)
pid=
cleanup() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

debs=("$packages"/tavrik_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: not one package in $packages" >&2; exit 1; }
deb=${debs[0]}
echo "package: $(basename "$deb")"

# Control fields; dpkg-shlibdeps found the libraries, we named the platform plugins.
info=$(dpkg-deb -I "$deb")
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tavrik ] || fail "Package is '$(field Package)'"
version=$(sed -n 's/^project(tavrik VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', the project's is $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = sound ] || fail "Section is '$(field Section)'"
[ -n "$(field Maintainer)" ] && [ -n "$(field Description)" ] || fail "no Maintainer or Description"
depends=$(field Depends)
names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6dbus6 libqt6network6 \
    libpulse0 libsndfile1 libmp3lame0 libvorbisenc2 libogg0 libspandsp2 libavcodec59 \
    libavformat59 libswresample4 libfftw3-single3 libtag1v5 libxcb1 qt6-qpa-plugins; do
    grep -qxF "$lib" <<<"$names" || fail "Depends lacks $lib: $depends"
done
grep -q -- '-dev$' <<<"$names" && fail "Depends names a development package: $depends"
grep -q '^ Recommends: .*pipewire-pulse | pulseaudio' <<<"$info" || fail "no sound server recommended"

# The files, all under /usr, owned by root.
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/tavrik ./usr/share/applications/org.tavrik.Tavrik.desktop \
    ./usr/share/metainfo/org.tavrik.Tavrik.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/tavrik.svg \
    ./usr/share/icons/hicolor/16x16/apps/tavrik.png ./usr/share/icons/hicolor/48x48/apps/tavrik.png \
    ./usr/share/icons/hicolor/256x256/apps/tavrik.png ./usr/share/man/man1/tavrik.1.gz \
    ./usr/share/tavrik/help/index.html ./usr/share/tavrik/help/style.css ./usr/share/doc/tavrik/copyright; do
    grep -q " $path\$" <<<"$contents" || fail "the package lacks $path"
done
if command -v chmcmd >/dev/null; then
    grep -q ' ./usr/share/tavrik/help.chm$' <<<"$contents" || fail "the package lacks help.chm"
fi
for lang in de fr es; do
    grep -q " ./usr/share/tavrik/translations/tavrik_$lang.qm\$" <<<"$contents" || fail "the package lacks tavrik_$lang.qm"
done
awk '$6 !~ /^\.\/(usr(\/|$)|$)/ { print; bad = 1 } END { exit bad }' <<<"$contents" ||
    fail "files outside /usr"
awk '$2 != "root/root" { print; bad = 1 } END { exit bad }' <<<"$contents" || fail "files not owned by root"
grep -Eq '^-rwxr-xr-x .* \./usr/bin/tavrik$' <<<"$contents" || fail "usr/bin/tavrik is not 0755"

# Debian's own checks. Left to the owner: while the maintainer is the placeholder, its address.
grep -q ' ./usr/share/doc/tavrik/changelog.gz$' <<<"$contents" || fail "the package lacks its changelog"
allowed='^E: tavrik: (bogus-mail-host Maintainer .*@localhost|bogus-mail-host-in-debian-changelog .*@localhost .*)$'
lint=$(lintian --tag-display-limit 0 "$deb" 2>/dev/null | grep -E '^[EW]: ' | grep -Ev "$allowed" || true)
[ -z "$lint" ] || fail "lintian: $lint"

# The unpacked tree is what an install leaves.
tree=$work/tree
dpkg-deb -x "$deb" "$tree"
file -L "$tree/usr/bin/tavrik" | grep -q 'ELF.*, stripped' || fail "usr/bin/tavrik is not a stripped ELF"
desktop-file-validate "$tree"/usr/share/applications/org.tavrik.Tavrik.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net "$tree"/usr/share/metainfo/org.tavrik.Tavrik.metainfo.xml ||
    fail "appstreamcli validate"
grep -q '^Exec=tavrik$' "$tree"/usr/share/applications/org.tavrik.Tavrik.desktop || fail "Exec is not tavrik"
grep -q '^Icon=tavrik$' "$tree"/usr/share/applications/org.tavrik.Tavrik.desktop || fail "Icon is not tavrik"
for size in 16 22 24 32 48 64 128 256; do
    file "$tree/usr/share/icons/hicolor/${size}x${size}/apps/tavrik.png" | grep -q "PNG image data, $size x $size," ||
        fail "the ${size}x${size} icon is not a PNG of that size"
done

# GPL-3.0-or-later: the full text in the source, the terms in the package and the metainfo.
cmp -s "$src/COPYING" /usr/share/common-licenses/GPL-3 || fail "COPYING is not the text of the GPL version 3"
"$src/tests/package/check-copyright.py" "$tree/usr/share/doc/tavrik/copyright" "$src" \
    "$tree/usr/share/metainfo/org.tavrik.Tavrik.metainfo.xml" || fail "the copyright file"

# The man page renders cleanly and covers every option of --help and the files kept.
man=$work/tavrik.1
gzip -dc "$tree/usr/share/man/man1/tavrik.1.gz" >"$man"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$man" 2>&1 >/dev/null) || fail "man cannot render tavrik.1"
[ -z "$warnings" ] || fail "man warns: $warnings"
page=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$man" 2>/dev/null | sed 's/\xe2\x80\x90/-/g')
help=$("$tree/usr/bin/tavrik" --help) || fail "tavrik --help failed"
for option in $(grep -oE -- '--[a-z][a-z-]+' <<<"$help" | sort -u); do
    grep -q -- "$option" <<<"$page" || fail "the man page lacks $option"
done
for kept in settings.dat schedule.dat recording.journal '\*\.rpf' help.chm XDG_DATA_HOME/tavrik; do
    grep -q -- "$kept" <<<"$page" || fail "the man page lacks $kept"
done
grep -q 'License GPL-3.0-or-later' <<<"$page" || fail "the man page does not name the licence"
[ "$("$tree/usr/bin/tavrik" --version)" = "tavrik $version" ] || fail "--version does not say $version"

# Installed, the program writes nothing beside itself: its folder is ~/.local/share/tavrik.
home=$work/home
mkdir -p "$home" "$work/runtime" "$work/tmp"
chmod 700 "$work/runtime"
env -u XDG_DATA_HOME -u TAVRIK_APP_DIR HOME="$home" XDG_RUNTIME_DIR="$work/runtime" TMPDIR="$work/tmp" \
    QT_QPA_PLATFORM=offscreen TAVRIK_UNATTENDED=1 PULSE_SERVER=unix:/nonexistent/native \
    "$tree/usr/bin/tavrik" >"$work/run.log" 2>&1 &
pid=$!
for _ in $(seq 100); do
    [ -d "$home/.local/share/tavrik" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
[ -d "$home/.local/share/tavrik" ] || fail "no ~/.local/share/tavrik: $(cat "$work/run.log")"
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null || true
pid=
[ "$(ls "$tree/usr/bin")" = tavrik ] || fail "the installed program wrote beside itself: $(ls "$tree/usr/bin")"

[ "$failures" -eq 0 ] || { echo "$failures package checks failed" >&2; exit 1; }
echo "package: all checks passed"
