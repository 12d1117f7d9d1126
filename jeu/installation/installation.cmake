# SPDX-License-Identifier: GPL-3.0-or-later
# Install rules: both programs and the flipora command that starts one of
# them, their images and sounds, the desktop entry, the icon, the AppStream
# metainfo and a manual page per command.
# Programs and data go where Debian puts a game's: games/ and share/games/.
# The programs look for their images in the data folder when neither the
# working directory nor their own folder holds them: first the one beside
# their own folder (a moved install), then the one of this prefix.
include(GNUInstallDirs)
set(FLIPORA_DOSSIER_PROGRAMMES games)
set(FLIPORA_DOSSIER_DONNEES ${CMAKE_INSTALL_DATADIR}/games/flipora)
set(FLIPORA_DONNEES ${CMAKE_INSTALL_FULL_DATADIR}/games/flipora)
file(RELATIVE_PATH FLIPORA_DONNEES_VOISINES ${CMAKE_INSTALL_PREFIX}/${FLIPORA_DOSSIER_PROGRAMMES} ${FLIPORA_DONNEES})
set_property(SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/tables.cpp DIRECTORY ${CMAKE_SOURCE_DIR}
    APPEND PROPERTY COMPILE_DEFINITIONS "FLIPORA_DONNEES=\"${FLIPORA_DONNEES}\""
    "FLIPORA_DONNEES_VOISINES=\"${FLIPORA_DONNEES_VOISINES}\"")

if(TARGET ok_fr)
    install(TARGETS ok_fr ok_en lanceur RUNTIME DESTINATION ${FLIPORA_DOSSIER_PROGRAMMES})
endif()

# The images and sounds are generated into the build folder; which ones exist
# is only known once they are built, hence the glob at install time.
install(CODE "
    file(GLOB images \"${CMAKE_BINARY_DIR}/*.bmp\" \"${CMAKE_BINARY_DIR}/*.wav\")
    file(INSTALL \${images} DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${FLIPORA_DOSSIER_DONNEES}\")
")
install(DIRECTORY ${CMAKE_BINARY_DIR}/icones DESTINATION ${FLIPORA_DOSSIER_DONNEES} OPTIONAL)

install(FILES ${CMAKE_CURRENT_LIST_DIR}/${FLIPORA_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${FLIPORA_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/flipora.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${FLIPORA_ID}.svg)

# One page text serves both programs. A page names the folders of its
# install, which `cmake --install --prefix` chooses: @DOSSIER_DONNEES@ and
# @DOSSIER_PROGRAMMES@ go through this first pass untouched and are filled
# in at install time.
set(manuels ${CMAKE_CURRENT_BINARY_DIR}/manuels)
set(DOSSIER_DONNEES @DOSSIER_DONNEES@)
set(DOSSIER_PROGRAMMES @DOSSIER_PROGRAMMES@)
foreach(langue fr en)
    if(langue STREQUAL fr)
        set(LANGUE French)
        set(AUTRE ok_en)
        set(AUTRE_LANGUE English)
        set(QUITTER QUITTER)
        set(JOUER JOUER)
        set(AIDE AIDE)
        set(ANNULER ANNULER)
    else()
        set(LANGUE English)
        set(AUTRE ok_fr)
        set(AUTRE_LANGUE French)
        set(QUITTER EXIT)
        set(JOUER START)
        set(AIDE HELP)
        set(ANNULER UNDO)
    endif()
    set(PROGRAMME ok_${langue})
    configure_file(${CMAKE_CURRENT_LIST_DIR}/ok.6.in ${manuels}/${PROGRAMME}.6.in @ONLY)
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/flipora.6.in ${manuels}/flipora.6.in @ONLY)

# Debian keeps manual pages compressed, without a time stamp.
install(CODE "set(flipora_manuels \"${manuels}\")
    set(flipora_donnees \"${FLIPORA_DOSSIER_DONNEES}\")
    set(flipora_programmes \"${FLIPORA_DOSSIER_PROGRAMMES}\")
    set(flipora_section \"${CMAKE_INSTALL_MANDIR}/man6\")")
install(CODE [[
    cmake_path(ABSOLUTE_PATH flipora_donnees BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE
        OUTPUT_VARIABLE DOSSIER_DONNEES)
    cmake_path(ABSOLUTE_PATH flipora_programmes BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE
        OUTPUT_VARIABLE DOSSIER_PROGRAMMES)
    cmake_path(ABSOLUTE_PATH flipora_section BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}")
    foreach(page ok_fr ok_en flipora)
        configure_file("${flipora_manuels}/${page}.6.in" "${flipora_manuels}/${page}.6" @ONLY)
        execute_process(COMMAND gzip -9nf ${page}.6 WORKING_DIRECTORY "${flipora_manuels}" COMMAND_ERROR_IS_FATAL ANY)
        file(INSTALL "${flipora_manuels}/${page}.6.gz" DESTINATION "${flipora_section}")
    endforeach()
]])
