# What `cmake --install` puts where, and the Debian package made of it: both programs on the PATH,
# the shipped files under share/umbrix (where the program looks once installed), and the desktop's
# entry, file types, icon, metainfo and manual pages.
include(GNUInstallDirs)

set(UMBRIX_APP_ID org.umbrix.Umbrix)
set(UMBRIX_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(UMBRIX_SHARE_DIR ${CMAKE_INSTALL_DATAROOTDIR}/umbrix)

install(TARGETS umbrix umbrix-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${UMBRIX_SHARE_DIR}/examples
        FILES_MATCHING PATTERN "*.umd")

install(FILES ${UMBRIX_PACKAGING_DIR}/${UMBRIX_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${UMBRIX_PACKAGING_DIR}/${UMBRIX_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/mime/packages RENAME ${UMBRIX_APP_ID}.xml)
install(FILES ${UMBRIX_PACKAGING_DIR}/${UMBRIX_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
# for the desktops that draw no SVG icon: the window's own bitmap of it
install(FILES ${PROJECT_SOURCE_DIR}/src/ui/icons/${UMBRIX_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/64x64/apps)
configure_file(${UMBRIX_PACKAGING_DIR}/${UMBRIX_APP_ID}.metainfo.xml
               ${CMAKE_CURRENT_BINARY_DIR}/packaging/${UMBRIX_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/${UMBRIX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${UMBRIX_PACKAGING_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/umbrix)

# Manual pages, compressed as Debian wants them, with no time stamp so that a rebuild is identical.
find_program(UMBRIX_GZIP gzip REQUIRED)
find_program(UMBRIX_HELP2MAN help2man)
set(man_dir ${CMAKE_CURRENT_BINARY_DIR}/packaging/man)
set(man_outputs)
function(umbrix_compress_man source name)  # source: a finished page; name: where it goes below man_dir
  set(output ${man_dir}/${name}.gz)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${man_dir}/${name}
    COMMAND ${UMBRIX_GZIP} -9nf ${man_dir}/${name}
    DEPENDS ${source} VERBATIM)
  set(man_outputs ${man_outputs} ${output} PARENT_SCOPE)
endfunction()

configure_file(${UMBRIX_PACKAGING_DIR}/umbrix.1 ${man_dir}/src/umbrix.1 @ONLY)
configure_file(${UMBRIX_PACKAGING_DIR}/umbrix.fr.1 ${man_dir}/src/umbrix.fr.1 @ONLY)
umbrix_compress_man(${man_dir}/src/umbrix.1 umbrix.1)
umbrix_compress_man(${man_dir}/src/umbrix.fr.1 fr/umbrix.1)
if(UMBRIX_HELP2MAN)
  # the command line's page is its own help text, so that the two never disagree
  set(help2man ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 SOURCE_DATE_EPOCH=1796774400
      ${UMBRIX_HELP2MAN} --no-info --locale=C.UTF-8)
  add_custom_command(OUTPUT ${man_dir}/src/umbrix-cli.1 ${man_dir}/src/umbrix-cli.fr.1
    COMMAND ${help2man} --include=${UMBRIX_PACKAGING_DIR}/umbrix-cli.h2m
            --output=${man_dir}/src/umbrix-cli.1 $<TARGET_FILE:umbrix-cli>
    COMMAND ${help2man} --help-option=--aide --include=${UMBRIX_PACKAGING_DIR}/umbrix-cli.fr.h2m
            --output=${man_dir}/src/umbrix-cli.fr.1 $<TARGET_FILE:umbrix-cli>
    DEPENDS umbrix-cli ${UMBRIX_PACKAGING_DIR}/umbrix-cli.h2m ${UMBRIX_PACKAGING_DIR}/umbrix-cli.fr.h2m
    VERBATIM)
  umbrix_compress_man(${man_dir}/src/umbrix-cli.1 umbrix-cli.1)
  umbrix_compress_man(${man_dir}/src/umbrix-cli.fr.1 fr/umbrix-cli.1)
else()
  message(STATUS "help2man not found: umbrix-cli's manual page is not made")
endif()
# the package's own changelog, compressed like the pages
configure_file(${UMBRIX_PACKAGING_DIR}/changelog ${man_dir}/src/changelog @ONLY)
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND ${UMBRIX_GZIP} -9nc ${man_dir}/src/changelog > ${changelog}
  DEPENDS ${man_dir}/src/changelog)
add_custom_target(umbrix_man_pages ALL DEPENDS ${man_outputs} ${changelog})
install(FILES ${changelog} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/umbrix)
install(DIRECTORY ${man_dir}/ DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
        FILES_MATCHING PATTERN "*.1.gz" PATTERN "fr" EXCLUDE PATTERN "src" EXCLUDE)
install(DIRECTORY ${man_dir}/fr/ DESTINATION ${CMAKE_INSTALL_MANDIR}/fr/man1
        FILES_MATCHING PATTERN "*.1.gz")

# The Debian package
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME umbrix)
set(CPACK_PACKAGE_VENDOR "The Umbrix developers")
set(CPACK_PACKAGE_CONTACT "Umbrix <cadrans@umbrix.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design, trace and check flat sundials")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://umbrix.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its window-system plugin at run time, which the libraries' scan cannot see
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"A maker plants a rod of known height on a dial plate, marks the tip of its
shadow at two instants and types the dates, clock times and positions of the
marks. From that, and from as much of the place as is known, Umbrix finds how
the plate sits in the sky, classifies the dial and traces it: hour lines,
analemmas, arcs of the signs, horizon and the shadow at any instant. It writes
a report in French, exports DXF and SVG, prints, and can keep a small live
dial on the desktop.

The package holds the program (umbrix), its command line (umbrix-cli), the
user manual and example projects.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
