# What the Windows installer and ZIP hold beyond the programs and their data: the Qt and MinGW
# DLLs and plug-ins, stripped, and the licences; and how the installer presents itself.

find_program(AERLITH_MINGW_STRIP ${AERLITH_MINGW_TRIPLE}-strip REQUIRED)

# The scenario runner's own DLLs go with it; everything else runs the program.
set(runnerOnly ${AERLITH_QT_TEST_DLLS} ${AERLITH_QT_TEST_PLUGINS})
foreach(entry IN LISTS AERLITH_RUNTIME_FILES)
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 file)
    list(GET entry 1 folder)
    get_filename_component(name "${file}" NAME)
    get_filename_component(stem "${file}" NAME_WE)
    set(component calc)
    if(stem IN_LIST runnerOnly OR "${folder}/${stem}" IN_LIST runnerOnly)
        set(component scenario)
    endif()
    install(FILES "${file}" DESTINATION ${CMAKE_INSTALL_BINDIR}/${folder} COMPONENT ${component})
    # The DLLs come with their symbol tables, more than half their size.
    install(CODE "execute_process(COMMAND \"${AERLITH_MINGW_STRIP}\" --strip-unneeded
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${folder}/${name}\"
        COMMAND_ERROR_IS_FATAL ANY)" COMPONENT ${component})
endforeach()

# The licences of what the package holds besides our own code: Qt (LGPL-3, with where its source
# comes from), the MinGW runtime, and the aerodrome data (ODbL, in data/README.md).
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/THIRD-PARTY.txt.in
               ${CMAKE_BINARY_DIR}/packaging/THIRD-PARTY.txt @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/THIRD-PARTY.txt
              /usr/share/common-licenses/LGPL-3 /usr/share/common-licenses/GPL-3
        DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT calc)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_FILE_NAME aerlith-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Aerlith)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Aerlith)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Aviation calculator for student pilots")
# A Start-menu shortcut "Aerlith" to bin\aerlith-calc.exe, with the program's own icon.
set(CPACK_PACKAGE_EXECUTABLES aerlith-calc Aerlith)
set(CPACK_NSIS_DISPLAY_NAME "Aerlith ${PROJECT_VERSION}")
set(CPACK_NSIS_PACKAGE_NAME Aerlith)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${AERLITH_WINDOWS_ICON})
set(CPACK_NSIS_MUI_UNIICON ${AERLITH_WINDOWS_ICON})
set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\\\aerlith-calc.exe")
set(CPACK_NSIS_URL_INFO_ABOUT "${CPACK_PACKAGE_HOMEPAGE_URL}")
set(CPACK_NSIS_CONTACT "${CPACK_PACKAGE_CONTACT}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# A 64-bit installer for a 64-bit program: it writes the 64-bit registry and file-system views,
# and runs where only 64-bit Windows programs can (Wine without its 32-bit half).
set(CPACK_NSIS_EXECUTABLE ${CMAKE_SOURCE_DIR}/packaging/windows/makensis-amd64)
set(CPACK_COMPONENT_CALC_DISPLAY_NAME "Aerlith")
set(CPACK_COMPONENT_CALC_REQUIRED ON)
set(CPACK_COMPONENT_SCENARIO_DISPLAY_NAME "Scenario runner (for checking an installation)")
set(CPACK_COMPONENT_SCENARIO_DISABLED ON)
# The ZIP holds everything, the scenario runner included, in one folder.
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
