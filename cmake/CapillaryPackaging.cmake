# Manual pages and the Debian package: `cpack -G DEB` in the build folder makes
# tolmerk-capillary-design_VERSION_ARCH.deb with both programs in /usr/bin, the desktop entry,
# the icons, the *.cqz file type, the artwork and the manual pages.
include(GNUInstallDirs)

set(manual_pages capillary-size)
if(CAPILLARY_BUILD_UI)
  list(APPEND manual_pages capillary-design)
endif()
set(compressed_pages)
foreach(page IN LISTS manual_pages)
  set(source ${PROJECT_BINARY_DIR}/man/${page}.1)
  configure_file(${PROJECT_SOURCE_DIR}/docs/man/${page}.1 ${source} @ONLY)
  # Compressed without a name or time stamp, so that the page is the same at every build.
  add_custom_command(OUTPUT ${source}.gz
    COMMAND gzip -9nkf ${source}
    DEPENDS ${source}
    COMMENT "Compressing the manual page ${page}(1)")
  list(APPEND compressed_pages ${source}.gz)
endforeach()
add_custom_target(manual_pages ALL DEPENDS ${compressed_pages})
install(FILES ${compressed_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolmerk-capillary-design)
set(CPACK_PACKAGE_VENDOR Tolmerk)
set(CPACK_PACKAGE_CONTACT "Tolmerk <support@tolmerk.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "capillary tube sizing for refrigeration circuits")
# The long description as control-file lines of their own.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "${CAPILLARY_PRODUCT_TITLE} sizes the capillary tube, the fixed expansion"
  "device, of a small refrigeration or air-conditioning circuit: the smallest"
  "standard bore that meets a pressure drop limit, with its velocity, length"
  "and pressure drops, for R22, R134a, R407C and R404A."
  "."
  "The package holds the desktop program capillary-design and the command-line"
  "sizer capillary-size.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.tolmerk.example")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The libraries the programs link come from dpkg-shlibdeps; the window also needs Qt's
# platform plugins and the fonts its layout was fitted to.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core, fonts-dejavu-extra")
include(CPack)
