# Install layout, the Debian package, and the Windows installer and ZIP.
#
#   bin/aerlith-calc, bin/vdats-tool                 the program and the aerodrome-file tool
#   share/aerlith/                                    aerodrome file, pictures, window icon
#   share/applications, share/icons/hicolor, share/metainfo   desktop integration (Linux)
#   bin/*.dll, bin/platforms, bin/styles, bin/imageformats    Qt and the MinGW runtime (Windows)
#
# The program finds share/aerlith relative to its own folder, so the prefix can be moved after
# installing. The scenario runner goes into a component of its own ("scenario", its own Debian
# package; an installer component that is off by default on Windows) so that an installed program
# can be driven without a display.

set(AERLITH_APP_ID test.aerlith.Calculator)
set(AERLITH_ICON_SIZES 16 32 48 64 128 256)

install(TARGETS aerlith-calc vdats-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        COMPONENT calc)
foreach(file IN LISTS AERLITH_DATA_FILES)
    install(FILES ${CMAKE_SOURCE_DIR}/data/${file} DESTINATION ${AERLITH_INSTALL_DATADIR}
            COMPONENT calc)
endforeach()
if(NOT WIN32)
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/${AERLITH_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT calc)
    configure_file(${CMAKE_SOURCE_DIR}/packaging/${AERLITH_APP_ID}.metainfo.xml.in
                   ${CMAKE_BINARY_DIR}/packaging/${AERLITH_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${CMAKE_BINARY_DIR}/packaging/${AERLITH_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT calc)
    foreach(size IN LISTS AERLITH_ICON_SIZES)
        install(FILES ${CMAKE_SOURCE_DIR}/data/icon${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${AERLITH_APP_ID}.png COMPONENT calc)
    endforeach()
endif()
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/data/README.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT calc)

if(TARGET aerlith-scenario)
    install(TARGETS aerlith-scenario RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
            COMPONENT scenario)
    install(FILES ${CMAKE_SOURCE_DIR}/tools/scenario/offscreen.json
            DESTINATION ${CMAKE_INSTALL_DATADIR}/aerlith-scenario COMPONENT scenario)
endif()

set(CPACK_PACKAGE_NAME aerlith)
set(CPACK_PACKAGE_VENDOR "The Aerlith developers")
set(CPACK_PACKAGE_CONTACT "Aerlith developers <developers@aerlith.test>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.aerlith.test/")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL calc scenario)

if(WIN32)
    # The Qt and MinGW DLLs beside the programs, the licences, and the installer and ZIP that
    # cpack writes in the Windows build folder.
    include(cmake/WindowsInstall.cmake)
    include(CPack)
    return()
endif()

# cpack -G DEB in a Release build folder writes aerlith_<version>_<arch>.deb and
# aerlith-scenario_<version>_<arch>.deb.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_CALC_PACKAGE_NAME aerlith)
# The captions are drawn in Tahoma; fonts-wine provides a compatible one.
set(CPACK_DEBIAN_CALC_PACKAGE_DEPENDS fonts-wine)
# The first line of a description is the package's synopsis; CPack wraps the rest.
set(CPACK_DEBIAN_CALC_DESCRIPTION "Aviation calculator for student pilots
A keypad calculator with brackets and powers, eighteen unit conversions, the flight-computer \
functions of an E6B slide rule, and an aerodrome look-up with great-circle distances and courses \
between the aerodromes of North America.")
set(CPACK_DEBIAN_SCENARIO_PACKAGE_NAME aerlith-scenario)
set(CPACK_DEBIAN_SCENARIO_PACKAGE_DEPENDS "aerlith (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_SCENARIO_DESCRIPTION "Scripted driver for the Aerlith calculator
Runs the calculator's window without a display from a script of key presses and prints what the \
window shows; used to check an installation.")
include(CPack)
