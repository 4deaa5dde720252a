# The Windows build: the program's icon and version in its resources, and the DLLs it runs on.
#
# The Qt DLLs, the plug-ins the program loads and the MinGW runtime are copied beside the programs
# in the build folder, in the layout they are shipped in, so that the tests under Wine run what a
# user installs. Installed, they are stripped of their symbols.

# Qt6_DIR is <prefix>/lib/cmake/Qt6. The stamp there names the source package it was built from
# ("qt6-base VERSION recipe HASH"), which the licence notice cites.
get_filename_component(AERLITH_QT_PREFIX "${Qt6_DIR}/../../.." ABSOLUTE)
file(STRINGS "${AERLITH_QT_PREFIX}/aerlith-stamp" qtStamp LIMIT_COUNT 1)
if(NOT qtStamp MATCHES "^qt6-base ([^ ]+) ")
    message(FATAL_ERROR "${AERLITH_QT_PREFIX} was not built by scripts/windows/build-qt.sh")
endif()
set(AERLITH_QT_SOURCE_VERSION ${CMAKE_MATCH_1})
set(AERLITH_QT_DLLS Qt6Core Qt6Gui Qt6Widgets)
set(AERLITH_QT_TEST_DLLS Qt6Test)
# platforms/qwindows: the window system; styles: the native styles; imageformats/qjpeg: the
# pictures. platforms/qoffscreen is what the scenario runner and the tests draw on.
set(AERLITH_QT_PLUGINS platforms/qwindows styles/qwindowsvistastyle imageformats/qjpeg)
set(AERLITH_QT_TEST_PLUGINS platforms/qoffscreen)
set(AERLITH_MINGW_RUNTIME libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)

set(AERLITH_RUNTIME_FILES "")
foreach(dll IN LISTS AERLITH_QT_DLLS AERLITH_QT_TEST_DLLS)
    list(APPEND AERLITH_RUNTIME_FILES "${AERLITH_QT_PREFIX}/bin/${dll}.dll|.")
endforeach()
foreach(plugin IN LISTS AERLITH_QT_PLUGINS AERLITH_QT_TEST_PLUGINS)
    get_filename_component(folder ${plugin} DIRECTORY)
    list(APPEND AERLITH_RUNTIME_FILES "${AERLITH_QT_PREFIX}/plugins/${plugin}.dll|${folder}")
endforeach()
foreach(dll IN LISTS AERLITH_MINGW_RUNTIME)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(path "${path}" ABSOLUTE)
    list(APPEND AERLITH_RUNTIME_FILES "${path}|.")
endforeach()
foreach(entry IN LISTS AERLITH_RUNTIME_FILES)
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 file)
    list(GET entry 1 folder)
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "The Windows build needs ${file}; build Qt with "
                            "scripts/windows/build-qt.sh")
    endif()
    file(COPY "${file}" DESTINATION "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${folder}")
endforeach()

# The icon (from the PNG pictures of every size, as an .ico of PNG images) and the version.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(AERLITH_WINDOWS_ICON ${CMAKE_BINARY_DIR}/packaging/aerlith.ico)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
execute_process(
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/packaging/windows/make_icon.py
            ${AERLITH_WINDOWS_ICON} ${CMAKE_SOURCE_DIR}/data/icon16.png
            ${CMAKE_SOURCE_DIR}/data/icon32.png ${CMAKE_SOURCE_DIR}/data/icon48.png
            ${CMAKE_SOURCE_DIR}/data/icon64.png ${CMAKE_SOURCE_DIR}/data/icon128.png
            ${CMAKE_SOURCE_DIR}/data/icon256.png
    RESULT_VARIABLE iconStatus)
if(NOT iconStatus EQUAL 0)
    message(FATAL_ERROR "could not make ${AERLITH_WINDOWS_ICON}")
endif()
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/aerlith-calc.rc.in
               ${CMAKE_BINARY_DIR}/packaging/aerlith-calc.rc @ONLY)
set(AERLITH_WINDOWS_RESOURCES ${CMAKE_BINARY_DIR}/packaging/aerlith-calc.rc)
