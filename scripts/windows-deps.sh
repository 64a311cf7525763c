#!/usr/bin/env bash
# windows-deps.sh: builds the plug-in's libraries (zlib, libpng, libjpeg, GLEW, nettle)
# and the simulated host's scripting engine (duktape) for 64-bit Windows from Debian's source packages, as static libraries in one prefix,
# and prints that prefix on its last line of output.
#
# The prefix is cached under ${FX_WINDOWS_DEPS_CACHE:-$HOME/.cache/fx-windows-deps}, in
# a folder named after the source package versions and this script's and the
# toolchain file's contents: a second run with nothing changed only prints the path.
# Nothing prebuilt is downloaded. Needs the deb-src entries that apt-get source reads;
# when there are none it adds them (as root) next to the binary entries.
#
# One function per package (build_<package>); to add one, write its function and add
# its source package to `packages`.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
toolchain=$root/cmake/toolchain-mingw64.cmake
triple=x86_64-w64-mingw32
jobs=$(nproc 2>/dev/null || echo 2)
cache_root=${FX_WINDOWS_DEPS_CACHE:-$HOME/.cache/fx-windows-deps}
packages=(zlib libpng1.6 libjpeg-turbo glew nettle duktape)

say() { echo "windows-deps: $*" >&2; }
die() {
  say "$*"
  exit 1
}

# Runs a build step with its output in the log; shows the log's end when it fails.
logged() {
  if ! "$@" >>"$work/build.log" 2>&1; then
    tail -n 40 "$work/build.log" >&2
    die "failed: $*"
  fi
}

# Where apt reads its entries (apt-config knows; normally /etc/apt/sources.list{,.d}).
apt_sources() {
  eval "$(apt-config shell source_list Dir::Etc::sourcelist/f source_parts Dir::Etc::sourceparts/d)"
  source_parts=${source_parts%/}
}

has_source_entries() {
  grep -qsE '^[[:space:]]*deb-src[[:space:]]|^Types:.*\bdeb-src\b' \
    "$source_list" "$source_parts"/*.list "$source_parts"/*.sources
}

# The deb-src twins of Debian's own binary entries: same mirrors, suites and components.
add_source_entries() {
  [ "$(id -u)" = 0 ] || die "apt has no deb-src entries; run once as root so that they can be added"
  local out=$source_parts/fx-windows-deps-src
  if [ -f "$source_parts/debian.sources" ]; then
    sed -E 's/^Types:.*/Types: deb-src/' "$source_parts/debian.sources" >"$out.sources"
  elif [ -f "$source_list" ] && grep -qE '^[[:space:]]*deb[[:space:]]' "$source_list"; then
    sed -nE 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$source_list" >"$out.list"
  else
    die "found neither $source_parts/debian.sources nor deb lines in $source_list to derive deb-src entries from"
  fi
  say "added deb-src entries: $(ls "$out".*)"
}

known_versions() {
  apt-cache showsrc --only-source "$1" 2>/dev/null | awk '/^Version:/ {print $2}'
}

# Newest first, in Debian's version order.
newest_first() {
  local sorted=() v i
  while read -r v; do
    [ -n "$v" ] || continue
    for ((i = 0; i < ${#sorted[@]}; i++)); do
      [ "$v" = "${sorted[i]}" ] && continue 2
      if dpkg --compare-versions "$v" gt "${sorted[i]}"; then break; fi
    done
    sorted=("${sorted[@]:0:i}" "$v" "${sorted[@]:i}")
  done
  printf '%s\n' "${sorted[@]}"
}

ensure_source_index() {
  if [ -n "$(known_versions "${packages[0]}")" ]; then return; fi
  apt_sources
  has_source_entries || add_source_entries
  [ "$(id -u)" = 0 ] || die "apt's source index is missing; run apt-get update as root"
  apt-get update -qq
  [ -n "$(known_versions "${packages[0]}")" ] ||
    die "apt knows no source package ${packages[0]} even after adding deb-src entries"
}

# Every source version apt knows of each package: a new one, or a changed script or
# toolchain file, makes a new prefix.
cache_key() {
  local p
  {
    for p in "${packages[@]}"; do known_versions "$p" | sed "s/^/$p /"; done
    cat "$0" "$toolchain"
  } | sha256sum | cut -c1-16
}

# Unpacks the newest source version that the mirrors still serve (an index can name
# files a mirror no longer or not yet holds) and prints its folder.
fetch_source() {
  local dir=$work/src/$1 v
  for v in $(known_versions "$1" | newest_first); do
    rm -rf "$dir" && mkdir -p "$dir"
    if (cd "$dir" && apt-get source -qq "$1=$v" >>"$work/build.log" 2>&1); then
      echo "$1 $v" >>"$work/fetched"
      find "$dir" -mindepth 1 -maxdepth 1 -type d | head -n1
      return
    fi
    say "cannot fetch $1 $v from the mirrors; trying an older version"
  done
  die "no source version of $1 could be fetched (see apt-get source $1)"
}

cmake_for_windows() {
  local src=$1 dir=$2
  shift 2
  logged cmake -S "$src" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DFX_WINDOWS_DEPS="$prefix" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" "$@"
}

# Debian's zlib source has no Windows makefile; the library is every C file at the top.
build_zlib() {
  local src=$1 dir=$work/build-zlib f
  mkdir -p "$dir"
  for f in "$src"/*.c; do
    logged "$triple-gcc-posix" -O2 -c "$f" -o "$dir/$(basename "$f" .c).o"
  done
  logged "$triple-ar" rcs "$prefix/lib/libz.a" "$dir"/*.o
  install -m 644 "$src/zlib.h" "$src/zconf.h" "$prefix/include/"
}

build_libpng1.6() {
  local src=$1 dir=$work/build-libpng
  cmake_for_windows "$src" "$dir" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DZLIB_ROOT="$prefix"
  logged cmake --build "$dir" -j"$jobs" --target png_static
  install -m 644 "$dir"/libpng16.a "$prefix/lib/libpng16.a"
  ln -sf libpng16.a "$prefix/lib/libpng.a"
  install -m 644 "$src/png.h" "$src/pngconf.h" "$dir/pnglibconf.h" "$prefix/include/"
}

build_libjpeg-turbo() {
  local src=$1 dir=$work/build-jpeg
  cmake_for_windows "$src" "$dir" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF
  logged cmake --build "$dir" -j"$jobs" --target jpeg-static
  install -m 644 "$dir/libjpeg.a" "$prefix/lib/"
  install -m 644 "$src/jpeglib.h" "$src/jerror.h" "$src/jmorecfg.h" "$dir/jconfig.h" "$prefix/include/"
}

# GLEW's one source file is compiled as it stands; the config file makes find_package
# report the static library with the define its header needs to declare it so.
build_glew() {
  local src=$1
  logged "$triple-gcc-posix" -O2 -DGLEW_STATIC -DGLEW_NO_GLU -I"$src/include" -c "$src/src/glew.c" -o "$work/glew.o"
  logged "$triple-ar" rcs "$prefix/lib/libglew32s.a" "$work/glew.o"
  mkdir -p "$prefix/include/GL" "$prefix/lib/cmake/glew"
  install -m 644 "$src"/include/GL/glew.h "$src"/include/GL/wglew.h "$prefix/include/GL/"
  cat >"$prefix/lib/cmake/glew/glew-config.cmake" <<'EOF'
# Written by scripts/windows-deps.sh: GLEW built as a static library for Windows.
get_filename_component(_glew_prefix "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)
if(NOT TARGET GLEW::GLEW)
  add_library(GLEW::GLEW STATIC IMPORTED)
  set_target_properties(GLEW::GLEW PROPERTIES
    IMPORTED_LOCATION "${_glew_prefix}/lib/libglew32s.a"
    IMPORTED_LOCATION_RELEASE "${_glew_prefix}/lib/libglew32s.a"
    INTERFACE_INCLUDE_DIRECTORIES "${_glew_prefix}/include"
    INTERFACE_COMPILE_DEFINITIONS "GLEW_STATIC;GLEW_NO_GLU"
    INTERFACE_LINK_LIBRARIES "opengl32")
endif()
set(GLEW_CONFIG "${CMAKE_CURRENT_LIST_FILE}")
set(GLEW_FOUND TRUE)
EOF
}

# MD5 is all the plug-in takes from nettle: no public-key half, so no GMP.
build_nettle() {
  local src=$1
  # Debian's patch touches aclocal.m4 after configure; what configure makes is current.
  touch "$src/configure" "$src/config.h.in" "$src/stamp-h.in"
  (cd "$src" && logged ./configure --host="$triple" CC="$triple-gcc-posix" CFLAGS=-O2 --prefix="$prefix" \
    --disable-shared --enable-static --disable-public-key --disable-assembler --disable-documentation \
    --disable-openssl)
  logged make -C "$src" -j"$jobs" libnettle.a
  logged make -C "$src" install-headers install-static install-pkgconfig
}

# The simulated host's scripting engine: the one amalgamated C file of the source, as a
# static library, with the pkg-config file the host's build looks for.
build_duktape() {
  local src=$1 dir
  dir=$(dirname "$(find "$src" -path '*/src/duktape.c' -o -path '*/src-noline/duktape.c' | sort | head -n1)")
  [ -f "$dir/duktape.c" ] || die "duktape.c not found in $src"
  logged "$triple-gcc-posix" -O2 -std=c99 -c "$dir/duktape.c" -o "$work/duktape.o"
  logged "$triple-ar" rcs "$prefix/lib/libduktape.a" "$work/duktape.o"
  install -m 644 "$dir/duktape.h" "$dir/duk_config.h" "$prefix/include/"
  mkdir -p "$prefix/lib/pkgconfig"
  cat >"$prefix/lib/pkgconfig/duktape.pc" <<EOF
prefix=$prefix
Name: duktape
Description: Embeddable JavaScript engine (static, for Windows)
Version: $(basename "$src" | sed 's/^duktape-//')
Libs: -L\${prefix}/lib -lduktape
Cflags: -I\${prefix}/include
EOF
}

need_programs() {
  local program
  for program in "$triple-gcc-posix" "$triple-ar" dpkg-source cmake make flock; do
    command -v "$program" >/dev/null ||
      die "$program not found; scripts/install-deps.sh installs it (as root)"
  done
}

main() {
  need_programs
  ensure_source_index
  local key
  key=$(cache_key)
  prefix=$cache_root/$key
  mkdir -p "$cache_root"
  # Builds sharing the cache wait for each other rather than build one prefix twice.
  exec 9>"$prefix.lock"
  flock 9
  if [ -f "$prefix/.complete" ]; then
    say "cached: $prefix"
    echo "$prefix"
    return
  fi
  rm -rf "$prefix"
  mkdir -p "$prefix/lib" "$prefix/include"
  work=$(mktemp -d "$cache_root/work.XXXXXX")
  trap 'rm -rf "$work"' EXIT
  local p src
  for p in "${packages[@]}"; do
    src=$(fetch_source "$p") || exit 1
    [ -n "$src" ] || die "apt-get source $p gave no source folder"
    say "building $p ($(basename "$src"))"
    SECONDS=0
    "build_$p" "$src"
    say "built $p in ${SECONDS}s"
  done
  cp "$work/fetched" "$prefix/.sources"
  touch "$prefix/.complete"
  say "built: $prefix"
  echo "$prefix"
}

main "$@"
