// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A reader of a layout in degrees over arbitrary bytes: it ends with what the file holds or a
// typed error, and what it reads is written in its layout and reads again to the same tracks,
// segments, points, altitudes, times, names and waypoints (KML and KMZ write a track's times when
// every point has one, a segment's altitudes when every point has one); simplified, it keeps every
// segment's ends, and each kept point all it holds.
#include <algorithm>

#include "core/simplifica.h"
#include "formats/formatos.h"
#include "fuzz_common.h"

namespace ruvek::fuzz {

// Whether two positions are the same, their lines aside.
inline bool Igual(const Posicion& a, const Posicion& b) {
  return a.x == b.x && a.y == b.y && a.altitud == b.altitud && a.tiempo == b.tiempo;
}

// `r` as KML keeps it: a track's times when all its points have one, a segment's altitudes when
// all its points have one.
inline Recorrido ComoKml(Recorrido r) {
  for (Traza& t : r.trazas) {
    bool tiempos = true;
    for (Segmento& s : t.segmentos) {
      tiempos = tiempos && std::all_of(s.begin(), s.end(),
                                       [](const Posicion& p) { return p.tiempo.has_value(); });
      if (!std::all_of(s.begin(), s.end(),
                       [](const Posicion& p) { return p.altitud.has_value(); })) {
        for (Posicion& p : s) p.altitud.reset();
      }
    }
    for (Segmento& s : t.segmentos) {
      for (Posicion& p : s) p.tiempo = tiempos ? p.tiempo : std::nullopt;
    }
  }
  return r;
}

inline bool Iguales(const Recorrido& a, const Recorrido& b) {
  if (a.sistema != b.sistema || a.trazas.size() != b.trazas.size() ||
      a.waypoints.size() != b.waypoints.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.trazas.size(); ++i) {
    const Traza &s = a.trazas[i], &t = b.trazas[i];
    if (s.nombre != t.nombre || s.segmentos.size() != t.segmentos.size()) return false;
    for (std::size_t k = 0; k < s.segmentos.size(); ++k) {
      if (!std::equal(s.segmentos[k].begin(), s.segmentos[k].end(), t.segmentos[k].begin(),
                      t.segmentos[k].end(), Igual)) {
        return false;
      }
    }
  }
  return std::equal(a.waypoints.begin(), a.waypoints.end(), b.waypoints.begin(),
                    [](const Waypoint& v, const Waypoint& w) {
                      return v.nombre == w.nombre && Igual(v.posicion, w.posicion);
                    });
}

inline int LeeYEscribe(Formato formato, const uint8_t* data, size_t size) {
  const FichaDeFormato& ficha = Ficha(formato);
  auto r = Lee(ficha.lee, {reinterpret_cast<const char*>(data), size});
  if (!r || !r->sistema.EnGrados()) return 0;  // metres are written as degrees through PROJ
  for (Traza& t : r->trazas) t.nombre = Utf8Limpio(t.nombre, "\xEF\xBF\xBD");
  for (Waypoint& w : r->waypoints) w.nombre = Utf8Limpio(w.nombre, "\xEF\xBF\xBD");
  const auto otra = Lee(ficha.lee, ficha.escribe(*r));
  Exige(otra.has_value() || (r->trazas.empty() && r->waypoints.empty()),
        "what is written does not read");
  const bool como_kml = formato == Formato::Kml || formato == Formato::Kmz;
  Exige(!otra || Iguales(como_kml ? ComoKml(*r) : *r, *otra),
        "what is written reads to something else");
  // Simplified, measured in its own numbers.
  std::vector<Punto3D> metros;
  r->ParaCadaPunto([&](const Posicion& p) { metros.push_back({p.x, p.y, p.altitud.value_or(0)}); });
  Recorrido corto = *r;
  const Simplificacion s = Simplifica(corto, 3, metros);
  Exige(corto.PuntosDeTraza() == s.despues && corto.trazas.size() == r->trazas.size(),
        "the simplification lost count");
  for (std::size_t i = 0; i < r->trazas.size(); ++i) {
    for (std::size_t k = 0; k < r->trazas[i].segmentos.size(); ++k) {
      const Segmento &antes = r->trazas[i].segmentos[k], &despues = corto.trazas[i].segmentos[k];
      Exige(Igual(antes.front(), despues.front()) && Igual(antes.back(), despues.back()),
            "a simplified segment lost an end");
    }
  }
  return 0;
}

}  // namespace ruvek::fuzz
