// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "core/errors.h"
#include "core/precision.h"
#include "core/tabla_puntos.h"

namespace ruvek {

// The program state shared by every command for the whole run: the track, its point count,
// the current file name, the window title, and the figures of the last altitude analysis.
// One instance, owned by the main window and passed to whoever needs it.
struct Module1 {
  ruvek::TablaPuntos TablaPuntos;
  int NumPuntos = 0;
  std::string ArchivoActual;
  std::string TituloVentana;

  // Results of the last analysis. The totals are exact sums that never wrap; the extremes
  // hold no value until an analysis has examined a row.
  WideFixed TotalSubida = 0;
  WideFixed TotalBajada = 0;
  std::optional<ValorFijo> AltitudMaxima;
  std::optional<ValorFijo> AltitudMinima;
};

// Counts one more point of the track being filled and returns its row; SubscriptOutOfRange,
// counting nothing, when the table already holds MaxPuntos points.
inline int NuevoPunto(Module1& m) {
  if (m.NumPuntos >= MaxPuntos) {
    throw Error(ErrorKind::SubscriptOutOfRange, "el track tiene más de 10000 puntos");
  }
  return ++m.NumPuntos;
}

}  // namespace ruvek
