# What `cmake --install` adds around the programs, and the Debian package made of it
# (`cpack -G DEB`). The programs live in lib/zintaro/ beside the Demo course, the help page
# and the themes they look for there; small launchers put them on the PATH.

set(ZINTARO_APP_ID org.example.Zintaro)
set(zintaro_desktop_dir ${PROJECT_SOURCE_DIR}/resources/desktop)

foreach(program zintaro zintaro-gallery)
  configure_file(${zintaro_desktop_dir}/launcher.in ${CMAKE_BINARY_DIR}/launchers/${program} @ONLY)
  install(PROGRAMS ${CMAKE_BINARY_DIR}/launchers/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()
# The theme tool needs nothing beside it.
install(TARGETS zintaro-theme RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${zintaro_desktop_dir}/${ZINTARO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${zintaro_desktop_dir}/${ZINTARO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The program's own seal (its MAINICON), drawn at each size by zintaro-artwork.
file(GLOB zintaro_icons ${PROJECT_SOURCE_DIR}/resources/icons/zintaro-*.png)
foreach(icon ${zintaro_icons})
  string(REGEX REPLACE ".*zintaro-([0-9]+)\\.png$" "\\1" size ${icon})
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${ZINTARO_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zintaro)
set(CPACK_PACKAGE_VENDOR "Zintaro developers")
set(CPACK_PACKAGE_CONTACT "Zintaro developers <zintaro@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vocabulary trainer for learners of Chinese")
set(CPACK_PACKAGE_DESCRIPTION
    "Zintaro shows one word of a course at a time, as a picture with its English note, \
speaks it and moves on by itself. A Demo course, a control gallery and a theme tool for \
theme authors come with it.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so the library scan cannot see them: Qt's X11 and Wayland platforms,
# the sound server's client library, and the Chinese font zintaro-course draws its word
# cards with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libpulse0, fonts-noto-cjk")
include(CPack)
