# What makes the installed editor a desktop citizen: icons and a screenshot
# drawn by the program's own code, the launcher, the file types, the
# AppStream data and the man pages; then the Debian package over all of it.
find_program(QUILLON_SCDOC scdoc REQUIRED)
find_program(QUILLON_GZIP gzip REQUIRED)

set(QUILLON_DIST_DIR ${CMAKE_SOURCE_DIR}/dist)
set(QUILLON_ART_DIR ${CMAKE_BINARY_DIR}/art)
set(QUILLON_MAN_DIR ${CMAKE_BINARY_DIR}/man)
# Build-time runs of our own programs: no display, and no leak report from a
# sanitizer build stopping the build.
set(quillon_tool_env ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
    QUILLON_APP_DIR=${QUILLON_APP_DIR})

add_custom_command(
  OUTPUT ${QUILLON_ART_DIR}/sample.min ${QUILLON_ART_DIR}/art.stamp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUILLON_ART_DIR}
  COMMAND ${quillon_tool_env} $<TARGET_FILE:quillon-nc> generate ProcessRoughOD
          --material " cutting  condition /S45C.CSV" --set StartX=40 --set EndZ=-30 --kept MaterialOD=60
          > ${QUILLON_ART_DIR}/sample.min
  COMMAND ${quillon_tool_env} $<TARGET_FILE:quillon_art> ${QUILLON_ART_DIR} ${QUILLON_ART_DIR}/sample.min
  COMMAND ${CMAKE_COMMAND} -E touch ${QUILLON_ART_DIR}/art.stamp
  DEPENDS quillon_art quillon-nc quillon_data
  COMMENT "Rendering the icons and the screenshot"
  VERBATIM)

configure_file(${QUILLON_DIST_DIR}/io.github.quillon.Quillon.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/dist/io.github.quillon.Quillon.metainfo.xml @ONLY)

set(quillon_man_outputs "")
foreach(page quillon quillon-nc)
  set(VERSION ${PROJECT_VERSION})
  configure_file(${QUILLON_DIST_DIR}/man/${page}.1.scd ${QUILLON_MAN_DIR}/${page}.1.scd @ONLY)
  add_custom_command(
    OUTPUT ${QUILLON_MAN_DIR}/${page}.1 ${QUILLON_MAN_DIR}/${page}.1.gz
    COMMAND ${QUILLON_SCDOC} < ${QUILLON_MAN_DIR}/${page}.1.scd > ${QUILLON_MAN_DIR}/${page}.1
    COMMAND ${QUILLON_GZIP} -9nc ${QUILLON_MAN_DIR}/${page}.1 > ${QUILLON_MAN_DIR}/${page}.1.gz
    DEPENDS ${QUILLON_MAN_DIR}/${page}.1.scd
    COMMENT "Writing the man page ${page}(1)")
  list(APPEND quillon_man_outputs ${QUILLON_MAN_DIR}/${page}.1.gz)
endforeach()

add_custom_target(quillon_desktop_files ALL DEPENDS ${QUILLON_ART_DIR}/art.stamp ${quillon_man_outputs})

install(DIRECTORY ${QUILLON_ART_DIR}/hicolor DESTINATION share/icons)
install(FILES ${QUILLON_ART_DIR}/screenshot.png DESTINATION share/quillon/screenshots RENAME main-window.png)
install(FILES ${QUILLON_DIST_DIR}/quillon.desktop DESTINATION share/applications)
install(FILES ${QUILLON_DIST_DIR}/quillon-mime.xml DESTINATION share/mime/packages RENAME quillon.xml)
install(FILES ${CMAKE_BINARY_DIR}/dist/io.github.quillon.Quillon.metainfo.xml DESTINATION share/metainfo)
install(FILES ${quillon_man_outputs} DESTINATION share/man/man1)

# The Debian package: cpack -G DEB (scripts/package.sh). dpkg triggers of
# shared-mime-info, desktop-file-utils and hicolor-icon-theme refresh their
# caches when the files above arrive or leave, so no maintainer scripts.
set(QUILLON_MAINTAINER "Quillon maintainers <maintainers@quillon.invalid>"
    CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VENDOR Quillon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${QUILLON_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the NC part programs of CNC lathes")
# CPack writes the summary as the first line of the description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Quillon opens, edits, prints and saves the NC part programs (*.min, *.ssb,\n"
  "*.lib) of Tessaly CNC lathes with a Zentor controller, and writes much of\n"
  "the program text: G-code and M-code skeletons, machining-process blocks from\n"
  "a dialog and a cutting-condition table, coordinates from geometry\n"
  "calculators, renumbering, size shift, find and replace.\n"
  ".\n"
  "quillon-nc runs the same logic from a terminal.")
string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUILLON_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quillon.github.io/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
