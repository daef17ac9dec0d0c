// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "core/track.h"

namespace ruvek {

// The altitude profile of a track, over the points before the first that ends it (see
// AcabaElTrack). The totals are exact sums of the rises and the falls between consecutive points;
// the other four figures hold no value when there is no such point.
struct ResultadoAnalisis {
  WideFixed total_subida = 0;
  WideFixed total_bajada = 0;
  std::optional<ValorFijo> maxima;
  std::optional<ValorFijo> minima;
  std::optional<ValorFijo> inicial;
  std::optional<ValorFijo> final_;
};

ResultadoAnalisis Analiza(const Track& track);

// The texts of the six value labels: the text form and " m" (just " m" for no value).
struct EtiquetasAnalisis {
  std::string TSubida, TBajada, Maxima, Minima, Inicial, Final;
};

// The label texts of an analysis.
EtiquetasAnalisis EtiquetasDe(const ResultadoAnalisis& r);

}  // namespace ruvek
