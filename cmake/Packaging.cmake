# A Debian package of the program: make package (cpack -G DEB in the build folder).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vertebra)
set(CPACK_PACKAGE_VENDOR "Vertebra")
set(CPACK_PACKAGE_CONTACT "Vertebra developers <vertebra@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sex assessment from the first lumbar vertebra for forensic experts")
set(CPACK_PACKAGE_DESCRIPTION "Grades sixteen measurements of the first lumbar vertebra at every \
keystroke against a fixed table of bounds and prints a one-page appendix to the forensic \
expert's conclusion.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6uitools6 (>= 6.4), qt6-qpa-plugins, fonts-liberation2")
include(CPack)
