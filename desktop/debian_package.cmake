# The Debian package, made from the build folder by CPack:
#   cmake --build build --target package     (or: cd build && cpack -G DEB)
# writes build/orvane_<version>_<arch>.deb, which installs what `cmake --install` lays out, under
# /usr. CPack packs exactly the files of the install rules above, so the package and a player's
# own install cannot drift apart, and dpkg-shlibdeps computes its dependencies from the program
# itself.

set(ORVANE_PACKAGE_MAINTAINER "Orvane maintainers <maintainers@orvane.invalid>"
  CACHE STRING "Maintainer named by the Debian package")

# The package's copyright file and changelog, as Debian policy wants them under
# share/doc/orvane. The package is built from Orvane's own sources, a native package in Debian's
# terms, whose changelog is "changelog.gz"; it is compressed without a time stamp, so it is the
# same file at every build.
set(doc_folder ${CMAKE_INSTALL_DATADIR}/doc/orvane)
execute_process(COMMAND date -u -R -d "${ORVANE_RELEASE_DATE} 12:00"
  OUTPUT_VARIABLE ORVANE_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
configure_file(debian/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog @ONLY)
set(changelog_gz ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz)
add_custom_command(OUTPUT ${changelog_gz}
  COMMAND gzip -9nf -k ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog
  VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${changelog_gz})
install(FILES debian/copyright ${changelog_gz} DESTINATION ${doc_folder}
  PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${ORVANE_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORVANE_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "wheeling systems for the Thunderball lottery game")
set(CPACK_PACKAGE_DESCRIPTION "Orvane expands the numbers a player marks into the boards of one of
71 wheeling systems, each with its guarantee. It shows and lists the
boards, prints them onto the game's paper tickets (with a preview, PDF
output and a printer test sheet to adjust the marks), compares them with
a draw and saves the selection as a game file.")
# A tool for players rather than a game: its command lies in bin/, where everybody's PATH finds it,
# not in the games/ folder Debian keeps for the commands of games.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Help, the web page and the companion page go to the desktop through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
# Without the ldconfig calls CPack writes for a library under /usr/lib: the printing module lies in
# the program's own folder, which ldconfig never reads.
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/debian/drop_ldconfig_scripts.cmake)
set(CPACK_STRIP_FILES ON)
# Installed under /usr, staged with DESTDIR: the desktop entry then names /usr/lib/orvane/orvane,
# not the folder CPack stages the files in.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
# The package takes the component `cmake --install` lays out, installed alone as the install test
# installs it, so making a package leaves the record of a player's own install
# (install_manifest.txt) as it is.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Orvane;orvane;/")
include(CPack)
