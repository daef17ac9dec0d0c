// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/bibliotecas.h"

namespace ruvek {

void* CargaProj() {
  return CargaBiblioteca(RUVEK_PROJ_SONAME, "PROJ", TipoDeError::Transformacion);
}

void* CargaGdal() {
  return CargaBiblioteca(RUVEK_GDAL_SONAME, "GDAL", TipoDeError::Transformacion);
}

}  // namespace ruvek
