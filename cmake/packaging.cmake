# `cpack -G DEB` (or the `package` target) builds vorn_<version>_<arch>.deb
# from the install rules in cmake/install.cmake.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorn)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "VORN developers")
set(CPACK_PACKAGE_CONTACT "VORN developers <vorn@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Peg solitaire on a triangular board")
set(CPACK_PACKAGE_DESCRIPTION
    "Jump one ball over a neighbour into an empty hole to take the neighbour off
the board, and finish with as few balls left as possible. Moves can be undone
and a game in progress can be saved. In English, German, French and Spanish.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# vorn_<version>-<release>_<arch>.deb, as the change log names it.
set(CPACK_DEBIAN_PACKAGE_RELEASE ${VORN_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "VORN developers <vorn@example.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vorn.example.org/")

# dpkg-shlibdeps (from dpkg-dev) derives the versioned Qt and C++ runtime
# packages from the binary; without it, name them by hand.
find_program(VORN_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(VORN_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libqt6widgets6, libqt6gui6, libqt6core6, libqt6svg6, libstdc++6, libc6")
endif()

# Qt's own dialogs (file dialog, message-box buttons) in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

# The package's time stamps: see cpack_project_config.cmake.in.
find_package(Git QUIET)
set(VORN_SOURCE_DATE_EPOCH "")
if(GIT_FOUND)
  execute_process(
    COMMAND ${GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
    OUTPUT_VARIABLE VORN_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
configure_file(${PROJECT_SOURCE_DIR}/cmake/cpack_project_config.cmake.in
               ${PROJECT_BINARY_DIR}/CPackProjectConfig.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackProjectConfig.cmake)

include(CPack)
