// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "formats/formatos.h"
#include "geo/proyeccion.h"

namespace ruvek::cli {

// What `ruvek-cli convert` is asked to do: each input, "-" for standard input, to `formato`;
// to `salida` ("-" for standard output) or, with `carpeta`, to names made from the inputs'.
struct Conversion {
  Formato formato = Formato::ListaXY;
  std::vector<std::string> entradas;
  std::string salida;   // empty: standard output
  std::string carpeta;  // when not empty, the folder of every output
};

// Each function reports every failure on standard error, one line each ("ruvek-cli: NAME:LINE:
// what is wrong"), writes nothing on standard output for an input that failed, and returns
// whether everything was done. PROJ is loaded only when a GPX is read or written.
bool Convierte(const Conversion& c, Proyeccion& proyeccion);
bool Analiza(const std::string& entrada, bool json, Proyeccion& proyeccion);

// Writes out what is left of standard output (the help, the version); a failure is reported like
// any other output's, and returned.
bool VaciaSalidaEstandar();

}  // namespace ruvek::cli
