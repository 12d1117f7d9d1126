# SPDX-License-Identifier: GPL-3.0-or-later
# Install rules: both programs, their images, the desktop entries, the icon,
# the AppStream metainfo and a manual page per program.
# The programs look for their images in the data folder when neither the
# working directory nor their own folder holds them.
include(GNUInstallDirs)
set(FLIPORA_DOSSIER_DONNEES ${CMAKE_INSTALL_DATADIR}/flipora)
set(FLIPORA_DONNEES ${CMAKE_INSTALL_FULL_DATADIR}/flipora)
set_property(SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/tables.cpp DIRECTORY ${CMAKE_SOURCE_DIR}
    APPEND PROPERTY COMPILE_DEFINITIONS "FLIPORA_DONNEES=\"${FLIPORA_DONNEES}\"")

if(TARGET ok_fr)
    install(TARGETS ok_fr ok_en RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The images are generated into the build folder; which ones exist is only
# known once they are built, hence the glob at install time.
install(CODE "
    file(GLOB images \"${CMAKE_BINARY_DIR}/*.bmp\")
    file(INSTALL \${images} DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${FLIPORA_DOSSIER_DONNEES}\")
")
install(DIRECTORY ${CMAKE_BINARY_DIR}/icones DESTINATION ${FLIPORA_DOSSIER_DONNEES} OPTIONAL)

install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/${FLIPORA_ID}.desktop ${CMAKE_CURRENT_SOURCE_DIR}/${FLIPORA_ID}.en.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/${FLIPORA_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/flipora.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${FLIPORA_ID}.svg)

# One page text serves both programs; Debian keeps manual pages compressed.
set(manuels "")
foreach(langue fr en)
    if(langue STREQUAL fr)
        set(LANGUE French)
        set(AUTRE ok_en)
        set(AUTRE_LANGUE English)
    else()
        set(LANGUE English)
        set(AUTRE ok_fr)
        set(AUTRE_LANGUE French)
    endif()
    set(PROGRAMME ok_${langue})
    configure_file(${CMAKE_CURRENT_SOURCE_DIR}/ok.6.in ${CMAKE_CURRENT_BINARY_DIR}/${PROGRAMME}.6 @ONLY)
    add_custom_command(
        OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${PROGRAMME}.6.gz
        COMMAND gzip -9nkf ${PROGRAMME}.6
        DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${PROGRAMME}.6
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        VERBATIM)
    list(APPEND manuels ${CMAKE_CURRENT_BINARY_DIR}/${PROGRAMME}.6.gz)
endforeach()
add_custom_target(manuels ALL DEPENDS ${manuels})
install(FILES ${manuels} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
