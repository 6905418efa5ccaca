# Installing and the Debian package.
# `cmake --install build --prefix PREFIX` puts the four programs into PREFIX/bin and
# the message catalogues into PREFIX/bin/errmsg/: the module reads them from the
# folder of its own file (the host's HelpPath value names that file).
include(GNUInstallDirs)
install(TARGETS nx2400p nx2400p-cli nx2400p-dialog nx2400p-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${NX_CATALOGUE_FOLDER} DESTINATION ${CMAKE_INSTALL_BINDIR})

# `cpack -G DEB` in the build folder: nx2400p_<version>_<arch>.deb, installing under
# /usr, its dependencies found by dpkg-shlibdeps from the libraries the programs link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nx2400p)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "NX-2400P module developers <nx2400p@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Device-management module for NX-2400P managed Ethernet switches")
set(CPACK_PACKAGE_DESCRIPTION "The module that a network-management host suite starts for each \
switch: a live front panel and the switch's configuration over SNMP v1, v2c and v3, with a \
command-line client, a dialog driver and a switch simulator.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Debug information stays in the build; the package carries stripped programs.
set(CPACK_STRIP_FILES ON)
include(CPack)
