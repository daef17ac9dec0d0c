// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/analisis.h"

#include <algorithm>

namespace ruvek {

namespace {
std::optional<FijoAncho> Ancho(std::optional<ValorFijo> valor) {
  if (!valor) return std::nullopt;
  return valor->diezmilesimas();
}
}  // namespace

std::string EnMetros(std::optional<FijoAncho> valor) {
  std::string texto;
  if (valor) AnadeTextoFijo(texto, *valor);
  texto += " m";
  return texto;
}

ResultadoAnalisis AnalizaAltitudes(const Track& track) {
  ResultadoAnalisis r;
  const std::span<const Punto> puntos = PuntosHastaElFinal(track);
  if (puntos.empty()) return r;
  const std::int64_t inicial = puntos.front().altitud.diezmilesimas();
  std::int64_t anterior = inicial, maxima = inicial, minima = inicial;
  for (const Punto& p : puntos.subspan(1)) {
    const std::int64_t a = p.altitud.diezmilesimas();
    // Differences of two ValorFijo may need 65 bits; the sums need the wide type.
    if (a > anterior) r.total_subida += FijoAncho(a) - anterior;
    if (a < anterior) r.total_bajada += FijoAncho(anterior) - a;
    maxima = std::max(maxima, a);
    minima = std::min(minima, a);
    anterior = a;
  }
  r.inicial = ValorFijo::DeDiezmilesimas(inicial);
  r.final_ = ValorFijo::DeDiezmilesimas(anterior);
  r.maxima = ValorFijo::DeDiezmilesimas(maxima);
  r.minima = ValorFijo::DeDiezmilesimas(minima);
  return r;
}

TextosDelAnalisis TextosDe(const ResultadoAnalisis& r) {
  return {EnMetros(r.total_subida),  EnMetros(r.total_bajada),   EnMetros(Ancho(r.maxima)),
          EnMetros(Ancho(r.minima)), EnMetros(Ancho(r.inicial)), EnMetros(Ancho(r.final_))};
}

}  // namespace ruvek
