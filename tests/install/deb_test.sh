#!/usr/bin/env bash
# deb_test.sh -- checks the Debian package: its control fields, that it holds
# what "cmake --install" installs plus the Debian files, and that the game
# unpacked from it starts and plays headless
#
# Usage: deb_test.sh [DEB [BUILD_DIR]]
# DEB defaults to the rotwalk_*.deb in the project's root, BUILD_DIR to
# build/deb/build, the folder scripts/build-deb.sh built it from.
set -uo pipefail

source=$(cd "$(dirname "$0")/../.." && pwd) || exit 1
arch=$(dpkg --print-architecture)
debs=("$source"/rotwalk_*_"$arch".deb)
deb=${1:-${debs[0]}}
build=${2:-$source/build/deb/build}
[[ -f $deb ]] || { echo "FAIL: no package (run ./build.sh deb)" >&2; exit 1; }
[[ -d $build ]] || { echo "FAIL: no build folder $build" >&2; exit 1; }
frames=30

scratch=$(mktemp -d "${TMPDIR:-/tmp}/rotwalk-deb.XXXXXX") || exit 1
trap 'rm -rf "$scratch"' EXIT
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

list_files() {
  (cd "$1" && find . -type f | sed 's#^\./##' | LC_ALL=C sort)
}

field() {
  dpkg-deb -f "$deb" "$1"
}

# ---- the control fields ----
[[ $(field Package) == rotwalk ]] || fail "Package is '$(field Package)'"
[[ $(field Architecture) == "$arch" ]] || fail "Architecture is '$(field Architecture)', not $arch"
[[ $(field Section) == games ]] || fail "Section is '$(field Section)', not games"
[[ $(field Priority) == optional ]] || fail "Priority is '$(field Priority)', not optional"
[[ $(field Maintainer) == "Rotwalk developers <rotwalk@example.org>" ]] || fail "Maintainer is '$(field Maintainer)'"
depends=$(field Depends)
for library in libsdl1.2debian libsdl-image1.2 libsdl-mixer1.2 libc6; do
  grep -qE "(^|, )$library \(>= [^)]+\)" <<<"$depends" || fail "Depends has no versioned $library: $depends"
done
[[ $(field Description | sed -n '2,$p' | grep -c .) -ge 3 ]] || fail "the Description has no long text"
[[ $(field Installed-Size) -gt 0 ]] 2>/dev/null || fail "no Installed-Size"
# Every dependency is one this system can meet, as "apt install ./the.deb" needs.
apt-get install -s -q "$deb" >"$scratch/apt.log" 2>&1 || fail "apt-get could not plan the install: $(cat "$scratch/apt.log")"

# ---- the files: what cmake --install puts there, and the Debian files ----
root=$scratch/root
dpkg -x "$deb" "$root" || fail "dpkg -x failed"
if ! DESTDIR="$scratch/cmake" cmake --install "$build" --prefix /usr >"$scratch/install.log" 2>&1; then
  fail "cmake --install: $(cat "$scratch/install.log")"
fi
{
  list_files "$scratch/cmake"
  echo usr/share/doc/rotwalk/copyright
  echo usr/share/doc/rotwalk/changelog.gz
  echo usr/share/man/man6/rotwalk.6.gz
} | LC_ALL=C sort >"$scratch/expected"
list_files "$root" >"$scratch/packaged"
diff -u "$scratch/expected" "$scratch/packaged" >&2 || fail "the package's files are not cmake --install's plus the Debian files"
diff -r "$scratch/cmake/usr/share/games" "$root/usr/share/games" >&2 || fail "the packaged data differ from cmake --install's"
game=$root/usr/games/rotwalk
readelf -S "$game" 2>/dev/null | grep -q '\.symtab' && fail "usr/games/rotwalk is not stripped"
# Owned by root, folders and the game 0755, every other file 0644.
dpkg-deb -c "$deb" | awk '$2 != "root/root" ||
  ($1 ~ /^d/ && $1 != "drwxr-xr-x") ||
  ($1 ~ /^-/ && $NF == "./usr/games/rotwalk" && $1 != "-rwxr-xr-x") ||
  ($1 ~ /^-/ && $NF != "./usr/games/rotwalk" && $1 != "-rw-r--r--")' >"$scratch/modes"
[[ ! -s $scratch/modes ]] || fail "wrong owner or mode: $(cat "$scratch/modes")"
dpkg-deb -e "$deb" "$scratch/control"
(cd "$root" && md5sum --quiet -c "$scratch/control/md5sums") >&2 || fail "md5sums do not match the files"

# ---- the Debian files ----
doc=$root/usr/share/doc/rotwalk
head -n 1 "$doc/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
  fail "copyright is not in the machine-readable format"
for licence in Expat Bitstream-Vera; do
  grep -q "^License: $licence\$" "$doc/copyright" || fail "copyright has no $licence licence text"
done
version=$(field Version)
zcat "$doc/changelog.gz" | head -n 1 | grep -q "^rotwalk ($version) " || fail "the changelog does not start with $version"
manual=$root/usr/share/man/man6/rotwalk.6.gz
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" 2>&1 >/dev/null)
[[ -z $warnings ]] || fail "the manual page has warnings: $warnings"

# ---- the unpacked game: its version, its options in the manual, a headless run ----
home=$scratch/home
xdg=$scratch/xdg
elsewhere=$scratch/elsewhere
mkdir -p "$home" "$elsewhere"
play() {
  (cd "$elsewhere" && HOME=$home XDG_DATA_HOME=$xdg "$game" "$@")
}
said=$(play --version 2>&1)
[[ $? -eq 0 && $said == "Rotwalk $version" ]] || fail "--version gave '$said', the package is $version"
help=$(play --help 2>&1) || fail "--help exited $?"
grep -qF "Data folder: $root/usr/share/games/rotwalk" <<<"$help" || fail "the game does not find its data in the package: $help"
for option in $(grep -oE -- '--[a-z-]+' <<<"$help" | sort -u); do
  zcat "$manual" | grep -qF -- "${option//-/\\-}" || fail "the manual page does not describe $option"
done
play --frames "$frames" >"$scratch/run.log" 2>&1 || fail "the packaged game exited $?: $(cat "$scratch/run.log")"
for map in "$root"/usr/share/games/rotwalk/Maps/*.map; do
  cmp -s "$map" "$xdg/rotwalk/Maps/$(basename "$map")" || fail "shipped map $(basename "$map") not in the game folder"
done
[[ -f $xdg/rotwalk/settings.ini ]] || fail "no settings.ini in the game folder"
[[ -z $(ls -A "$elsewhere") ]] || fail "the game wrote into the current folder: $(ls -A "$elsewhere")"

if [[ $failures -gt 0 ]]; then
  echo "$failures failure(s)" >&2
  exit 1
fi
echo "$(basename "$deb"): control fields, files, Debian files and a headless run: all passed"
