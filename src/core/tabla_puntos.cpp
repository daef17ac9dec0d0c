// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tabla_puntos.h"

#include <string>

#include "core/errors.h"

namespace ruvek {

TablaPuntos::TablaPuntos() : filas_(std::make_unique<std::array<Fila, MaxPuntos>>()) {}

void TablaPuntos::FueraDeRango(int fila) {
  throw Error(ErrorKind::SubscriptOutOfRange, "row " + std::to_string(fila));
}

void TablaPuntos::Borra() { filas_->fill(Fila{}); }

}  // namespace ruvek
