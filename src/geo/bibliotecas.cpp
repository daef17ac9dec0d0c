// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/biblioteca_proj.h"

#include <dlfcn.h>

#include <string>

#include "core/errores.h"

namespace ruvek {

void* CargaProj() {
  void* biblioteca = dlopen(RUVEK_PROJ_SONAME, RTLD_LAZY | RTLD_LOCAL);
  if (biblioteca == nullptr) {
    throw Error(TipoDeError::Transformacion,
                std::string("no se puede cargar PROJ (") + dlerror() + ")");
  }
  return biblioteca;
}

void* FuncionProj(void* biblioteca, const char* nombre) {
  void* f = dlsym(biblioteca, nombre);
  if (f == nullptr)
    throw Error(TipoDeError::Transformacion, std::string("PROJ no tiene ") + nombre);
  return f;
}

}  // namespace ruvek
