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

ResultadoAnalisis Analiza(const TablaPuntos& tabla) {
  ResultadoAnalisis r;
  if (AcabaElTrack(tabla.Lee(1, ColumnaX))) return r;
  const std::int64_t inicial = tabla.Lee(1, ColumnaAltitud).raw();
  std::int64_t anterior = inicial, maxima = inicial, minima = inicial;
  for (int fila = 2; fila <= MaxPuntos && !AcabaElTrack(tabla.Lee(fila, ColumnaX)); ++fila) {
    const std::int64_t a = tabla.Lee(fila, ColumnaAltitud).raw();
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

EtiquetasAnalisis AnalisisDelTrack(Module1& m) {
  const ResultadoAnalisis r = Analiza(m.TablaPuntos);
  m.TotalSubida = r.total_subida;
  m.TotalBajada = r.total_bajada;
  m.AltitudMaxima = r.maxima;
  m.AltitudMinima = r.minima;
  return EtiquetasDe(r);
}

EtiquetasAnalisis EtiquetasDe(const ResultadoAnalisis& r) {
  return {Metros(r.total_subida),  Metros(r.total_bajada),   Metros(Ancho(r.maxima)),
          Metros(Ancho(r.minima)), Metros(Ancho(r.inicial)), Metros(Ancho(r.final_))};
}

}  // namespace ruvek
