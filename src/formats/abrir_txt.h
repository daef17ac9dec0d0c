// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <string_view>
#include "core/comandos.h"
#include "core/module1.h"

namespace ruvek {

// The layouts of a track file: the two the text loader tells apart by the first line, and GPX.
enum class TipoArchivo { TrackMaker = 1, Sitna = 2, Gpx = 3 };

// What the main window does after a complete load: switch these commands on (or off) in this
// order, set the caption suffix, then show the message. `con_altitudes` says whether every point
// has its altitude, so that the track can be analysed.
struct ResultadoCarga {
  TipoArchivo tipo;
  std::vector<std::pair<Comando, bool>> habilitar;
  std::string sufijo_titulo;
  std::string mensaje;
  std::string titulo_mensaje;
  bool con_altitudes;
};

// Loads the file named by ArchivoActual into the table, which the caller has cleared. A first
// line containing "Version" makes it TrackMaker text: the lines that start with "t" are points
// ("t,grid,zone,X,Y,any,any,altitude,..."). Otherwise every line is a Sitna "X,Y" point with
// altitude 0. Each number is rounded by DevuelveNumero.
//
// Returns nothing, changing nothing, when ArchivoActual is empty. On failure raises the typed
// Error with the line where it happened and leaves: the points stored before it, the failing
// point's fields stored before the failing one, NumPuntos counting the failing point (10,000
// at the capacity limit), and NumPuntos unchanged when the file is missing or empty.
std::optional<ResultadoCarga> AbrirTXT(Module1& m);

// The same from the bytes of an input (standard input, for one); ArchivoActual only names it.
ResultadoCarga AbrirTXT(Module1& m, std::string_view bytes);

}  // namespace ruvek
