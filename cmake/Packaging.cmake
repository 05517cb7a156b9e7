if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/WindowsPackage.cmake)
  include(CPack)
  return()
endif()
# The Debian package (cpack -G DEB). Library dependencies are computed from
# the binaries; the fonts the plates print with, Qt's Japanese texts and the
# spreadsheet application that opens the workbooks are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tagrio)
set(CPACK_PACKAGE_VENDOR "Tagrio")
set(CPACK_PACKAGE_CONTACT "Tagrio developers <dev@tagrio.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cable lists and cable nameplates for electrical installations")
set(CPACK_PACKAGE_DESCRIPTION "Keeps the list of cables of an electrical installation and produces the
nameplates fixed to each cable, as spreadsheet workbooks or printed directly.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-mincho, fonts-ipafont-gothic, fonts-noto-cjk, fonts-liberation2, qt6-translations-l10n, libreoffice-calc")
include(CPack)
