#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built program into a staging folder (DESTDIR) as a package would, checks the
# installed tree and the desktop files with the desktop's own validators, and starts the staged
# program offscreen with a photo on its command line, as a file manager's "Open with" does.
# Usage: check_install.sh <build folder> <the demo photo maker>
set -euo pipefail
build=$1
maker=$2
work=$(mktemp -d)
app=
cleanup() {
  if [[ -n $app ]]; then kill "$app" 2>/dev/null || true; wait "$app" 2>/dev/null || true; fi
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

stage=$work/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr >"$work/install.log" || {
  cat "$work/install.log"
  fail "cmake --install"
}
id=io.github.kasumori2.Kasumori2
program=$stage/usr/lib/kasumori2
for f in bin/kasumori2 lib/kasumori2/kasumori2 lib/kasumori2/Plugin.html \
  lib/kasumori2/Ksmdat/Hajimete.txt lib/kasumori2/Ksmdat/Keybord.txt \
  lib/kasumori2/Ksmdat/Chuui.txt lib/kasumori2/Ksmdat/Hosoku.txt \
  lib/kasumori2/Manual/index.html share/applications/$id.desktop \
  share/icons/hicolor/scalable/apps/$id.svg share/metainfo/$id.metainfo.xml; do
  [[ -e $stage/usr/$f ]] || fail "not installed: /usr/$f"
done
[[ $(readlink -f "$stage/usr/bin/kasumori2") == "$program/kasumori2" ]] ||
  fail "bin/kasumori2 does not lead to the program folder"
for spi in ifpng ifwebp ifheif ifraw; do
  [[ -f $program/$spi.spi ]] || fail "plug-in $spi.spi not beside the program"
done
# Every page of the manual finds its pictures.
for page in "$program"/Manual/*.html; do
  for image in $(grep -o 'src="[^"]*"' "$page" | sed 's/src="//; s/"$//'); do
    [[ -f $program/Manual/$image ]] || fail "$(basename "$page") shows $image, which is missing"
  done
done

validated=0
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$stage/usr/share/applications/$id.desktop" || fail "desktop-file-validate"
  validated=$((validated + 1))
else
  echo "desktop-file-validate is not installed: the desktop entry is not validated"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$stage/usr/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli validate"
  validated=$((validated + 1))
else
  echo "appstreamcli is not installed: the AppStream metadata is not validated"
fi

# A home of its own. The settings say it is not the first run (whose greeting would wait for the
# user), and name the photo's folder as the first photo folder, whose thumbnails are cached by
# slot. The program keeps them beside itself when it may write there, else in the data home;
# as any other user than root, the staged program folder is made read only to show the latter.
home=$work/home
mkdir -p "$home/data/Kasumori2" "$work/run"
chmod 700 "$work/run"
QT_QPA_PLATFORM=offscreen "$maker" "$home/Pictures/trip" >/dev/null
photos=("$home"/Pictures/trip/*.jpg)
name=$(basename "${photos[0]}")
for folder in "$home/data/Kasumori2" "$program"; do
  printf '40\r\n40\r\n%s\r\n' "$home/Pictures" >"$folder/Kasumori2-ini.dat"
done
if [[ $(id -u) != 0 ]]; then chmod -R a-w "$program"; fi
HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$work/run \
  QT_QPA_PLATFORM=offscreen "$stage/usr/bin/kasumori2" "$home/Pictures/trip/$name" \
  >"$work/run.log" 2>&1 &
app=$!
thumbnail="Thumbnail/01/Pictures/trip/${name%.*}_${name##*.}.bmp"
# Waits (a minute at most) for the photo's folder to be listed from the command line: the
# thumbnail of the photo is cached below the slot root's name.
for _ in $(seq 600); do
  [[ -f $home/data/Kasumori2/$thumbnail || -f $program/$thumbnail ]] && break
  kill -0 "$app" 2>/dev/null || { cat "$work/run.log"; fail "the installed program ended"; }
  sleep 0.1
done
[[ -f $home/data/Kasumori2/$thumbnail || -f $program/$thumbnail ]] ||
  { cat "$work/run.log"; fail "the photo's folder was not shown"; }
if [[ $(id -u) != 0 ]]; then
  [[ -f $home/data/Kasumori2/$thumbnail ]] || fail "the data folders are not in the data home"
fi
kill -0 "$app" 2>/dev/null || fail "the installed program ended"
echo "installed tree, $validated validators and the start with a photo: fine"
