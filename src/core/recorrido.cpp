// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recorrido.h"

#include "core/track.h"

namespace ruvek {

std::size_t Recorrido::PuntosDeTraza() const {
  std::size_t n = 0;
  for (const Traza& t : trazas) {
    for (const Segmento& s : t.segmentos) n += s.size();
  }
  return n;
}

bool Recorrido::TodosConAltitud() const {
  bool todos = true;
  ParaCadaPunto([&todos](const Posicion& p) { todos = todos && p.altitud.has_value(); });
  return todos;
}

bool Recorrido::TodosConTiempo() const {
  bool todos = true;
  ParaCadaPunto([&todos](const Posicion& p) { todos = todos && p.tiempo.has_value(); });
  return todos;
}

int HusoMayoritario(const Recorrido& r) {
  int cuantos[kUltimoHuso - kPrimerHuso + 1] = {};
  r.ParaCadaPunto([&](const Posicion& p) {
    const bool cerca = p.y >= 0 && p.y <= 84 && p.x >= OesteDelHuso(kPrimerHuso - 1) &&
                       p.x <= OesteDelHuso(kUltimoHuso + 2);
    const int huso = r.sistema.EnGrados() ? (cerca ? HusoDeEspana(p.x) : 0)
                     : p.huso != 0        ? p.huso
                                          : r.sistema.huso;
    if (huso >= kPrimerHuso && huso <= kUltimoHuso) ++cuantos[huso - kPrimerHuso];
  });
  int mayor = 0;
  for (int i = 0; i <= kUltimoHuso - kPrimerHuso; ++i) {
    if (cuantos[i] > 0 && (mayor == 0 || cuantos[i] > cuantos[mayor - kPrimerHuso])) {
      mayor = kPrimerHuso + i;
    }
  }
  return mayor;
}

Recorrido UnSegmento(Sistema sistema, Segmento puntos) {
  Recorrido r{.sistema = sistema,
              .datum_declarado = std::nullopt,
              .grados_calculados = false,
              .lineas_de = {},
              .trazas = {},
              .waypoints = {}};
  r.trazas.push_back({.nombre = {}, .segmentos = {}});
  r.trazas.back().segmentos.push_back(std::move(puntos));
  return r;
}

Track TablaDe(const Recorrido& metros) {
  Track t{.puntos = {}, .con_altitudes = metros.TodosConAltitud()};
  t.puntos.reserve(metros.PuntosDeTraza());
  metros.ParaCadaPunto([&t](const Posicion& p) {
    t.puntos.push_back({ValorFijo::Redondeado(p.x), ValorFijo::Redondeado(p.y),
                        t.con_altitudes ? ValorFijo::Redondeado(*p.altitud) : ValorFijo()});
  });
  return t;
}

void RedondeaMetros(Recorrido& metros) {
  metros.ParaCadaPosicion([](Posicion& p) {
    p.x = ValorFijo::Redondeado(p.x).EnDouble();
    p.y = ValorFijo::Redondeado(p.y).EnDouble();
    if (p.altitud) p.altitud = ValorFijo::Redondeado(*p.altitud).EnDouble();
  });
}

}  // namespace ruvek
