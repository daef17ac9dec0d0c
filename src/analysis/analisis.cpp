// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/analisis.h"

#include <algorithm>

namespace ruvek {

namespace {
std::string Metros(std::optional<WideFixed> valor) {
  std::string texto;
  if (valor) AppendFixedText(texto, *valor);
  texto += " m";
  return texto;
}

std::optional<WideFixed> Ancho(std::optional<ValorFijo> valor) {
  if (!valor) return std::nullopt;
  return valor->raw();
}
}  // namespace

ResultadoAnalisis Analiza(const Track& track) {
  ResultadoAnalisis r;
  const std::span<const Punto> puntos = PuntosHastaElFinal(track);
  if (puntos.empty()) return r;
  const std::int64_t inicial = puntos.front().altitud.raw();
  std::int64_t anterior = inicial, maxima = inicial, minima = inicial;
  for (const Punto& p : puntos.subspan(1)) {
    const std::int64_t a = p.altitud.raw();
    // Differences of two ValorFijo may need 65 bits; the sums need the wide type.
    if (a > anterior) r.total_subida += WideFixed(a) - anterior;
    if (a < anterior) r.total_bajada += WideFixed(anterior) - a;
    maxima = std::max(maxima, a);
    minima = std::min(minima, a);
    anterior = a;
  }
  r.inicial = ValorFijo::FromRaw(inicial);
  r.final_ = ValorFijo::FromRaw(anterior);
  r.maxima = ValorFijo::FromRaw(maxima);
  r.minima = ValorFijo::FromRaw(minima);
  return r;
}

EtiquetasAnalisis EtiquetasDe(const ResultadoAnalisis& r) {
  return {Metros(r.total_subida),  Metros(r.total_bajada),   Metros(Ancho(r.maxima)),
          Metros(Ancho(r.minima)), Metros(Ancho(r.inicial)), Metros(Ancho(r.final_))};
}

}  // namespace ruvek
