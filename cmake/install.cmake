# What `cmake --install` and `cpack -G DEB` put on a desktop: the three programs, the
# launcher, the AppStream metainfo, the icons, the manual pages and the shell completion.
# Everything the viewer loads at run time is compiled in, so nothing here names the
# build tree.
include(GNUInstallDirs)

set(DIREVOVU_APP_ID org.direvovu.Viewer)
set(desktop_dir ${PROJECT_SOURCE_DIR}/desktop)
set(generated_dir ${PROJECT_BINARY_DIR}/desktop)

install(TARGETS direvovu direvovu-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET direvovu-sample)
  install(TARGETS direvovu-sample RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(FILES ${desktop_dir}/${DIREVOVU_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${desktop_dir}/${DIREVOVU_APP_ID}.metainfo.xml ${generated_dir}/${DIREVOVU_APP_ID}.metainfo.xml @ONLY)
install(FILES ${generated_dir}/${DIREVOVU_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop_dir}/direvovu-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME direvovu-cli)

# Icons: the drawing is the SVG; the bitmap sizes are rendered from it at build time.
find_program(DIREVOVU_RSVG_CONVERT rsvg-convert)
if(NOT DIREVOVU_RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert not found: run scripts/install-deps (Debian package librsvg2-bin)")
endif()
set(icon_svg ${desktop_dir}/icons/${DIREVOVU_APP_ID}.svg)
install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
set(icon_pngs "")
foreach(size 48 128 256)
  set(png ${generated_dir}/icons/${size}/${DIREVOVU_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${generated_dir}/icons/${size}
    COMMAND ${DIREVOVU_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${icon_svg}
    DEPENDS ${icon_svg} VERBATIM)
  list(APPEND icon_pngs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Manual pages: the viewer's is written by hand; the command line's takes every command's
# usage from the program's own --help.
string(TIMESTAMP MAN_DATE "%Y-%m-%d" UTC)
configure_file(${PROJECT_SOURCE_DIR}/docs/man/direvovu.1.in ${generated_dir}/man/direvovu.1 @ONLY)
set(cli_man ${generated_dir}/man/direvovu-cli.1)
add_custom_command(OUTPUT ${cli_man}
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:direvovu-cli>
          -DTEMPLATE=${PROJECT_SOURCE_DIR}/docs/man/direvovu-cli.1.in -DOUTPUT=${cli_man}
          -DPROJECT_VERSION=${PROJECT_VERSION} -P ${PROJECT_SOURCE_DIR}/cmake/cli_man_page.cmake
  DEPENDS direvovu-cli ${PROJECT_SOURCE_DIR}/docs/man/direvovu-cli.1.in ${PROJECT_SOURCE_DIR}/cmake/cli_man_page.cmake
  VERBATIM)
add_custom_target(direvovu_desktop_files ALL DEPENDS ${icon_pngs} ${cli_man})
install(FILES ${generated_dir}/man/direvovu.1 ${cli_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The terms: GPL-3.0-or-later for the viewer (it links FFmpeg with x264), in Debian's
# machine-readable form, with those of what the map page carries.
install(FILES ${desktop_dir}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package: shared-library dependencies computed by dpkg-shlibdeps, plus what
# the programs need at run time that is not a library they link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME direvovu)
set(CPACK_PACKAGE_VENDOR "The DirevOvu developers")
set(CPACK_PACKAGE_CONTACT "The DirevOvu developers <maintainers@direvovu.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for a two-lens car dash camera")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Plays the front and rear recordings of a dash camera side by side, in step, with the\n\
G-sensor, speed, time and GPS position embedded in them, and does the camera's other\n\
jobs: card download and format, encrypted recordings, the camera's setup, driving logs\n\
on a map, event reports. direvovu-cli does the same work from scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libvlc finds its decoders and video outputs as plug-ins; Qt its window-system plug-in;
# the map page runs in QtWebEngineProcess; the texts of seven languages need the fonts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "vlc-plugin-base, vlc-plugin-video-output, qt6-qpa-plugins, libqt6webenginecore6-bin, fonts-noto-cjk, fonts-dejavu-core")
# Formatting a card goes through UDisks2 (or mkfs.fat); direvovu-sample encodes with ffmpeg.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "udisks2, dosfstools, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "ffmpeg")
include(CPack)
