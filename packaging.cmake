# SPDX-License-Identifier: GPL-3.0-or-later
# A Debian package of the installed program: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME ruvek)
set(CPACK_PACKAGE_VENDOR "El equipo de Ruvek")
set(CPACK_PACKAGE_CONTACT "El equipo de Ruvek <${RUVEK_CONTACTO}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convierte tracks GPS entre TrackMaker y listas X,Y del Sitna")
set(CPACK_PACKAGE_DESCRIPTION
    "Ruvek abre tracks exportados como texto por GPS TrackMaker o listas X,Y,
los guarda en el otro formato, analiza sus altitudes y los pasa por el
portapapeles.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY ruvek)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Spanish Qt dialogs and the window face.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation2")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
