// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "core/track.h"

namespace ruvek {

// What the windows say of a track that can be analysed, and of one that cannot (a track without
// altitudes: an X,Y list, a GPX with a point without them); ruvek-cli refuses the second.
inline constexpr const char* kPuedeAnalizarse = "Este track puede ser analizado";
inline constexpr const char* kNoPuedeAnalizarse = "Este track no puede analizarse";

// The altitude profile of a track, over the points before the first that ends it (see
// AcabaElTrack). The totals are exact sums of the rises and the falls between consecutive points;
// the other four figures hold no value when there is no such point.
struct ResultadoAnalisis {
  FijoAncho total_subida = 0;
  FijoAncho total_bajada = 0;
  std::optional<ValorFijo> maxima;
  std::optional<ValorFijo> minima;
  std::optional<ValorFijo> inicial;
  std::optional<ValorFijo> final_;
};

// With `umbral` (whole metres, 1 or more), the totals count only the track's swings of at least
// that much, as a zigzag filter does: from the last turning point, a climb (or a descent) starts
// once the altitude is `umbral` above (or below) it, and ends at its highest (or lowest) point
// once the altitude falls (or rises) `umbral` from there; a climb or descent under way at the end
// counts to its extreme. Noise below `umbral` does not add up; the four other figures are the
// track's own.
ResultadoAnalisis AnalizaAltitudes(const Track& track, std::optional<int> umbral = std::nullopt);

// A figure as the windows and ruvek-cli show it: its text form and " m" (just " m" for none).
std::string EnMetros(std::optional<FijoAncho> valor);

// The six figures of an analysis in metres, as the window's labels show them.
struct TextosDelAnalisis {
  std::string total_subida, total_bajada, maxima, minima, inicial, final_;
};
TextosDelAnalisis TextosDe(const ResultadoAnalisis& r);

}  // namespace ruvek
