# SPDX-FileCopyrightText: 2026 The Tavrino authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Where `cmake --install` puts the game, its desktop entry, icons and AppStream
# metadata, and the Debian package that CPack builds from them (cpack -G DEB).

include(GNUInstallDirs)

set(TAVRINO_APP_ID io.github.tavrino.Tavrino)
set(TAVRINO_PACKAGE_MAINTAINER "The Tavrino developers <tavrino@example.org>"
    CACHE STRING "Maintainer of the Debian package, as \"Name <address>\"")
set(tavrino_pkg ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(tavrino_doc ${CMAKE_INSTALL_DATAROOTDIR}/doc/tavrino)

install(TARGETS tavrino RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS tavrino-print LIBRARY DESTINATION ${TAVRINO_MODULE_DIR})
install(FILES ${tavrino_pkg}/${TAVRINO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${tavrino_pkg}/${TAVRINO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/ui/pictures/icon-start.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps
        RENAME ${TAVRINO_APP_ID}.svg)

# The PNG icons are those the program carries, drawn from the start window's
# own icon at build time.
foreach(size IN LISTS TAVRINO_ICON_SIZES)
    install(FILES ${tavrino_drawn}/${size}x${size}/apps/icon-start.png
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${TAVRINO_APP_ID}.png)
endforeach()

# Debian wants the copyright, and the changelog and manual page compressed at
# the highest level without a time stamp (gzip -9n).
find_program(TAVRINO_GZIP gzip REQUIRED)
set(tavrino_docs_dir ${CMAKE_CURRENT_BINARY_DIR}/packaging)
configure_file(${tavrino_pkg}/changelog.in ${tavrino_docs_dir}/changelog @ONLY)
configure_file(${tavrino_pkg}/tavrino.1 ${tavrino_docs_dir}/tavrino.1 COPYONLY)
add_custom_command(
    OUTPUT ${tavrino_docs_dir}/changelog.gz ${tavrino_docs_dir}/tavrino.1.gz
    COMMAND ${TAVRINO_GZIP} -9nkf ${tavrino_docs_dir}/changelog ${tavrino_docs_dir}/tavrino.1
    DEPENDS ${tavrino_docs_dir}/changelog ${tavrino_docs_dir}/tavrino.1
    COMMENT "Compressing the changelog and the manual page"
    VERBATIM)
add_custom_target(tavrino_docs ALL DEPENDS ${tavrino_docs_dir}/changelog.gz
                                           ${tavrino_docs_dir}/tavrino.1.gz)
# The cut faces; their licence (the fonts' own, OFL 1.1) is in the package's
# copyright file.
install(FILES ${tavrino_cut_faces} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/tavrino/fonts)
install(FILES ${tavrino_pkg}/copyright ${tavrino_docs_dir}/changelog.gz DESTINATION ${tavrino_doc})
install(FILES ${tavrino_docs_dir}/tavrino.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrino)
set(CPACK_PACKAGE_VENDOR "The Tavrino developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number typing and concentration trainer for pupils")
set(CPACK_PACKAGE_DESCRIPTION
    "Tavrino drills concentration and typing on the number keys. The pupil\n\
picks one of nine levels and types the whole numbers 1, 2, 3 and so on in\n\
order, each confirmed with Enter, while the clocks run; every number is\n\
judged at once. Levels 1 to 6 race to 50 times the level within a time\n\
limit, levels 7 and 8 go as far as possible, and level 9 ends at the first\n\
fault. All texts are in Simplified Chinese.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TAVRINO_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The shared libraries' packages come from dpkg-shlibdeps where it exists;
# the fonts and Qt's Chinese translations (for its dialogs) are not linked
# and are named here.
find_program(TAVRINO_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(TAVRINO_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-translations-l10n")
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libqt6printsupport6 (>= 6.4), fonts-noto-cjk, qt6-translations-l10n")
endif()
include(CPack)
