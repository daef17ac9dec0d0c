// SPDX-License-Identifier: GPL-3.0-or-later
// The GPX loader over arbitrary bytes: it ends with a new track or a typed error that leaves the
// old one as it was, and a track it loads writes back to GPX and loads again to the same table.
#include <string>

#include "core/errors.h"
#include "formats/gpx.h"
#include "fuzz_common.h"

using namespace ruvek;

namespace {
std::optional<ResultadoCarga> Carga(Module1& m, const std::string& bytes, Proyeccion& proyeccion) {
  try {
    return AbrirGPX(m, bytes, proyeccion);
  } catch (const Error&) {
    return std::nullopt;  // every kind of Error is a way out the loader has; anything else is a
                          // finding
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Proyeccion& proyeccion = *new Proyeccion;
  static Module1& m = *new Module1;
  static Module1& otra = *new Module1;
  m.TablaPuntos.Borra();
  m.NumPuntos = 1;
  m.TablaPuntos.Escribe(1, ColumnaAltitud, ValorFijo::Whole(7));  // the track before
  const auto carga = Carga(m, std::string(reinterpret_cast<const char*>(data), size), proyeccion);
  fuzz::CompruebaTabla(m);
  if (!carga) {
    fuzz::Exige(m.NumPuntos == 1 && m.TablaPuntos.Lee(1, ColumnaAltitud) == ValorFijo::Whole(7),
                "a refused GPX changed the track");
    return 0;
  }
  const bool otra_carga =
      Carga(otra, TextoGpx(m, "fuzz", carga->con_altitudes, proyeccion), proyeccion).has_value();
  fuzz::Exige(otra_carga, "a written GPX does not load");
  fuzz::Exige(otra.NumPuntos == m.NumPuntos && fuzz::MismasFilas(m, otra, m.NumPuntos),
              "the written GPX loads to another table");
  return 0;
}
