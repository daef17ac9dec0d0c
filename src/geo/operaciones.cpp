// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/operaciones.h"

#include <cmath>

#include "core/errores.h"

namespace ruvek {

namespace {

bool Dentro(const double caja[4], PJ_COORD p) {
  return p.xy.x >= caja[0] && p.xy.y >= caja[1] && p.xy.x <= caja[2] && p.xy.y <= caja[3];
}

// Whether box `a` lies strictly inside box `b`.
bool Contenida(const double a[4], const double b[4]) {
  return a[0] > b[0] && a[1] > b[1] && a[2] < b[2] && a[3] < b[3];
}

}  // namespace

Operaciones::Operaciones(const ApiProj& api, PJ_CONTEXT* contexto, std::span<const Operacion> tabla)
    : api_(api), contexto_(contexto), tabla_(tabla), pipelines_(tabla.size(), nullptr) {}

Operaciones::~Operaciones() {
  for (PJ* p : pipelines_) api_.proj_destroy(p);
}

PJ* Operaciones::Pipeline(std::size_t i) {
  if (pipelines_[i] == nullptr) {
    pipelines_[i] = api_.proj_create(contexto_, tabla_[i].proj);
    if (pipelines_[i] == nullptr) {
      const int e = api_.proj_context_errno(contexto_);
      throw Error(TipoDeError::Transformacion,
                  tabla_[i].sin_rejilla
                      ? std::string("PROJ no puede crear una operación (") +
                            api_.proj_context_errno_string(contexto_, e) + ")"
                      : "no se encuentra la rejilla del IGN (es_ign_SPED2ETV2.tif) que Ruvek "
                        "instala en share/ruvek/proj");
    }
  }
  return pipelines_[i];
}

int Operaciones::Elige(PJ_COORD punto, const int excluidas[2]) const {
  int mejor = -1;
  for (int i = 0; i < int(tabla_.size()); ++i) {
    const Operacion& op = tabla_[std::size_t(i)];
    if (i == excluidas[0] || i == excluidas[1] || !Dentro(op.caja, punto)) continue;
    if (mejor < 0) {
      mejor = i;
      continue;
    }
    const Operacion& m = tabla_[std::size_t(mejor)];
    const bool mejor_precision =
        op.precision < m.precision || (op.precision == m.precision && Contenida(op.caja, m.caja));
    if (op.precision >= 0 && mejor_precision && !op.mar) mejor = i;
  }
  return mejor;
}

Operaciones::Resultado Operaciones::Directa(PJ_COORD punto) {
  if (tabla_.size() == 1) return {api_.proj_trans(Pipeline(0), PJ_FWD, punto), 0};
  int excluidas[2] = {-1, -1};
  for (int intento = 0; intento < 3; ++intento) {
    const int i = Elige(punto, excluidas);
    if (i < 0) break;
    const PJ_COORD r = api_.proj_trans(Pipeline(std::size_t(i)), PJ_FWD, punto);
    if (r.xy.x != HUGE_VAL) return {r, std::size_t(i)};
    if (intento < 2) excluidas[intento] = i;
  }
  for (std::size_t i = 0; i < tabla_.size(); ++i) {  // none of the area could: PROJ's fallback
    if (tabla_[i].sin_rejilla) return {api_.proj_trans(Pipeline(i), PJ_FWD, punto), i};
  }
  return {PJ_COORD{{HUGE_VAL, HUGE_VAL, 0, 0}}, tabla_.size()};
}

PJ_COORD Operaciones::Inversa(std::size_t i, PJ_COORD punto) {
  return api_.proj_trans(Pipeline(i), PJ_INV, punto);
}

}  // namespace ruvek
