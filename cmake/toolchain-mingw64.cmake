# Cross-builds for 64-bit Windows with Debian's mingw-w64 compilers (the posix thread
# model, which std::thread and std::mutex need). Use it as
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake -DFX_WINDOWS_DEPS=<prefix> ...
# where <prefix> holds the libraries scripts/windows-deps.sh built for Windows.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(fx_mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${fx_mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${fx_mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${fx_mingw_triple}-windres)
set(CMAKE_OBJDUMP ${fx_mingw_triple}-objdump)

# The prefix also reaches try_compile projects, which see only the listed variables,
# and child processes such as the scripts' own configure runs through the environment.
if(NOT FX_WINDOWS_DEPS AND DEFINED ENV{FX_WINDOWS_DEPS})
  set(FX_WINDOWS_DEPS "$ENV{FX_WINDOWS_DEPS}")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES FX_WINDOWS_DEPS)

set(CMAKE_FIND_ROOT_PATH /usr/${fx_mingw_triple} ${FX_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config must see the Windows prefix only, never the Linux .pc files.
if(FX_WINDOWS_DEPS)
  set(ENV{PKG_CONFIG_LIBDIR} "${FX_WINDOWS_DEPS}/lib/pkgconfig")
  set(ENV{PKG_CONFIG_PATH} "")
endif()

# The C and C++ runtimes and winpthread are linked in, so the plug-in and the programs
# need no MinGW DLL next to them on the user's machine.
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
endforeach()
