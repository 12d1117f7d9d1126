# Install rules: both programs, their images, a desktop entry and an icon.
# The programs look for their images in the data folder when neither the
# working directory nor their own folder holds them.
include(GNUInstallDirs)
set(FLIPORA_DOSSIER_DONNEES ${CMAKE_INSTALL_DATADIR}/flipora)
set_property(SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/demarrage.cpp DIRECTORY ${CMAKE_SOURCE_DIR}
    APPEND PROPERTY COMPILE_DEFINITIONS "FLIPORA_DONNEES=\"${CMAKE_INSTALL_FULL_DATADIR}/flipora\"")

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

install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/flipora.desktop ${CMAKE_CURRENT_SOURCE_DIR}/flipora-en.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/flipora.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
