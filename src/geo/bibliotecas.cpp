// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/bibliotecas.h"

#include <dlfcn.h>

#include <string>

#include "core/errores.h"

namespace ruvek {

namespace {

void* CargaBiblioteca(const char* soname, const char* que) {
  void* biblioteca = dlopen(soname, RTLD_LAZY | RTLD_LOCAL);
  if (biblioteca == nullptr) {
    throw Error(TipoDeError::Transformacion,
                std::string("no se puede cargar ") + que + " (" + dlerror() + ")");
  }
  return biblioteca;
}

}  // namespace

void* CargaProj() { return CargaBiblioteca(RUVEK_PROJ_SONAME, "PROJ"); }

void* CargaGdal() { return CargaBiblioteca(RUVEK_GDAL_SONAME, "GDAL"); }

void* FuncionDe(void* biblioteca, const char* nombre, const char* que) {
  void* f = dlsym(biblioteca, nombre);
  if (f == nullptr) {
    throw Error(TipoDeError::Transformacion, std::string(que) + " no tiene " + nombre);
  }
  return f;
}

}  // namespace ruvek
