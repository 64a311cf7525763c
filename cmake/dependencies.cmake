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
# A Windows build of the tests and the simulated host also searches the prefix of
# scripts/windows-test-deps.sh (GoogleTest, nlohmann-json, CLI11 for Windows).
if(CMAKE_CROSSCOMPILING AND FX_WINDOWS_TEST_DEPS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${FX_WINDOWS_TEST_DEPS})
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
  # fx_cairo: the drawing surfaces' library with FX_CAIRO defined, or nothing: without
  # cairo (the Windows build) the host's panel area keeps its images but draws nothing.
  add_library(fx_cairo INTERFACE)
  if(FX_CAIRO)
    pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
    # cairo's own font library (libcairo2-dev brings libfontconfig-dev): fxhost ends it.
    pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
    target_link_libraries(fx_cairo INTERFACE PkgConfig::CAIRO PkgConfig::FONTCONFIG)
    target_compile_definitions(fx_cairo INTERFACE FX_CAIRO)
  endif()
endif()
