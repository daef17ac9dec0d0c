// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>

#include "core/valor_fijo.h"

namespace ruvek {

inline constexpr int MaxPuntos = 10000;

enum Columna : int { ColumnaX = 0, ColumnaY = 1, ColumnaAltitud = 2 };

// A row whose X is less than 1 (a row left zero by a clear, among others) ends the track for
// the readers that stop early: the clipboard export and the altitude analysis.
constexpr bool AcabaElTrack(ValorFijo x) { return x < ValorFijo::FromRaw(kScale); }

// The one track: MaxPuntos rows numbered from 1, columns X, Y and altitude. Allocated once,
// all zero at start. Every access checks the row number and raises SubscriptOutOfRange,
// reading or writing nothing, when it lies outside 1 to MaxPuntos.
class TablaPuntos {
 public:
  TablaPuntos();
  TablaPuntos(const TablaPuntos&) = delete;
  TablaPuntos& operator=(const TablaPuntos&) = delete;

  ValorFijo Lee(int fila, Columna columna) const {
    CompruebaFila(fila);
    return (*filas_)[static_cast<std::size_t>(fila - 1)][columna];
  }
  void Escribe(int fila, Columna columna, ValorFijo valor) {
    CompruebaFila(fila);
    (*filas_)[static_cast<std::size_t>(fila - 1)][columna] = valor;
  }

  // Every value of every row becomes 0.
  void Borra();

 private:
  using Fila = std::array<ValorFijo, 3>;
  static void CompruebaFila(int fila) {
    if (fila < 1 || fila > MaxPuntos) [[unlikely]]
      FueraDeRango(fila);
  }
  [[noreturn]] static void FueraDeRango(int fila);

  std::unique_ptr<std::array<Fila, MaxPuntos>> filas_;
};

}  // namespace ruvek
