# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads, for
# std::thread and std::mutex), and running the results under Wine. Used by the
# windows-core preset: the Qt-free core and its tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Libraries and headers come from the MinGW-w64 tree only, never from the
# Linux system; programs (the compilers, ninja) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime linked in, so that a test program runs under Wine (or on a
# Windows machine) without the MinGW DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Eigen and nlohmann's JSON library are headers only, the same for every
# target. Their Debian packages are found through a prefix of links in the
# build folder that holds those two header folders and nothing else, so the
# Linux /usr/include never reaches the Windows compiler.
set(_host_headers "${CMAKE_BINARY_DIR}/host-headers")
if(NOT EXISTS "${_host_headers}/share/eigen3/cmake")
  file(MAKE_DIRECTORY "${_host_headers}/include" "${_host_headers}/share/eigen3" "${_host_headers}/share/cmake")
  file(CREATE_LINK /usr/include/eigen3 "${_host_headers}/include/eigen3" SYMBOLIC)
  file(CREATE_LINK /usr/include/nlohmann "${_host_headers}/include/nlohmann" SYMBOLIC)
  file(CREATE_LINK /usr/share/eigen3/cmake "${_host_headers}/share/eigen3/cmake" SYMBOLIC)
  file(CREATE_LINK /usr/share/cmake/nlohmann_json "${_host_headers}/share/cmake/nlohmann_json" SYMBOLIC)
endif()
set(Eigen3_DIR "${_host_headers}/share/eigen3/cmake" CACHE PATH "Eigen's CMake package (headers only)")
set(nlohmann_json_DIR "${_host_headers}/share/cmake/nlohmann_json" CACHE PATH "nlohmann_json's CMake package")

# The test programs run under Wine: `wine` from Debian's wine package, or the
# wine64 loader, which wine64 alone installs outside the PATH.
find_program(HULLCALC_WINE NAMES wine wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(HULLCALC_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${HULLCALC_WINE}")
endif()
