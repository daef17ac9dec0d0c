// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/errores.h"

namespace ruvek {

// PROJ, GDAL and minizip are loaded when first needed, not when a program starts: with the forty
// and the hundred libraries PROJ and GDAL bring (SQLite, libtiff, libcurl...), each would make
// every start of ruvek-cli slower than the whole conversion of a text file, and minizip is left,
// with libdeflate, to the runs that read or write an archive. The programs do not link them; the
// functions Ruvek calls are the members of ApiProj (geo/api_proj.h), ApiGdal (geo/api_gdal.h) and
// ApiZip (formats/api_zip.h).

// The library of SONAME `soname`, loaded once; Error(`tipo`) naming it as `que` when it cannot be.
void* CargaBiblioteca(const char* soname, const char* que, TipoDeError tipo);

// The function `nombre` of a library loaded; Error(Transformacion) naming `que` when it is missing.
void* FuncionDe(void* biblioteca, const char* nombre, const char* que);

}  // namespace ruvek

// A member that holds the function `f` of the library loaded as `biblioteca`.
#define RUVEK_FUNCION(f, que) \
  decltype(&::f) f = reinterpret_cast<decltype(&::f)>(FuncionDe(biblioteca, #f, que))
