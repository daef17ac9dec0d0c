// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "core/module1.h"

namespace ruvek {

// The altitude profile of the track: rows from 1 until the first row whose X is less than 1
// (NumPuntos is not consulted). The totals are exact sums of the rises and the falls between
// consecutive rows; the other four figures hold no value when no row was examined.
struct ResultadoAnalisis {
  WideFixed total_subida = 0;
  WideFixed total_bajada = 0;
  std::optional<ValorFijo> maxima;
  std::optional<ValorFijo> minima;
  std::optional<ValorFijo> inicial;
  std::optional<ValorFijo> final_;
};

ResultadoAnalisis Analiza(const TablaPuntos& tabla);

// The texts of the six value labels: the text form and " m" (just " m" for no value).
struct EtiquetasAnalisis {
  std::string TSubida, TBajada, Maxima, Minima, Inicial, Final;
};

// The label texts of an analysis.
EtiquetasAnalisis EtiquetasDe(const ResultadoAnalisis& r);

// Runs the analysis over the current table, keeps its four results in Module1 and returns the
// label texts.
EtiquetasAnalisis AnalisisDelTrack(Module1& m);

}  // namespace ruvek
