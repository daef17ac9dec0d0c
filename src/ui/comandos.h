// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ruvek {

// The commands of the "Archivo" menu, in menu order.
enum class Comando {
  Abrir,
  GuardarTrackMaker,
  GuardarSitna,
  Analizar,
  Copiar,
  PegarDesdePortapapeles,
  Salir
};

}  // namespace ruvek
