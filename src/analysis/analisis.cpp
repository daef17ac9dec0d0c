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

namespace {

// The totals of the swings of at least `umbral` ten-thousandths (see AnalizaAltitudes).
void SumaVaivenes(std::span<const Punto> puntos, FijoAncho umbral, ResultadoAnalisis& r) {
  FijoAncho ultimo = puntos.front().altitud.diezmilesimas(), extremo = ultimo;
  int sentido = 0;  // climbing (1), descending (-1), or neither yet
  for (const Punto& p : puntos.subspan(1)) {
    const FijoAncho a = p.altitud.diezmilesimas();
    if (sentido == 0) {
      if (a - ultimo >= umbral) sentido = 1, extremo = a;
      if (ultimo - a >= umbral) sentido = -1, extremo = a;
    } else if (sentido > 0) {
      if (a > extremo) {
        extremo = a;
      } else if (extremo - a >= umbral) {
        r.total_subida += extremo - ultimo;
        ultimo = extremo, sentido = -1, extremo = a;
      }
    } else if (a < extremo) {
      extremo = a;
    } else if (a - extremo >= umbral) {
      r.total_bajada += ultimo - extremo;
      ultimo = extremo, sentido = 1, extremo = a;
    }
  }
  if (sentido > 0) r.total_subida += extremo - ultimo;
  if (sentido < 0) r.total_bajada += ultimo - extremo;
}

}  // namespace

ResultadoAnalisis AnalizaAltitudes(const Track& track, std::optional<int> umbral) {
  ResultadoAnalisis r;
  const std::span<const Punto> puntos = PuntosHastaElFinal(track);
  if (puntos.empty()) return r;
  const std::int64_t inicial = puntos.front().altitud.diezmilesimas();
  std::int64_t anterior = inicial, maxima = inicial, minima = inicial;
  for (const Punto& p : puntos.subspan(1)) {
    const std::int64_t a = p.altitud.diezmilesimas();
    // Differences of two ValorFijo may need 65 bits; the sums need the wide type.
    if (!umbral && a > anterior) r.total_subida += FijoAncho(a) - anterior;
    if (!umbral && a < anterior) r.total_bajada += FijoAncho(anterior) - a;
    maxima = std::max(maxima, a);
    minima = std::min(minima, a);
    anterior = a;
  }
  if (umbral) SumaVaivenes(puntos, FijoAncho(*umbral) * kDiezmilesimasPorUnidad, r);
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
