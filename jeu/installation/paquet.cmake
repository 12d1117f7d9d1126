# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package (make deb): the install tree of a Release build under
# /usr, the icon in the bitmap sizes desktops pick from, the copyright file
# and changelog Debian asks of every package, and the dependencies
# dpkg-shlibdeps reads off the programs.
include(GNUInstallDirs)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icones_png "")
foreach(taille 16 32 48 64 128 256)
    set(dossier ${CMAKE_BINARY_DIR}/hicolor/${taille}x${taille}/apps)
    add_custom_command(
        OUTPUT ${dossier}/${FLIPORA_ID}.png
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dossier}
        COMMAND ${RSVG_CONVERT} -w ${taille} -h ${taille} -o ${dossier}/${FLIPORA_ID}.png
            ${CMAKE_SOURCE_DIR}/jeu/installation/flipora.svg
        DEPENDS ${CMAKE_SOURCE_DIR}/jeu/installation/flipora.svg
        VERBATIM)
    list(APPEND icones_png ${dossier}/${FLIPORA_ID}.png)
endforeach()
add_custom_target(icones_png ALL DEPENDS ${icones_png})
install(DIRECTORY ${CMAKE_BINARY_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# A native package's changelog is changelog.gz, in Debian's format, whose
# latest entry names the version being packed.
file(STRINGS ${CMAKE_SOURCE_DIR}/jeu/installation/changelog entree LIMIT_COUNT 1)
if(NOT entree MATCHES "^flipora \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "jeu/installation/changelog: the latest entry is not version ${PROJECT_VERSION}: ${entree}")
endif()
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
    COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/jeu/installation/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/jeu/installation/changelog)
add_custom_target(changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_SOURCE_DIR}/jeu/installation/copyright ${CMAKE_BINARY_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/flipora)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME flipora)
set(CPACK_PACKAGE_CONTACT "Flipora maintainers <maintainers@users.noreply.c-seed-15ca7afb.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Reversi game against a friend or the computer")
set(CPACK_PACKAGE_DESCRIPTION
"Two sides play on a 6 x 6, 8 x 8, 10 x 10 or 12 x 12 board; each side is a
person at the mouse or the computer at one of three strengths. Eight toy
pawn sets with a flip animation, hint markers and a suggested move.
ok_fr speaks French and ok_en English; flipora, the menu's command, starts
the one that speaks the user's language.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts are found through fontconfig at run time, not linked.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dejavu-core)
set(CPACK_STRIP_FILES ON)
# The programs' compiled-in data folder was made from the install prefix.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
include(CPack)
