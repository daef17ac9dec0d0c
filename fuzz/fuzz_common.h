// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared checks of the fuzz targets: a finding is reported by aborting.
#include <cstdio>
#include <cstdlib>

#include "core/module1.h"

namespace ruvek::fuzz {

inline void Exige(bool cierto, const char* que) {
  if (!cierto) {
    std::fprintf(stderr, "property broken: %s\n", que);
    std::abort();
  }
}

// NumPuntos within 0 to MaxPuntos and every row above it zero, as after a clear and a fill.
inline void CompruebaTabla(const Module1& m) {
  Exige(m.NumPuntos >= 0 && m.NumPuntos <= MaxPuntos, "NumPuntos out of 0 to MaxPuntos");
  for (int fila = m.NumPuntos + 1; fila <= MaxPuntos; ++fila) {
    for (Columna c : {ColumnaX, ColumnaY, ColumnaAltitud}) {
      Exige(m.TablaPuntos.Lee(fila, c).raw() == 0, "a row above NumPuntos is not zero");
    }
  }
}

// The same values in rows 1 to `filas` of both tables, in `columnas`.
inline bool MismasFilas(const Module1& a, const Module1& b, int filas, int columnas = 3) {
  for (int fila = 1; fila <= filas; ++fila) {
    for (int c = 0; c < columnas; ++c) {
      if (a.TablaPuntos.Lee(fila, Columna(c)) != b.TablaPuntos.Lee(fila, Columna(c))) return false;
    }
  }
  return true;
}

}  // namespace ruvek::fuzz
