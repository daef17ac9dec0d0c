// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared checks of the fuzz targets: a finding is reported by aborting.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <type_traits>

#include "core/errores.h"
#include "core/track.h"

namespace ruvek::fuzz {

inline void Exige(bool cierto, const char* que) {
  if (!cierto) {
    std::fprintf(stderr, "property broken: %s\n", que);
    std::abort();
  }
}

// What a reader makes of `bytes`: a table within the capacity or a recorrido within its bounds,
// or nothing when it raises one of its typed errors (the ways out a reader has; anything else is
// a finding).
template <typename Lector>
auto Lee(Lector&& lee, std::string_view bytes) -> std::optional<decltype(lee(bytes))> {
  try {
    auto leido = lee(bytes);
    if constexpr (std::is_same_v<decltype(leido), Track>) {
      Exige(leido.puntos.size() <= std::size_t(kMaximoDePuntos), "a track beyond the capacity");
    } else {
      Exige(leido.PuntosDeTraza() <= std::size_t(kMaximoDePuntosLeidos) &&
                leido.waypoints.size() <= kMaximoDeWaypoints,
            "a recorrido beyond its bounds");
    }
    return leido;
  } catch (const LecturaIncompleta& e) {  // what it kept is a track of the table too
    Exige(e.leido.puntos.size() <= std::size_t(kMaximoDePuntos),
          "a partial track beyond the capacity");
    return std::nullopt;
  } catch (const Error&) {
    return std::nullopt;
  }
}

}  // namespace ruvek::fuzz
