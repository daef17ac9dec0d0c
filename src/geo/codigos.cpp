// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the systems: their EPSG codes, their datums' names, the area of each zone.
#include <cmath>

#include "geo/proyeccion.h"

namespace ruvek {

Error ErrorFueraDelHuso(const std::string& que, const std::string& donde, int huso, long linea) {
  const auto grados = [](double lon) {
    const std::string n = std::to_string(std::lround(std::abs(lon)));
    return n + (lon < 0 ? " grados oeste" : lon > 0 ? " grados este" : " grados");
  };
  return Error(TipoDeError::FueraDelHuso,
               que + " (" + donde + ") cae fuera de lo que cubre el huso " + std::to_string(huso) +
                   ": latitud de 0 a 84 grados norte, longitud de " + grados(OesteDelArea(huso)) +
                   " a " + grados(EsteDelArea(huso)),
               linea);
}

int CodigoEpsg(Sistema sistema) {
  switch (sistema.datum) {
    case Datum::Wgs84:
      return sistema.EnGrados() ? 4326 : 32600 + sistema.huso;
    case Datum::Ed50:
      return sistema.EnGrados() ? 4230 : 23000 + sistema.huso;
    case Datum::Etrs89:  // in the Canary Islands' zone, their realisation of it: REGCAN95
      return sistema.EnGrados() ? 4258 : sistema.huso == 28 ? 4083 : 25800 + sistema.huso;
  }
  return 0;
}

std::optional<Sistema> SistemaDeEpsg(int codigo) {
  for (const Datum datum : {Datum::Wgs84, Datum::Ed50, Datum::Etrs89}) {
    for (int huso = 0; huso <= 60; ++huso) {
      if (CodigoEpsg({datum, huso}) == codigo) return Sistema{datum, huso};
    }
  }
  return std::nullopt;
}

const char* NombreDatum(Datum datum) {
  switch (datum) {
    case Datum::Wgs84:
      return "WGS 84";
    case Datum::Ed50:
      return "ED50";
    case Datum::Etrs89:
      return "ETRS89";
  }
  return "?";
}

}  // namespace ruvek
