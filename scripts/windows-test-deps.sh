#!/usr/bin/env bash
# windows-test-deps.sh: builds what the Windows test suite and the Windows simulated host
# need on top of scripts/windows-deps.sh: GoogleTest and GoogleMock for 64-bit Windows,
# from the sources Debian's googletest package installs under /usr/src/googletest, and
# the header-only nlohmann-json and CLI11 staged from the system's headers. Prints the
# prefix on its last line of output.
#
# The prefix is cached under ${FX_WINDOWS_DEPS_CACHE:-$HOME/.cache/fx-windows-deps}, in a
# folder named after the packages' versions and this script's and the toolchain file's
# contents.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
toolchain=$root/cmake/toolchain-mingw64.cmake
jobs=$(nproc 2>/dev/null || echo 2)
cache_root=${FX_WINDOWS_DEPS_CACHE:-$HOME/.cache/fx-windows-deps}
gtest_src=/usr/src/googletest
packages=(googletest nlohmann-json3-dev libcli11-dev)

say() { echo "windows-test-deps: $*" >&2; }
die() {
  say "$*"
  exit 1
}

installed_version() {
  dpkg-query -W -f='${Version}' "$1" 2>/dev/null || true
}

cache_key() {
  local p
  {
    for p in "${packages[@]}"; do echo "$p $(installed_version "$p")"; done
    cat "$0" "$toolchain"
  } | sha256sum | cut -c1-16
}

logged() {
  if ! "$@" >>"$work/build.log" 2>&1; then
    tail -n 40 "$work/build.log" >&2
    die "failed: $*"
  fi
}

build_googletest() {
  logged cmake -S "$gtest_src" -B "$work/build-gtest" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON
  logged cmake --build "$work/build-gtest" -j"$jobs"
  logged cmake --install "$work/build-gtest"
}

# Header-only: the headers as the system has them, and config files of our own that
# name them (the system's config files point at /usr).
stage_headers() {
  mkdir -p "$prefix/include" "$prefix/lib/cmake/nlohmann_json" "$prefix/lib/cmake/CLI11"
  cp -r /usr/include/nlohmann /usr/include/CLI "$prefix/include/"
  cat >"$prefix/lib/cmake/nlohmann_json/nlohmann_jsonConfig.cmake" <<'EOF'
# Written by scripts/windows-test-deps.sh: the system's header-only nlohmann-json.
get_filename_component(_json_prefix "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)
if(NOT TARGET nlohmann_json::nlohmann_json)
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${_json_prefix}/include")
endif()
set(nlohmann_json_FOUND TRUE)
EOF
  cat >"$prefix/lib/cmake/CLI11/CLI11Config.cmake" <<'EOF'
# Written by scripts/windows-test-deps.sh: the system's header-only CLI11.
get_filename_component(_cli11_prefix "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)
if(NOT TARGET CLI11::CLI11)
  add_library(CLI11::CLI11 INTERFACE IMPORTED)
  set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${_cli11_prefix}/include")
endif()
set(CLI11_FOUND TRUE)
EOF
}

main() {
  [ -f "$gtest_src/CMakeLists.txt" ] || die "$gtest_src not found; scripts/install-deps.sh installs googletest"
  [ -d /usr/include/nlohmann ] && [ -d /usr/include/CLI ] ||
    die "nlohmann-json or CLI11 headers missing; scripts/install-deps.sh installs them"
  local key
  key=$(cache_key)
  prefix=$cache_root/tests-$key
  mkdir -p "$cache_root"
  exec 9>"$prefix.lock"
  flock 9
  if [ -f "$prefix/.complete" ]; then
    say "cached: $prefix"
    echo "$prefix"
    return
  fi
  rm -rf "$prefix"
  mkdir -p "$prefix"
  work=$(mktemp -d "$cache_root/work.XXXXXX")
  trap 'rm -rf "$work"' EXIT
  SECONDS=0
  build_googletest
  stage_headers
  say "built GoogleTest and staged the headers in ${SECONDS}s"
  touch "$prefix/.complete"
  echo "$prefix"
}

main "$@"
