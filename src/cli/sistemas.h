// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "cli/entradas_y_salidas.h"
#include "formats/formatos.h"

namespace ruvek::cli {

// The options of convert that say the systems of the metres written and read, as typed; the
// "given" flags say which were.
struct OpcionesDeSistema {
  std::optional<std::string> datum, huso, datum_de_listas, huso_de_listas;
};

// Puts into `como` the systems `o` asks for the metres written in `salida`'s layout (ED50 and zone
// 30 unless told) and for the X,Y lists read. The text of a usage error, or nothing: an unknown
// datum or zone, one for a layout that does not take it, ED50 in the Canary Islands' zone.
std::optional<std::string> SistemasPedidos(const OpcionesDeSistema& o, const FichaDeFormato& salida,
                                           ComoCargar& como);

// How metres are written in zone `huso` when they are in `datum`, whose layout says it when
// `datum_fijo`: "--zone 29 lo escribe en su huso", with --datum etrs89 in the Canary Islands, or
// why it cannot be written there.
std::string ComoEnSuHuso(int huso, Datum datum, bool datum_fijo);

// Says on standard error, for input `nombre` converted to `salida`'s layout, the waypoints left
// out, and that its metres are written in another zone than the one where most of the track lies,
// with the option that writes it in its own.
void AvisosDeSistema(const std::string& nombre, const Cargado& c, const FichaDeFormato& salida);

}  // namespace ruvek::cli
