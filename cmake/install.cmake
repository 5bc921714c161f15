# `cmake --install build --prefix P` (DESTDIR honoured):
#   P/bin/quillan                                  the program
#   P/share/quillan/                               pictures, backs, sounds, help (read only)
#   P/share/applications/<id>.desktop              menu entry
#   P/share/icons/hicolor/<size>/apps/<id>.*       icon, SVG and PNG 16..512
#   P/share/metainfo/<id>.metainfo.xml             AppStream description
# The program looks for its files in ../share/quillan beside its bin folder, so the data
# folder must stay "share" under the prefix.
include(GNUInstallDirs)
set(QUILLAN_APP_ID io.github.quillan.Quillan)

install(TARGETS quillan RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Only the program's own files: the placeholders that keep empty folders in git stay behind.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quillan
        PATTERN ".gitkeep" EXCLUDE)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/${QUILLAN_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/${QUILLAN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/desktop/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
