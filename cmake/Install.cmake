# Installation and the Debian package.
#
#   cmake --install <build> --prefix <prefix>    the game under <prefix>
#   cd <build> && cpack                          zorvixia_<version>_<arch>.deb
#
# The game reads its sounds from <prefix>/share/zorvixia/drive_c/ when there is no
# drive_c/ beside the executable, so the cues go there.
include(GNUInstallDirs)

install(TARGETS zorvixia RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES
    ${ZORVIX_CUE_DIR}/insertcoin.au
    ${ZORVIX_CUE_DIR}/bleep1.mp3
    ${ZORVIX_CUE_DIR}/pull1.wav
    ${ZORVIX_CUE_DIR}/payoff.wav
  DESTINATION ${CMAKE_INSTALL_DATADIR}/zorvixia/drive_c/zorvix)
install(FILES ${PROJECT_SOURCE_DIR}/resources/zorvixia.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size ${ZORVIX_ICON_SIZES})
  install(FILES ${ZORVIX_ART_DIR}/icon/${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME zorvixia.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvixia)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zorvixia developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Slot machine game with seven picture themes")
set(CPACK_PACKAGE_DESCRIPTION
  "Zorvixia is a single-player slot machine: a 3 x 3 grid of spinning picture cells, a coin slot, bets and payouts, in one borderless window shaped like a machine.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY zorvixia)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Zorvixia developers <zorvixia@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps adds the libraries the program links (Qt 6, libsndfile1, libstdc++);
# what it cannot see: the Qt platform plugins loaded at run time and the fonts the
# captions are drawn in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, fonts-liberation2, fonts-dejavu-core, fonts-dejavu-extra, fonts-eurofurence")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, xdg-utils")
include(CPack)
