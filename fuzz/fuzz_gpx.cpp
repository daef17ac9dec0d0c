// SPDX-License-Identifier: GPL-3.0-or-later
// The GPX reader over arbitrary bytes: it ends with a track or a typed error, and a track it reads
// writes back to GPX and reads again to the same track.
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
  return 0;
}
