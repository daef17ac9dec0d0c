# SPDX-License-Identifier: GPL-3.0-or-later
# A Debian package of the installed program: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME ruvek)
set(CPACK_PACKAGE_VENDOR "El equipo de Ruvek")
set(CPACK_PACKAGE_CONTACT "El equipo de Ruvek <${RUVEK_CONTACTO}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convierte tracks GPS entre TrackMaker, listas X,Y, GPX, KML, KMZ y GeoJSON")
set(CPACK_PACKAGE_DESCRIPTION
    "Ruvek abre tracks exportados como texto por GPS TrackMaker, listas X,Y
del Sitna, GPX, KML, KMZ y GeoJSON, los guarda en otro formato, analiza sus
altitudes (también con las de un modelo digital del terreno) y los pasa
por el portapapeles.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY ruvek)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# PROJ, GDAL and minizip are loaded at first use (PROJ at the first projection, GDAL at the first
# terrain model, minizip at the first KMZ), so no program links them and dpkg-shlibdeps cannot see
# them: the packages that hold the libraries are named here (PROJ's brings its data; minizip's
# brings zlib's), with libdeflate's, loaded with minizip.
set(bibliotecas "${MINIZIP_LIBRARY}" "${LIBDEFLATE_LIBRARY}")
foreach(objetivo PROJ::proj GDAL::GDAL)
  get_target_property(biblioteca ${objetivo} IMPORTED_LOCATION_NONE)
  if(NOT biblioteca)
    get_target_property(biblioteca ${objetivo} IMPORTED_LOCATION)
  endif()
  list(APPEND bibliotecas "${biblioteca}")
endforeach()
set(dependencias "")
foreach(biblioteca IN LISTS bibliotecas)
  file(REAL_PATH "${biblioteca}" biblioteca)
  execute_process(COMMAND dpkg-query -S "${biblioteca}" OUTPUT_VARIABLE dueno
                  ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REGEX REPLACE ":.*" "" paquete "${dueno}")
  if(paquete)
    list(APPEND dependencias "${paquete}")
  endif()
endforeach()
list(JOIN dependencias ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
# Spanish Qt dialogs and the window face.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation2")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
