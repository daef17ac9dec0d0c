// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bibliotecas.h"

#include <dlfcn.h>

#include <string>

namespace ruvek {

void* CargaBiblioteca(const char* soname, const char* que, TipoDeError tipo) {
  void* biblioteca = dlopen(soname, RTLD_LAZY | RTLD_LOCAL);
  if (biblioteca == nullptr) {
    throw Error(tipo, std::string("no se puede cargar ") + que + " (" + dlerror() + ")");
  }
  return biblioteca;
}

void* FuncionDe(void* biblioteca, const char* nombre, const char* que) {
  void* f = dlsym(biblioteca, nombre);
  if (f == nullptr) {
    throw Error(TipoDeError::Transformacion, std::string(que) + " no tiene " + nombre);
  }
  return f;
}

}  // namespace ruvek
