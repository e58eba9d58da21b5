# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

# Libraries and headers come from MinGW's own tree and from our cross-built libraries
# (build/deps); programs such as the generators always from the host.
get_filename_component(kadrex_deps_prefix "${CMAKE_CURRENT_LIST_DIR}/../build/deps" ABSOLUTE)
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet} ${kadrex_deps_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# MinGW's zlib comes as a DLL import library too; Kadrex.exe links everything statically.
set(ZLIB_USE_STATIC_LIBS ON)
