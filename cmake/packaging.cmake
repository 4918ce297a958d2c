# Where make install puts the program, and its Debian package (cpack -G DEB in
# build/release, as make package does): the two programs, the desktop entry, the
# icon, the project files' MIME type, the manual page of hullcalc-cli, and the
# Debian copyright and changelog.
include(GNUInstallDirs)

install(TARGETS hullcalc hullcalc-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
install(FILES ${packaging}/hullcalc.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/hullcalc.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${packaging}/hullcalc-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME hullcalc.xml)
install(FILES ${packaging}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The Python module, where it is built, installs its own files from its folder
# (the module and its type stubs, the example scripts); they go into the same
# package.

# The manual page of hullcalc-cli, made from its --help and --version at build
# time, so that it always lists the options the tool has (in UTF-8: the help is
# Russian). Its name line and synopsis come from hullcalc-cli.h2m: help2man
# finds a synopsis only after an English "Usage:", and reads a --name given on
# its command line as Latin-1. Compressed as Debian wants it (gzip -9n: no
# name, no time stamp).
find_program(HELP2MAN help2man)
find_program(GZIP gzip)
if(HELP2MAN AND GZIP)
  set(manual ${CMAKE_CURRENT_BINARY_DIR}/hullcalc-cli.1)
  add_custom_command(
    OUTPUT ${manual}.gz
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            ${HELP2MAN} --no-info --locale=C.UTF-8 --section=1 --include=${packaging}/hullcalc-cli.h2m --output=${manual}
            $<TARGET_FILE:hullcalc-cli>
    COMMAND ${GZIP} -9nf ${manual}
    DEPENDS hullcalc-cli ${packaging}/hullcalc-cli.h2m
    COMMENT "Manual page of hullcalc-cli (help2man)"
    VERBATIM)
  # The program with windows has a short page of its own.
  set(program_manual ${CMAKE_CURRENT_BINARY_DIR}/hullcalc.1)
  add_custom_command(
    OUTPUT ${program_manual}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${packaging}/hullcalc.1 ${program_manual}
    COMMAND ${GZIP} -9nf ${program_manual}
    DEPENDS ${packaging}/hullcalc.1
    VERBATIM)
  add_custom_target(hullcalc_manual ALL DEPENDS ${manual}.gz ${program_manual}.gz)
  install(FILES ${manual}.gz ${program_manual}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# The Debian changelog of the package itself: one entry per version, pointing
# to CHANGELOG.md for what changed.
string(TIMESTAMP changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(debian_changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog)
file(WRITE ${debian_changelog}
     "hullcalc (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
     "  * Release ${PROJECT_VERSION}; the changes are listed in CHANGELOG.md of the sources.\n\n"
     " -- ${hullcalc_maintainer}  ${changelog_date}\n")
add_custom_command(
  OUTPUT ${debian_changelog}.gz
  COMMAND ${GZIP} -9nkf ${debian_changelog}
  DEPENDS ${debian_changelog}
  VERBATIM)
add_custom_target(hullcalc_debian_changelog ALL DEPENDS ${debian_changelog}.gz)
install(FILES ${debian_changelog}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hullcalc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${hullcalc_maintainer}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "engineering calculator for a ship's hull")
set(CPACK_PACKAGE_DESCRIPTION
    "Computes from a ship's main particulars, a table of offsets and the masses of\n"
    "its frame spacings the Bonjean scale, the hydrostatic curves, the waterline\n"
    "the loaded ship floats at, the shear force and bending moment along the hull\n"
    "and the natural frequencies of the hull girder's vertical vibration, with a\n"
    "calculation report. Russian interface. The package holds the program with\n"
    "its windows (hullcalc), the command-line tool (hullcalc-cli) and the Python\n"
    "module hullcalc for python3, with example scripts.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries from dpkg-shlibdeps; beside them Qt's platform plugins (the
# windows cannot open without one) and Qt's Russian translations of the
# standard dialogs, which the program loads at start.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
# The Python module runs in the python3 it was built for and gives its tables
# as numpy arrays; pandas (Result.to_dataframe) and matplotlib (the examples)
# are optional.
if(TARGET hullcalc_python)
  get_target_property(python_version hullcalc_python HULLCALC_PYTHON_VERSION)
  string(REGEX REPLACE "^([0-9]+)\\.([0-9]+)$" "\\1" python_major "${python_version}")
  string(REGEX REPLACE "^([0-9]+)\\.([0-9]+)$" "\\2" python_minor "${python_version}")
  math(EXPR python_next_minor "${python_minor} + 1")
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
         ", python3 (>= ${python_version}), python3 (<< ${python_major}.${python_next_minor}), python3-numpy")
  set(CPACK_DEBIAN_PACKAGE_SUGGESTS "python3-pandas, python3-matplotlib")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                                WORLD_READ WORLD_EXECUTE)
include(CPack)
