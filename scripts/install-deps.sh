#!/usr/bin/env bash
# Installs every Debian 12 package Tavrik needs to build, run and test.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # translations: lupdate/lrelease, CMake's LinguistTools, Qt's own texts (standard buttons, file dialogs)
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libpulse-dev libsndfile1-dev libfftw3-dev
  libmp3lame-dev libvorbis-dev libogg-dev libspandsp-dev
  libavformat-dev libavcodec-dev libswresample-dev libavutil-dev libsoxr-dev
  libtag1-dev libxcb1-dev libcdio-paranoia-dev
  libgtest-dev libbenchmark-dev
  # run: the sound server, and Qt's platform for Wayland sessions
  pulseaudio pulseaudio-utils qt6-wayland
  # tests and benchmarks: independent tools that check our files
  sox libsox-fmt-all ffmpeg mpg123 vorbis-tools lame id3v2 eyed3 python3-mutagen
  xvfb xauth hyperfine procps
  # whole-program tests: the real window system, a session bus, input from outside; a
  # Wayland compositor (weston, headless)
  qt6-qpa-plugins dbus dbus-bin xdotool libx11-6 weston
  # help: chmcmd builds help.chm, xchm shows it, extract_chmLib checks it
  fp-utils xchm libchm-bin
  # hotkey and tray tests: another client to hold the focus, a tray host; a window manager
  # that minimises and restores windows
  x11-utils tint2 openbox
  # a stand-in for logind on a private bus (sleep lock of a scheduled recording)
  python3-dbus python3-gi
  # the audio player's desktop controls, driven as a desktop does
  playerctl
  # the same tests against PipeWire's PulseAudio server (coexists with pulseaudio)
  pipewire pipewire-pulse wireplumber
  # install and package checks: icons rendered from the SVG, the .desktop and metainfo validators
  librsvg2-bin desktop-file-utils appstream dpkg-dev file lintian
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
