#!/usr/bin/env bash
# build-deb.sh -- builds rotwalk_<version>_<arch>.deb in the project's root from a
# hardened release build in build/deb/build, then checks it with lintian.
#
# The package holds what "cmake --install" installs under /usr, the binary
# stripped, plus the copyright file, the changelog and the manual page. Its
# dependencies come from dpkg-shlibdeps, run in the scratch folder build/deb/pkg.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
JOBS=$(nproc 2>/dev/null || echo 2)
BUILD=$ROOT/build/deb/build
PKG=$ROOT/build/deb/pkg       # holds debian/ for dpkg-shlibdeps and dpkg-gencontrol
STAGE=$ROOT/build/deb/stage   # the package's files, as installed
DOC=$STAGE/usr/share/doc/rotwalk

scripts/install-deps.sh
scripts/install-deb-deps.sh

# The version the game prints is the package's; the changelog must agree.
version=$(sed -n 's/^const char VERSION_TEXT\[\] = "Rotwalk \([^"]*\)";$/\1/p' src/app/command_line.h)
logged=$(dpkg-parsechangelog -l packaging/deb/changelog -SVersion)
if [[ -z $version || $version != "$logged" ]]; then
  echo "build-deb.sh: the game says version '$version', packaging/deb/changelog '$logged'" >&2
  exit 1
fi
arch=$(dpkg --print-architecture)
# Every file dated by the changelog's last entry, so the same sources give the same package.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l packaging/deb/changelog -STimestamp)
export SOURCE_DATE_EPOCH
deb=$ROOT/rotwalk_${version}_${arch}.deb

# Debian's hardening flags, in this build folder only: the ordinary release
# build keeps its own. Release's -O3 -DNDEBUG still follow them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
# Debian keeps games in /usr/games and their data in /usr/share/games; the
# copyright file holds the licences.
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DROTWALK_TESTS=OFF \
  -DCMAKE_INSTALL_BINDIR=games -DCMAKE_INSTALL_DATADIR=share/games -DROTWALK_INSTALL_LICENSES=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
# The game and its generated media only; the other tools are not packaged.
cmake --build "$BUILD" -j "$JOBS" --target rotwalk media

rm -rf "$STAGE" "$PKG"
DESTDIR=$STAGE cmake --install "$BUILD" --prefix /usr >/dev/null
strip --remove-section=.comment --remove-section=.note "$STAGE/usr/games/rotwalk"
install -m 0644 packaging/deb/copyright "$DOC/copyright"
gzip -9n <packaging/deb/changelog >"$DOC/changelog.gz"
mkdir -p "$STAGE/usr/share/man/man6"
gzip -9n <data/rotwalk.6 >"$STAGE/usr/share/man/man6/rotwalk.6.gz"
# Whatever the umask: folders and the game 0755, every other file 0644.
find "$STAGE" -type d -exec chmod 0755 {} +
find "$STAGE" -type f -exec chmod 0644 {} +
chmod 0755 "$STAGE/usr/games/rotwalk"

mkdir -p "$PKG/debian" "$STAGE/DEBIAN"
cp packaging/deb/control packaging/deb/changelog "$PKG/debian/"
(
  cd "$PKG"
  dpkg-shlibdeps -Tdebian/substvars "$STAGE/usr/games/rotwalk"
  dpkg-gencontrol -protwalk -Tdebian/substvars -P"$STAGE"
)
(cd "$STAGE" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum >DEBIAN/md5sums)
chmod 0644 "$STAGE/DEBIAN/control" "$STAGE/DEBIAN/md5sums"

find "$STAGE" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
rm -f "$ROOT"/rotwalk_*_"$arch".deb
dpkg-deb --root-owner-group --build "$STAGE" "$deb" >/dev/null
echo "Built $(basename "$deb") ($(du -h "$deb" | cut -f1))"
dpkg-deb -f "$deb" Depends
lintian --fail-on error,warning --info --display-info "$deb"
