// SPDX-License-Identifier: GPL-3.0-or-later
// The GPX reader over arbitrary bytes: it ends with a track or a typed error, and a track it reads
// writes back to GPX and reads again to the same track; simplified, it keeps its ends.
#include "core/simplifica.h"
#include "formats/gpx.h"
#include "fuzz_common.h"

using namespace ruvek;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Proyeccion& proyeccion = *new Proyeccion;
  const auto lee = [](std::string_view bytes) { return LeeGpx(bytes, proyeccion); };
  const auto t = fuzz::Lee(lee, {reinterpret_cast<const char*>(data), size});
  if (!t) return 0;
  const auto otra = fuzz::Lee(lee, EscribeGpx(*t, "fuzz", proyeccion));
  fuzz::Exige(otra.has_value(), "a written GPX does not read");
  fuzz::Exige(*otra == *t, "the written GPX reads to another track");
  Track corto = *t;
  const Simplificacion s = Simplifica(corto, 3);
  fuzz::Exige(corto.puntos.size() == s.despues && s.despues <= 3 &&
                  corto.puntos.front() == t->puntos.front() &&
                  corto.puntos.back() == t->puntos.back() && s.distancia >= 0,
              "the simplified track lost its ends or kept too many points");
  return 0;
}
