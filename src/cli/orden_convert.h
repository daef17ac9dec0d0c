// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "cli/opciones.h"
#include "geo/proyeccion.h"
#include "geo/terreno.h"

namespace ruvek::cli {

// ruvek-cli convert: each input, in the layout its content shows, to the layout --to names; to
// -o (standard output by default) or, with --output-dir, to names made from the inputs'. X,Y
// lists are written in ED50 or ETRS89 (--datum) and read in either (--input-datum); they and
// TrackMaker text in any zone of Spain (--zone, --input-zone).
class OrdenConvert {
 public:
  explicit OrdenConvert(CLI::App& app);
  bool Pedida() const { return cli::Pedida(orden_); }
  // Checks the options, then converts every input; the exit status.
  int Ejecuta(Proyeccion& proyeccion);

 private:
  CLI::App* orden_;
  std::string formato_, salida_, carpeta_, datum_, huso_, datum_de_listas_, huso_de_listas_;
  std::vector<std::string> entradas_, dem_;
  OpcionSimplify simplify_;
  Terreno terreno_;
};

}  // namespace ruvek::cli
