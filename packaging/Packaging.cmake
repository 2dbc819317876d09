# The Debian package: `cpack -G DEB` in a build folder (scripts/package.sh does it) makes
# quorvel-counter_<version>_<arch>.deb from the install rules, with the manual page, the
# changelog and the copyright file that Debian wants beside them.

set(QUORVEL_MAINTAINER "Quorvel Counter developers <quorvel-counter@users.noreply.example.org>"
    CACHE STRING "Maintainer named in the Debian package")

# Manual page and changelog, compressed as Debian wants them (-n: no name or date inside, so
# the same sources give the same bytes).
set(QUORVEL_PACKAGE_DIR ${PROJECT_BINARY_DIR}/packaging)
set(QUORVEL_MANPAGE_GZ ${QUORVEL_PACKAGE_DIR}/quorvel-counter.1.gz)
set(QUORVEL_CHANGELOG_GZ ${QUORVEL_PACKAGE_DIR}/changelog.gz)
add_custom_command(OUTPUT ${QUORVEL_MANPAGE_GZ}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVEL_PACKAGE_DIR}
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/docs/quorvel-counter.1 > ${QUORVEL_MANPAGE_GZ}
    DEPENDS ${PROJECT_SOURCE_DIR}/docs/quorvel-counter.1
    COMMENT "Compressing the manual page")
add_custom_command(OUTPUT ${QUORVEL_CHANGELOG_GZ}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVEL_PACKAGE_DIR}
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog > ${QUORVEL_CHANGELOG_GZ}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
    COMMENT "Compressing the changelog")
add_custom_target(quorvel_package_files ALL DEPENDS ${QUORVEL_MANPAGE_GZ} ${QUORVEL_CHANGELOG_GZ})

# The copyright file: the header of packaging/copyright.in, then the licence of LICENSE in
# the layout Debian reads (each line indented, blank lines as " .").
file(READ ${PROJECT_SOURCE_DIR}/packaging/copyright.in QUORVEL_COPYRIGHT)
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE QUORVEL_LICENSE_LINES)
list(REMOVE_AT QUORVEL_LICENSE_LINES 0) # "MIT License": the header already names it
foreach(line IN LISTS QUORVEL_LICENSE_LINES)
    if(line STREQUAL "")
        string(APPEND QUORVEL_COPYRIGHT " .\n")
    else()
        string(APPEND QUORVEL_COPYRIGHT " ${line}\n")
    endif()
endforeach()
file(CONFIGURE OUTPUT ${QUORVEL_PACKAGE_DIR}/copyright CONTENT "${QUORVEL_COPYRIGHT}" @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/packaging/copyright.in ${PROJECT_SOURCE_DIR}/LICENSE)

install(FILES ${QUORVEL_MANPAGE_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME quorvel-counter)
install(FILES ${QUORVEL_CHANGELOG_GZ} ${QUORVEL_PACKAGE_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvel-counter)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvel-counter)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorvel Counter developers")
set(CPACK_PACKAGE_CONTACT "${QUORVEL_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "violence counter for teaching, from one crime statistic")
# The long description; CPack puts the summary above it as the synopsis.
set(CPACK_PACKAGE_DESCRIPTION
"From one crime statistic (occurrences per month of one kind of crime in one
place, typed or picked from a list) Quorvel Counter computes every two seconds
how many occurrences have statistically happened so far today, this month or
this year, and shows that count on an odometer of picture wheels, with a bar to
the next victim and an optional hourly pattern that weights the count by the
time of day. It ships with published Brazilian figures and their sources.
All texts of the program are in Portuguese. Its figures are no official record.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUORVEL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The dependencies are those of the program's shared libraries (dpkg-shlibdeps, dpkg-dev),
# and Qt's own Portuguese texts, which the program loads at start: no library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
include(CPack)
