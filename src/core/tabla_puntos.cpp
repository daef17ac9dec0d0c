#include "core/tabla_puntos.h"

#include <string>

#include "core/errors.h"

namespace ruvek {

TablaPuntos::TablaPuntos() : filas_(std::make_unique<std::array<Fila, MaxPuntos>>()) {}

void TablaPuntos::CompruebaFila(int fila) {
  if (fila < 1 || fila > MaxPuntos) {
    throw Error(ErrorKind::SubscriptOutOfRange, "row " + std::to_string(fila));
  }
}

ValorFijo TablaPuntos::Lee(int fila, Columna columna) const {
  CompruebaFila(fila);
  return (*filas_)[static_cast<std::size_t>(fila - 1)][columna];
}

void TablaPuntos::Escribe(int fila, Columna columna, ValorFijo valor) {
  CompruebaFila(fila);
  (*filas_)[static_cast<std::size_t>(fila - 1)][columna] = valor;
}

void TablaPuntos::Borra() { filas_->fill(Fila{}); }

}  // namespace ruvek
