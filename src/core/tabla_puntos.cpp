// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tabla_puntos.h"

#include <string>

#include "core/errors.h"

namespace ruvek {

TablaPuntos::TablaPuntos() : filas_(std::make_unique<std::array<Fila, MaxPuntos>>()) {}

void TablaPuntos::FueraDeRango(int fila) {
  throw Error(ErrorKind::SubscriptOutOfRange,
              "la fila " + std::to_string(fila) + " no está entre 1 y 10000");
}

void TablaPuntos::Borra() { filas_->fill(Fila{}); }

}  // namespace ruvek
