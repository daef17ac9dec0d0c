// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ruvek {

// The commands of the "Archivo" menu, in menu order.
enum class Comando { Abrir, GuardarTM, GuardarSitna, Analizar, Copiar, Copiardesde, Salir };

}  // namespace ruvek
