#!/usr/bin/env bash
# Cross-builds the libraries the game links on 64-bit Windows (SDL 1.2 with
# SDLmain, SDL_mixer with Ogg Vorbis, libogg, libvorbis, zlib, LodePNG, and
# GoogleTest for the tests) from Debian's own source packages, Debian's patches
# applied, as static libraries with cmake/mingw-w64-x86_64.cmake's compilers,
# and prints the folder they are installed in: give it to CMake as
# ROTWALK_WINDOWS_PREFIX. That folder sits outside the clone, under
# ${ROTWALK_WINDOWS_DEPS:-${XDG_CACHE_HOME:-~/.cache}/rotwalk/windows-deps}, named
# by a key of the source versions, this script, the toolchain file and the
# compiler's packages: a run whose key is built already compiles nothing.
# The sources come through an apt configuration of its own under
# build/windows/apt; the machine's own apt sources are left as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
exec 3>&1 1>&2 4>&2   # stdout carries the prefix only; 4 is stderr while a log is written

host=x86_64-w64-mingw32
toolchain=$repo/cmake/mingw-w64-x86_64.cmake
# The same compilers as the toolchain file: the posix thread model.
export CC=$host-gcc-posix CXX=$host-g++-posix
export CFLAGS=-O2 CXXFLAGS=-O2
jobs=$(nproc)
work=$repo/build/windows
cache_root=${ROTWALK_WINDOWS_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/rotwalk/windows-deps}
# Debian's source packages, in the order they are built.
sources=(zlib libogg libvorbis libsdl1.2 sdl-mixer1.2 lodepng googletest)
compiler_packages=(gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  binutils-mingw-w64-x86-64 cmake)
started=$SECONDS

scripts/install-deps.sh "${compiler_packages[@]}" make pkg-config dpkg-dev xz-utils bzip2

# apt with its own source list, lists and cache: Debian's sources only, without
# touching the machine's apt setup, and without root where the folders are writable.
apt_dir=$work/apt
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$work/dl"
echo 'deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main' \
  >"$apt_dir/sources.list"
apt_opts=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null
  -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
  -o "APT::Sandbox::User=$(id -un)")

# The version of every source package, one "name version" a line. Offline, the
# lists of the last run stand in, and failing them the versions last built here.
mkdir -p "$cache_root"
read_versions() {
  local name found
  for name in "${sources[@]}"; do
    found=$(apt-cache "${apt_opts[@]}" showsrc --only-source "$name" 2>/dev/null | sed -n 's/^Version: //p' | sort -u)
    [[ -n "$found" && "$found" != *$'\n'* ]] || return 1
    echo "$name $found"
  done
}
apt-get "${apt_opts[@]}" update -q --error-on=any >&2 ||
  echo "warning: could not refresh Debian's source lists; using the last ones"
if ! versions=$(read_versions); then
  [[ -s "$cache_root/last-versions" ]] ||
    { echo "no versions for ${sources[*]}: Debian's source lists cannot be read"; exit 1; }
  echo "warning: using the source versions last built here"
  versions=$(cat "$cache_root/last-versions")
fi

# What the build depends on; its hash names the prefix.
inputs=$(
  echo "$versions"
  echo "build-windows-deps.sh $(sha256sum <"$0" | cut -d' ' -f1)"
  echo "mingw-w64-x86_64.cmake $(sha256sum <"$toolchain" | cut -d' ' -f1)"
  for p in "${compiler_packages[@]}"; do echo "$p $(dpkg-query -W -f='${Version}' "$p")"; done
)
key=$(sha256sum <<<"$inputs" | cut -c1-16)
prefix=$cache_root/$key
if [[ -f "$prefix/inputs" ]]; then
  echo "Windows libraries already built: $prefix"
  echo "$prefix" >&3
  exit 0
fi

# Everything is built in a staging folder beside the prefix and renamed into place
# only once all of it succeeded, so a killed build never leaves half a prefix.
# Staging folders of builds that died without cleaning up are removed first.
for old in "$cache_root"/.building-*; do
  if [[ -d "$old" ]] && ! kill -0 "${old##*.}" 2>/dev/null; then rm -rf "$old"; fi
done
stage=$cache_root/.building-$key.$$
log=
finish() {
  local status=$?
  rm -rf "$stage"
  if ((status != 0)) && [[ -n "$log" ]]; then
    echo "failed; the end of $log:" >&4
    tail -n 40 "$log" >&4
  fi
}
trap finish EXIT
mkdir -p "$stage"/{include,lib/pkgconfig,bin,licenses} "$work/logs"
# Each package finds the ones built before it in the staging folder, and only there.
export PKG_CONFIG_LIBDIR=$stage/lib/pkgconfig PKG_CONFIG_PATH=
export CPPFLAGS=-I$stage/include LDFLAGS=-L$stage/lib

# Debian's sources, fetched and unpacked afresh with Debian's patches applied.
src=$work/src
obj=$work/obj
rm -rf "$src" "$obj"
mkdir -p "$src" "$obj"
while read -r name version; do
  (cd "$work/dl" && apt-get "${apt_opts[@]}" source --download-only -q "$name=$version")
  dpkg-source -x "$work/dl/${name}_${version#*:}.dsc" "$src/$name" >/dev/null
done <<<"$versions"

# zlib: the Debian source has no win32/ makefiles, so its CMake build, static part only.
build_zlib() {
  cmake -S "$src/zlib" -B "$obj/zlib" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$stage"
  cmake --build "$obj/zlib" --target zlibstatic -j "$jobs"
  install -m 644 "$obj/zlib/libzlibstatic.a" "$stage/lib/libz.a"
  install -m 644 "$src/zlib/zlib.h" "$obj/zlib/zconf.h" "$stage/include/"
  install -m 644 "$obj/zlib/zlib.pc" "$stage/lib/pkgconfig/"
}

# Autotools packages, built in their own tree, static only.
configure_make_install() {
  local name=$1
  shift
  cd "$src/$name"
  ./configure --host=$host --prefix="$stage" --disable-shared --enable-static "$@"
  make -j "$jobs"
  make install
  cd "$repo"
}

# SDL: windib (GDI) and dummy video, waveout and dummy audio, winmm joystick.
# Without DirectX, whose sound driver SDL would try before waveout, and without
# SDLmain's redirection of stdout and stderr to files: the game writes its messages there.
build_sdl() {
  configure_make_install libsdl1.2 --disable-stdio-redirect --disable-directx --disable-video-opengl
  local config=$stage/include/SDL/SDL_config.h wanted
  for wanted in SDL_VIDEO_DRIVER_WINDIB SDL_VIDEO_DRIVER_DUMMY SDL_AUDIO_DRIVER_WAVEOUT \
    SDL_AUDIO_DRIVER_DUMMY SDL_JOYSTICK_WINMM SDL_THREAD_WIN32; do
    grep -q "^#define $wanted 1" "$config" || { echo "SDL was configured without $wanted"; return 1; }
  done
  # SDLmain must hand over to the game's main without redirecting its output (its
  # redirection code stays in, run only when SDL_STDIO_REDIRECT=1 asks for it).
  grep -q ' T WinMain$' <<<"$($host-nm "$stage/lib/libSDLmain.a")" || { echo "libSDLmain.a has no WinMain"; return 1; }
  grep -q -E 'compile: .* -DNO_STDIO_REDIRECT .*SDL_win32_main\.c' "$log" ||
    { echo "SDLmain was compiled without NO_STDIO_REDIRECT"; return 1; }
}

# SDL_mixer: WAV and Ogg Vorbis, the decoder linked in rather than loaded at run time.
# Its check for libvorbisfile links it alone, which a static one cannot be: LIBS
# adds what that needs. Only the library: its players would need SDL's static link flags.
build_sdl_mixer() {
  cd "$src/sdl-mixer1.2"
  ./configure --host=$host --prefix="$stage" --disable-shared --enable-static --with-sdl-prefix="$stage" \
    --disable-sdltest --enable-music-wave --enable-music-ogg --disable-music-ogg-shared \
    --disable-music-ogg-tremor --disable-music-cmd --disable-music-mod --disable-music-midi \
    --disable-music-flac --disable-music-mp3 LIBS="-lvorbis -logg"
  make build   # the objects' folder, which the library's own target does not make
  make -j "$jobs" build/libSDL_mixer.la
  make install-hdrs install-lib
  cd "$repo"
  # Its .pc names no Vorbis, which a static SDL_mixer needs after it: pkg-config --static does.
  echo 'Requires.private: vorbisfile' >>"$stage/lib/pkgconfig/SDL_mixer.pc"
  local symbols
  symbols=$($host-nm "$stage/lib/libSDL_mixer.a")
  grep -q ' U ov_open_callbacks$' <<<"$symbols" || { echo "SDL_mixer was built without Ogg Vorbis"; return 1; }
  if grep -q -E ' T (Timidity_Init|MikMod_Init|MP3_|FLAC_)' <<<"$symbols"; then
    echo "SDL_mixer was built with a music format it should not have"
    return 1
  fi
}

# LodePNG: the one C++ file Debian builds its library from, as a static library.
build_lodepng() {
  mkdir -p "$obj/lodepng"
  $CXX $CXXFLAGS -Wall -Wextra -c "$src/lodepng/lodepng.cpp" -o "$obj/lodepng/lodepng.o"
  $host-ar rcs "$stage/lib/liblodepng.a" "$obj/lodepng/lodepng.o"
  install -m 644 "$src/lodepng/lodepng.h" "$stage/include/"
}

# GoogleTest without GMock, with its CMake package; its own locks use Windows'
# API rather than pthreads, so its package asks for no Threads.
build_googletest() {
  cmake -S "$src/googletest" -B "$obj/googletest" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$stage" -DBUILD_SHARED_LIBS=OFF \
    -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON -Dgtest_disable_pthreads=ON
  cmake --build "$obj/googletest" -j "$jobs"
  cmake --install "$obj/googletest"
}

while read -r name version; do
  echo "Building $name $version"
  log=$work/logs/$name.log
  case $name in
    zlib) build_zlib ;;
    libogg) configure_make_install libogg ;;
    libvorbis) configure_make_install libvorbis --with-ogg="$stage" --disable-oggtest --disable-docs --disable-examples ;;
    libsdl1.2) build_sdl ;;
    sdl-mixer1.2) build_sdl_mixer ;;
    lodepng) build_lodepng ;;
    googletest) build_googletest ;;
  esac >"$log" 2>&1
  log=
  # Each package's terms travel with the libraries: Debian's copyright file and
  # the upstream licence files.
  mkdir -p "$stage/licenses/$name"
  cp "$src/$name/debian/copyright" "$stage/licenses/$name/copyright"
  find "$src/$name" -maxdepth 1 -type f \( -name 'COPYING*' -o -name 'LICENSE*' \) \
    -exec cp {} "$stage/licenses/$name/" \;
done <<<"$versions"

# A program calling each library links as pkg-config --static says, with the
# game's static runtime, and needs no DLL but Windows' own: the prefix is whole
# before it is kept.
link_check() {
  local dir=$obj/link-check imports
  mkdir -p "$dir"
  cat >"$dir/check.cpp" <<'END'
#include <SDL.h>
#include <SDL_mixer.h>
#include <lodepng.h>
#include <zlib.h>

int main(int argc, char *argv[])
{
    unsigned char pixel[4] = {1, 2, 3, 4}, packed[64], *png = nullptr;
    uLongf size = sizeof packed;
    size_t png_size = 0;
    int failed = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) != 0 ||
        Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0 || Mix_Init(MIX_INIT_OGG) != MIX_INIT_OGG ||
        compress(packed, &size, pixel, sizeof pixel) != Z_OK ||
        lodepng_encode_memory(&png, &png_size, pixel, 1, 1, LCT_RGBA, 8) != 0;
    free(png);
    SDL_Quit();
    return failed || argc < 1 || argv[0] == nullptr;
}
END
  # shellcheck disable=SC2046 # pkg-config's flags are separate words
  $CXX -static -static-libgcc -static-libstdc++ "$dir/check.cpp" -o "$dir/check.exe" \
    $(pkg-config --static --cflags --libs SDL_mixer zlib) -llodepng
  imports=$($host-objdump -p "$dir/check.exe" | sed -n 's/^\s*DLL Name: //p' | tr '[:lower:]' '[:upper:]')
  echo "check.exe imports: ${imports//$'\n'/ }"
  if grep -v -x -E '(KERNEL32|USER32|GDI32|WINMM|ADVAPI32|MSVCRT)\.DLL' <<<"$imports"; then
    echo "check.exe needs the DLLs above, which Windows does not have"
    return 1
  fi
}
log=$work/logs/link-check.log
link_check >"$log" 2>&1
log=

# Every program linked statically carries MinGW-w64's runtime and winpthread: their terms too.
mkdir -p "$stage/licenses/mingw-w64"
cp /usr/share/doc/mingw-w64-x86-64-dev/copyright "$stage/licenses/mingw-w64/copyright"

# Libtool archives and manuals are of no use to a cross build; the text files
# left (pkg-config, sdl-config, CMake packages) are told the prefix's final path.
find "$stage/lib" -name '*.la' -delete
rm -rf "$stage/share/doc" "$stage/share/man"
staged=$(printf '%s' "$stage" | sed 's/[][\.*^$|]/\\&/g')
{ grep -rlIZ -F "$stage" "$stage" || true; } | xargs -0 -r sed -i "s|$staged|$prefix|g"
if grep -rlaF "$stage" "$stage"; then
  echo "the files above still name the staging folder"
  exit 1
fi
echo "$inputs" >"$stage/inputs"

# Another run may have finished the same key meanwhile: its prefix is as good.
mv -T "$stage" "$prefix" 2>/dev/null || [[ -f "$prefix/inputs" ]]
echo "$versions" >"$cache_root/last-versions"
echo "Windows libraries built in $((SECONDS - started)) s: $prefix"
echo "$prefix" >&3
