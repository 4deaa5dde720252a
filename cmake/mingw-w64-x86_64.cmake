# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 compilers. The posix thread model is
# the one whose runtime gives std::thread and std::mutex, which Qt and the program both use.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(AERLITH_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${AERLITH_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${AERLITH_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${AERLITH_MINGW_TRIPLE}-windres)

# Libraries and packages come from the MinGW tree and the given prefixes, never from Linux's /usr;
# programs run during the build are Linux ones.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${AERLITH_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
