#!/usr/bin/env bash
# Builds the Debian package in build-pkg, checks the files it installs as a desktop and lintian
# read them, installs it on this machine with apt-get and starts what it installed: typecask-cli
# from /usr/bin, and typecask on a private Xvfb server until its main window is mapped, whose
# WM_CLASS must be the desktop entry's StartupWMClass and which must carry an icon. Needs root
# (or sudo) for apt-get. Leaves no display or process behind, and removes the package again
# unless it was installed before.
set -euo pipefail
cd "$(dirname "$0")/.."

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
APP_ID=io.github.typecask.Typecask
build=build-pkg

step() { printf '\n== %s\n' "$*"; }
fail() {
  echo "package-check: $*" >&2
  exit 1
}

bash scripts/install-deps.sh dpkg-dev fakeroot desktop-file-utils appstream lintian xdotool file

step "Building the package"
# Debian's own compiler and linker flags (hardening), without debug information: the package
# is stripped anyway.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
  -DTYPECASK_BUILD_TESTS=OFF -DTYPECASK_BUILD_BENCH=OFF \
  "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build"
rm -f "$build"/typecask_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/typecask_*.deb)
echo "$deb"
dpkg-deb --field "$deb"
dpkg-deb --contents "$deb" | awk '{print $6}'

step "Validating the desktop entry and the AppStream metainfo"
stage=$build/stage
rm -rf "$stage"
DESTDIR="$PWD/$stage" cmake --install "$build" >/dev/null
# desktop-file-validate exits 0 on warnings: any output counts. --strict fails on warnings and
# infos alike.
out=$(desktop-file-validate "$stage/usr/share/applications/$APP_ID.desktop" 2>&1) || true
[ -z "$out" ] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net --strict "$stage/usr/share/metainfo/$APP_ID.metainfo.xml"
appstreamcli validate-tree --no-net --strict "$stage"

step "lintian"
# Errors fail the check; warnings and the rest are listed for the record.
lintian --fail-on error --display-info --tag-display-limit 0 "$deb" || fail "lintian found errors"

step "Installing the package"
was_installed=0
if dpkg-query -W -f='${Status}' typecask 2>/dev/null | grep -q "install ok installed"; then was_installed=1; fi
xvfb=""
app=""
work=$(mktemp -d)
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
  if [ "$was_installed" = 0 ]; then
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=600 remove -y -q typecask >/dev/null || true
  fi
}
trap cleanup EXIT
DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=600 install -y -q "$PWD/$deb"

step "typecask-cli from /usr/bin"
/usr/bin/typecask-cli --version
fonts=$(/usr/bin/typecask-cli fonts)
printf '%s\n' "$fonts" | head -5
[ -n "$fonts" ] || fail "typecask-cli fonts listed nothing"
man -w typecask typecask-cli

step "typecask on Xvfb"
fifo="$work/display"
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
read -r display <"$fifo"
export DISPLAY=":$display"
# A private data folder: the settings it writes on quitting stay out of the user's.
XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb /usr/bin/typecask &
app=$!
# The caption is "Typecask v2.01", then the previewed family's name and " -Typecask v201".
wid=$(timeout 60 xdotool search --sync --onlyvisible --name 'Typecask v2' | head -1) ||
  fail "the main window did not appear within 60 s"
echo "main window $wid: $(xprop -id "$wid" WM_NAME)"
wm_class=$(xprop -id "$wid" WM_CLASS)
echo "$wm_class"
wanted=$(sed -n 's/^StartupWMClass=//p' "/usr/share/applications/$APP_ID.desktop")
[[ "$wm_class" == *", \"$wanted\"" ]] || fail "WM_CLASS is not the desktop entry's StartupWMClass ($wanted)"
icons=$(xprop -id "$wid" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ') || true
echo "_NET_WM_ICON: $icons"
[[ "$icons" == *"Icon (16 x 16)"* ]] || fail "the window has no icon"

# Quit through the menu, 終了(&X) of ファイル(&F), as a user would: the settings are written.
# A busy machine may swallow the keys while the menu opens, so up to three tries.
for _ in 1 2 3; do
  xdotool windowfocus --sync "$wid" key --clearmodifiers alt+f 2>/dev/null || true
  sleep 1
  xdotool key --clearmodifiers x 2>/dev/null || true
  for _ in $(seq 1 10); do
    kill -0 "$app" 2>/dev/null || break 2
    sleep 1
  done
done
if kill -0 "$app" 2>/dev/null; then fail "typecask did not quit from its menu"; fi
rc=0
wait "$app" || rc=$?
app=""
[ "$rc" = 0 ] || fail "typecask exited with $rc"
[ -s "$work/data/Typecask/Typecask.ini" ] || fail "typecask quit without writing its settings"
echo "quit from the menu; settings written"

step "Package check passed in ${SECONDS} s"
