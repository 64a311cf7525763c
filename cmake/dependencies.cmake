# System packages only (see scripts/install-deps.sh); nothing is vendored.
find_package(Threads REQUIRED)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)
find_package(GLEW REQUIRED)
if(WIN32)
  # opengl32 (WGL); GLEW is the static library of scripts/windows-deps.sh.
  find_package(OpenGL REQUIRED)
else()
  find_package(OpenGL REQUIRED COMPONENTS OpenGL EGL)
endif()
if(FX_BUILD_TESTS)
  find_package(GTest REQUIRED)
endif()
if(FX_BENCHMARKS)
  find_package(benchmark QUIET)
  if(NOT benchmark_FOUND)
    message(STATUS "Google Benchmark not found: benchmarks are not built")
    set(FX_BENCHMARKS OFF)
  endif()
endif()

# MD5 for the preset key.
find_package(PkgConfig REQUIRED)
pkg_check_modules(NETTLE REQUIRED IMPORTED_TARGET nettle)

# The simulated host and its tools: JSON, argument parsing, the host's scripting engine
# and the host's drawing surfaces.
if(FX_BUILD_SIMHOST)
  find_package(nlohmann_json REQUIRED)
  find_package(CLI11 REQUIRED)
  pkg_check_modules(DUKTAPE REQUIRED IMPORTED_TARGET duktape)
  pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
  # cairo's own font library (libcairo2-dev brings libfontconfig-dev): fxhost ends it.
  pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
endif()
