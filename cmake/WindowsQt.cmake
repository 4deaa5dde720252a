# Where the Windows build finds Qt: the build of Debian's qt6-base source that
# scripts/windows/build-qt.sh leaves in the cache, with Debian's Linux Qt as the host tools (moc,
# rcc, uic). Give AERLITH_QT_WINDOWS to use another folder.
if(NOT AERLITH_QT_WINDOWS)
    if(DEFINED ENV{AERLITH_CACHE})
        set(cache "$ENV{AERLITH_CACHE}")
    elseif(DEFINED ENV{XDG_CACHE_HOME})
        set(cache "$ENV{XDG_CACHE_HOME}/aerlith")
    else()
        set(cache "$ENV{HOME}/.cache/aerlith")
    endif()
    set(AERLITH_QT_WINDOWS "${cache}/qt-6.4.2-mingw-w64")
endif()
set(AERLITH_QT_WINDOWS "${AERLITH_QT_WINDOWS}" CACHE PATH "Qt built for Windows")
if(NOT EXISTS "${AERLITH_QT_WINDOWS}/lib/cmake/Qt6/Qt6Config.cmake")
    message(FATAL_ERROR "No Qt for Windows in ${AERLITH_QT_WINDOWS}: run "
                        "scripts/windows/build-qt.sh, or give AERLITH_QT_WINDOWS")
endif()
list(APPEND CMAKE_FIND_ROOT_PATH "${AERLITH_QT_WINDOWS}")
# Debian keeps the build machine's CMake packages under its multiarch folder.
execute_process(COMMAND dpkg-architecture -qDEB_BUILD_MULTIARCH
                OUTPUT_VARIABLE buildMultiarch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(QT_HOST_PATH /usr CACHE PATH "Qt for the build machine")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${buildMultiarch}/cmake CACHE PATH "Its CMake packages")
