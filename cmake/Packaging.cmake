# `cmake --build --preset release --target package` makes brimwell_<version>_<arch>.deb from what
# `cmake --install` puts in place. Library dependencies are worked out by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brimwell)
set(CPACK_PACKAGE_VENDOR "The Brimwell developers")
set(CPACK_PACKAGE_CONTACT "The Brimwell developers <developers@brimwell.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-dimensional tile map editor")
set(CPACK_PACKAGE_DESCRIPTION
    "Brimwell paints tile maps of up to 255 layers from parts images, with a pen,\n\
a tiling pen, fill, selections, undo and a preview, and exports them as FMF,\n\
CSV and one bitmap. brimwell-cli converts and inspects maps in build pipelines.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    "${CMAKE_SOURCE_DIR}/resources/debian/postinst;${CMAKE_SOURCE_DIR}/resources/debian/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
