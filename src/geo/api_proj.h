// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <geodesic.h>
#include <proj.h>

#include "geo/bibliotecas.h"

namespace ruvek {

// The functions of PROJ that Ruvek calls, by the names proj.h gives them.
struct ApiProj {
  void* biblioteca = CargaProj();
  RUVEK_FUNCION(proj_context_create, "PROJ");
  RUVEK_FUNCION(proj_context_destroy, "PROJ");
  RUVEK_FUNCION(proj_context_set_enable_network, "PROJ");
  RUVEK_FUNCION(proj_context_set_search_paths, "PROJ");
  RUVEK_FUNCION(proj_context_errno, "PROJ");
  RUVEK_FUNCION(proj_context_errno_string, "PROJ");
  RUVEK_FUNCION(proj_log_func, "PROJ");
  RUVEK_FUNCION(proj_create, "PROJ");
  RUVEK_FUNCION(proj_destroy, "PROJ");
  RUVEK_FUNCION(proj_trans, "PROJ");
  RUVEK_FUNCION(geod_init, "PROJ");
  RUVEK_FUNCION(geod_inverse, "PROJ");
};

}  // namespace ruvek
