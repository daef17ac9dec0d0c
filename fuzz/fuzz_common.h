// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared checks of the fuzz targets: a finding is reported by aborting.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "core/errores.h"
#include "core/track.h"

namespace ruvek::fuzz {

inline void Exige(bool cierto, const char* que) {
  if (!cierto) {
    std::fprintf(stderr, "property broken: %s\n", que);
    std::abort();
  }
}

// What a reader makes of `bytes`: a track within the capacity, or nothing when it raises one of
// its typed errors (the ways out a reader has; anything else is a finding).
template <typename Lector>
std::optional<Track> Lee(Lector&& lee, std::string_view bytes) {
  try {
    Track t = lee(bytes);
    Exige(t.puntos.size() <= std::size_t(kMaximoDePuntos), "a track beyond the capacity");
    return t;
  } catch (const LecturaIncompleta& e) {  // what it kept is a track of the table too
    Exige(e.leido.puntos.size() <= std::size_t(kMaximoDePuntos),
          "a partial track beyond the capacity");
    return std::nullopt;
  } catch (const Error&) {
    return std::nullopt;
  }
}

}  // namespace ruvek::fuzz
