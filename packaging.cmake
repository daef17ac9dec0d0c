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
# PROJ is loaded at the first GPX, so no program links it and dpkg-shlibdeps cannot see it: the
# package that holds the library is named here (it brings PROJ's data).
get_target_property(proj_biblioteca PROJ::proj IMPORTED_LOCATION_NONE)
file(REAL_PATH "${proj_biblioteca}" proj_biblioteca)
execute_process(COMMAND dpkg-query -S "${proj_biblioteca}" OUTPUT_VARIABLE proj_dueno
                ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
string(REGEX REPLACE ":.*" "" proj_paquete "${proj_dueno}")
if(proj_paquete)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${proj_paquete}")
endif()
# Spanish Qt dialogs and the window face.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation2")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
