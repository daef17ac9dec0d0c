// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <proj.h>

namespace ruvek {

// The functions of PROJ that Ruvek calls, by the names proj.h gives them. PROJ is loaded when
// the first transformation is asked for, not when the program starts: with the forty libraries
// it brings (SQLite, libtiff, libcurl...) it would make every start of ruvek-cli slower than the
// whole conversion of a text file. Raises Error(Projection) when it cannot be loaded.
struct ApiProj {
  ApiProj();
  void* biblioteca;
#define RUVEK_PROJ(f) decltype(&::f) f
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
