#include "analysis/analisis.h"

#include <algorithm>

namespace ruvek {

namespace {
constexpr ValorFijo kUno = ValorFijo::FromRaw(kScale);

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
  WideFixed anterior = 0;
  for (int fila = 1; fila <= MaxPuntos; ++fila) {
    if (tabla.Lee(fila, ColumnaX) < kUno) break;
    const ValorFijo altitud = tabla.Lee(fila, ColumnaAltitud);
    const WideFixed a = altitud.raw();
    if (fila == 1) {
      r.inicial = r.maxima = r.minima = altitud;
      anterior = a;
    }
    if (a > anterior) r.total_subida += a - anterior;
    if (a < anterior) r.total_bajada += anterior - a;
    r.maxima = std::max(*r.maxima, altitud);
    r.minima = std::min(*r.minima, altitud);
    anterior = a;
    r.final_ = altitud;
  }
  return r;
}

EtiquetasAnalisis AnalisisDelTrack(Module1& m) {
  const ResultadoAnalisis r = Analiza(m.TablaPuntos);
  m.TotalSubida = r.total_subida;
  m.TotalBajada = r.total_bajada;
  m.AltitudMaxima = r.maxima;
  m.AltitudMinima = r.minima;
  return {Metros(r.total_subida),  Metros(r.total_bajada),   Metros(Ancho(r.maxima)),
          Metros(Ancho(r.minima)), Metros(Ancho(r.inicial)), Metros(Ancho(r.final_))};
}

}  // namespace ruvek
