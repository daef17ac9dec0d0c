// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <proj.h>

namespace ruvek {

// PROJ's library, loaded by its SONAME, and a function of it by its name; Error(Transformacion)
// when either is missing.
void* CargaProj();
void* FuncionProj(void* biblioteca, const char* nombre);

// The functions of PROJ that Ruvek calls, by the names proj.h gives them. PROJ is loaded when
// the first transformation is asked for, not when the program starts: with the forty libraries
// it brings (SQLite, libtiff, libcurl...) it would make every start of ruvek-cli slower than the
// whole conversion of a text file.
struct ApiProj {
  void* biblioteca = CargaProj();
#define RUVEK_PROJ(f) \
  decltype(&::f) f = reinterpret_cast<decltype(&::f)>(FuncionProj(biblioteca, #f))
  RUVEK_PROJ(proj_context_create);
  RUVEK_PROJ(proj_context_destroy);
  RUVEK_PROJ(proj_context_set_enable_network);
  RUVEK_PROJ(proj_context_set_search_paths);
  RUVEK_PROJ(proj_context_errno);
  RUVEK_PROJ(proj_context_errno_string);
  RUVEK_PROJ(proj_log_func);
  RUVEK_PROJ(proj_create);
  RUVEK_PROJ(proj_destroy);
  RUVEK_PROJ(proj_trans);
#undef RUVEK_PROJ
};

}  // namespace ruvek
