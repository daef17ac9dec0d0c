// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ruvek {

// PROJ and GDAL are loaded when first needed, not when a program starts: with the forty and the
// hundred libraries they bring (SQLite, libtiff, libcurl...) each would make every start of
// ruvek-cli slower than the whole conversion of a text file. The programs do not link them; the
// functions Ruvek calls are the members of ApiProj (geo/api_proj.h) and ApiGdal (geo/api_gdal.h).

// The library of PROJ, of GDAL (by the SONAMEs Ruvek was built with), and a function of either by
// its name; Error(Transformacion) naming `que` when one is missing.
void* CargaProj();
void* CargaGdal();
void* FuncionDe(void* biblioteca, const char* nombre, const char* que);

}  // namespace ruvek

// A member that holds the function `f` of the library loaded as `biblioteca`.
#define RUVEK_FUNCION(f, que) \
  decltype(&::f) f = reinterpret_cast<decltype(&::f)>(FuncionDe(biblioteca, #f, que))
