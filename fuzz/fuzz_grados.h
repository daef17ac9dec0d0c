// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A reader of a layout in degrees over arbitrary bytes: it ends with a track or a typed error, and
// a track it reads is written in its layout and reads again to the same track; simplified, it
// keeps its ends.
#include "core/simplifica.h"
#include "formats/formatos.h"
#include "fuzz_common.h"

namespace ruvek::fuzz {

inline int LeeYEscribe(Formato formato, const uint8_t* data, size_t size) {
  static Proyeccion& proyeccion = *new Proyeccion;
  const FichaDeFormato& ficha = Ficha(formato);
  const auto lee = [&](std::string_view bytes) {
    return ficha.lee(bytes, proyeccion, Datum::Ed50);
  };
  const auto t = Lee(lee, {reinterpret_cast<const char*>(data), size});
  if (!t) return 0;
  const auto otra = Lee(lee, ficha.escribe(*t, "fuzz", proyeccion, Datum::Ed50));
  Exige(otra.has_value(), "a written track does not read");
  Exige(*otra == *t, "the written track reads to another track");
  Track corto = *t;
  const Simplificacion s = Simplifica(corto, 3);
  Exige(corto.puntos.size() == s.despues && s.despues <= 3 &&
            corto.puntos.front() == t->puntos.front() && corto.puntos.back() == t->puntos.back() &&
            s.distancia >= 0,
        "the simplified track lost its ends or kept too many points");
  return 0;
}

}  // namespace ruvek::fuzz
