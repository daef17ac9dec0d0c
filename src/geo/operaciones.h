// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "geo/api_proj.h"

namespace ruvek {

// One operation PROJ would choose among to go from one coordinate system to another: its PROJ
// pipeline (longitude or easting first), the box of its area in the source's coordinates, its
// accuracy in metres (negative when unknown), whether its area is offshore, and whether it needs
// no grid.
struct Operacion {
  const char* proj;
  double caja[4];  // west or minimum X, south or minimum Y, east, north
  double precision;
  bool mar;
  bool sin_rejilla;
};

// The operations from the system of EPSG code `de` to that of `a`, as the build chose them.
struct TablaDeOperaciones {
  int de, a;
  std::span<const Operacion> operaciones;
};

// The operations from a system to another, and PROJ's rule to pick one for each point: the most
// accurate whose area holds the point (onshore before offshore, the smaller of two equal ones),
// another when it cannot transform the point, and at last the first that needs no grid. The
// pipelines are made when first used; a grid not found is Error(Transformacion).
class Operaciones {
 public:
  Operaciones(const ApiProj& api, PJ_CONTEXT* contexto, std::span<const Operacion> tabla);
  ~Operaciones();
  Operaciones(const Operaciones&) = delete;
  Operaciones& operator=(const Operaciones&) = delete;

  // The point transformed forward as PROJ would, and the operation taken (the table's size when
  // none could); HUGE_VAL in the point when it cannot be transformed.
  struct Resultado {
    PJ_COORD punto;
    std::size_t operacion;
  };
  Resultado Directa(PJ_COORD punto);

  // The point taken back by operation `i`.
  PJ_COORD Inversa(std::size_t i, PJ_COORD punto);
  std::size_t Cuantas() const { return tabla_.size(); }

 private:
  int Elige(PJ_COORD punto, const int excluidas[2]) const;
  PJ* Pipeline(std::size_t i);

  const ApiProj& api_;
  PJ_CONTEXT* contexto_;
  std::span<const Operacion> tabla_;
  std::vector<PJ*> pipelines_;
};

}  // namespace ruvek
