#!/usr/bin/env bash
# install_test.sh -- installs a built Rotwalk into a scratch root, checks and validates it, and plays it installed and portable
#
# Usage: install_test.sh BUILD_DIR SOURCE_DIR
# Builds nothing: BUILD_DIR must hold a built game and its generated Media/.
set -uo pipefail

build=$(cd "$1" && pwd) || exit 1
source=$(cd "$2" && pwd) || exit 1
id=example.rotwalk.Rotwalk
icon_sizes=(32 48 64 128 256)
frames=30
map_width=50          # tiles in a map row
bad_option_status=2

scratch=$(mktemp -d "${TMPDIR:-/tmp}/rotwalk-install.XXXXXX") || exit 1
trap 'rm -rf "$scratch"' EXIT
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Width and height of a PNG, from its IHDR chunk.
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'
}

# Every file of a folder, relative to it, sorted.
list_files() {
  (cd "$1" && find . -type f | sed 's#^\./##' | LC_ALL=C sort)
}

# ---- the install: exactly the expected files ----
root=$scratch/root/usr
if ! DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >"$scratch/install.log" 2>&1; then
  cat "$scratch/install.log" >&2
  echo "FAIL: cmake --install" >&2
  exit 1
fi

{
  echo bin/rotwalk
  echo share/rotwalk/settings.ini
  list_files "$build/Media" | sed 's#^#share/rotwalk/Media/#'
  list_files "$source/data/Maps" | grep '\.map$' | sed 's#^#share/rotwalk/Maps/#'
  list_files "$source/data/Replays" | grep '\.rwr$' | sed 's#^#share/rotwalk/Replays/#'
  echo "share/applications/$id.desktop"
  echo "share/metainfo/$id.metainfo.xml"
  for size in "${icon_sizes[@]}"; do
    echo "share/icons/hicolor/${size}x${size}/apps/$id.png"
  done
  echo share/doc/rotwalk/README.md
  echo share/doc/rotwalk/LICENSE
  echo share/doc/rotwalk/DejaVu-LICENSE
} | LC_ALL=C sort >"$scratch/expected"
list_files "$root" >"$scratch/installed"
diff -u "$scratch/expected" "$scratch/installed" >&2 || fail "the installed files are not the expected ones"
grep -q 'share/rotwalk/Media/Game/' "$scratch/installed" || fail "no Media/Game/ installed"
[[ -x $root/bin/rotwalk ]] || fail "bin/rotwalk is not executable"
for size in "${icon_sizes[@]}"; do
  icon=$root/share/icons/hicolor/${size}x${size}/apps/$id.png
  [[ -f $icon && $(png_size "$icon") == "$size $size" ]] || fail "icon $size is not $size by $size"
done
diff -r "$build/Media" "$root/share/rotwalk/Media" >&2 || fail "installed Media/ differs from the build's"

# ---- the desktop entry and the AppStream data pass their validators ----
desktop=$root/share/applications/$id.desktop
metainfo=$root/share/metainfo/$id.metainfo.xml
if ! command -v desktop-file-validate >/dev/null; then
  fail "desktop-file-validate is missing (scripts/install-deps.sh installs desktop-file-utils)"
elif ! report=$(desktop-file-validate "$desktop" 2>&1) || [[ -n $report ]]; then
  fail "desktop-file-validate: $report"
fi
if ! command -v appstreamcli >/dev/null; then
  fail "appstreamcli is missing (scripts/install-deps.sh installs appstream)"
elif ! report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || grep -q '^[EW]:' <<<"$report"; then
  fail "appstreamcli validate: $report"
fi

# ---- installed: the game folder under XDG_DATA_HOME, the player's edits kept ----
home=$scratch/home
xdg=$scratch/xdg
elsewhere=$scratch/elsewhere
mkdir -p "$home" "$elsewhere"
play_installed() {
  (cd "$elsewhere" && HOME=$home XDG_DATA_HOME=$xdg "$root/bin/rotwalk" "$@")
}
game=$xdg/rotwalk

play_installed --frames "$frames" >"$scratch/run1.log" 2>&1 || fail "installed run exited $?: $(cat "$scratch/run1.log")"
for map in "$source"/data/Maps/*.map; do
  cmp -s "$map" "$game/Maps/$(basename "$map")" || fail "shipped map $(basename "$map") not in the game folder"
done
[[ -d $game/Saves ]] || fail "no Saves/ in the game folder"
cmp -s "$source/data/settings.ini" "$game/settings.ini" || fail "settings.ini not copied into the game folder"

# The player paints the first row of a map and turns the pointer on.
map=$(cd "$source/data/Maps" && ls -- *.map | head -n 1)
first=$(head -c 1 "$game/Maps/$map")
paint='!'
[[ $first == "$paint" ]] && paint='"'
row=$(printf '%*s' "$map_width" '' | tr ' ' "$paint")
sed -i "1s/.*/$row/" "$game/Maps/$map"
sed -i 's/^showcursor = 0$/showcursor = 1/' "$game/settings.ini"
grep -q '^showcursor = 1$' "$game/settings.ini" || fail "settings.ini could not be edited for the test"
cp "$game/Maps/$map" "$scratch/edited.map"
cp "$game/settings.ini" "$scratch/edited.ini"
play_installed --frames "$frames" >"$scratch/run2.log" 2>&1 || fail "second installed run exited $?: $(cat "$scratch/run2.log")"
cmp -s "$scratch/edited.map" "$game/Maps/$map" || fail "the edited map $map was not kept"
cmp -s "$scratch/edited.ini" "$game/settings.ini" || fail "the edited settings.ini was not kept"
[[ -z $(ls -A "$elsewhere") ]] || fail "the installed game wrote into the current folder: $(ls -A "$elsewhere")"

# ---- the command line ----
version=$(play_installed --version 2>&1)
status=$?
[[ $status -eq 0 && $version == "Rotwalk 1.0.0" ]] || fail "--version gave '$version', exit $status"
help=$(play_installed --help 2>&1)
status=$?
[[ $status -eq 0 ]] || fail "--help exited $status"
grep -qF "$game" <<<"$help" || fail "--help does not name the game folder $game: $help"
play_installed --no-such-option >/dev/null 2>&1
status=$?
[[ $status -eq $bad_option_status ]] || fail "an unknown option exited $status, not $bad_option_status"

# ---- portable: a folder holding the game and its data keeps everything inside ----
portable=$scratch/portable/game
mkdir -p "$portable/Maps"
cp "$build/rotwalk" "$portable/"
cp -r "$build/Media" "$portable/Media"
cp "$source"/data/Maps/*.map "$portable/Maps/"
cp "$source/data/settings.ini" "$portable/"
elsewhere=$scratch/elsewhere-portable
xdg=$scratch/xdg-portable
mkdir -p "$elsewhere"
(cd "$elsewhere" && HOME=$home XDG_DATA_HOME=$xdg "$portable/rotwalk" --frames "$frames") >"$scratch/run3.log" 2>&1 ||
  fail "portable run exited $?: $(cat "$scratch/run3.log")"
[[ -z $(ls -A "$elsewhere") ]] || fail "the portable game wrote into the current folder: $(ls -A "$elsewhere")"
[[ -d $portable/Saves ]] || fail "no Saves/ in the portable folder"
for map in "$source"/data/Maps/*.map; do
  cmp -s "$map" "$portable/Maps/$(basename "$map")" || fail "portable map $(basename "$map") changed or missing"
done
[[ ! -e $xdg ]] || fail "the portable game made a game folder under XDG_DATA_HOME"

if [[ $failures -gt 0 ]]; then
  echo "$failures failure(s)" >&2
  exit 1
fi
echo "install, validators, installed and portable runs: all passed"
