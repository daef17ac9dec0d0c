// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "formats/formatos.h"
#include "geo/proyeccion.h"

namespace ruvek::cli {

// What `ruvek-cli convert` is asked to do: each input, "-" for standard input, to `formato`;
// to `salida` ("-" for standard output) or, with `carpeta`, to names made from the inputs'.
struct Conversion {
  Formato formato = Formato::ListaXY;
  Datum datum = Datum::Ed50;              // of the X,Y list written
  std::optional<Datum> datum_entrada;     // of the X,Y lists read, when given (else ED50)
  std::optional<std::size_t> simplifica;  // --simplify: the most points of each track
  std::vector<std::string> entradas;
  std::string salida;   // empty: standard output
  std::string carpeta;  // when not empty, the folder of every output
};

// The exit status of a usage error.
inline constexpr int kUso = 2;

// Says on standard error that the command line is wrong and why; returns kUso.
int ErrorDeUso(const std::string& que);

// Each function reports every failure on standard error, one line each ("ruvek-cli: NAME:LINE:
// what is wrong"), writes nothing on standard output for an input that failed, and returns
// whether everything was done (Convierte: its exit status, kUso when an input is not an X,Y list
// and a datum was given for them, before anything is written). PROJ is loaded only when a GPX is
// read or written, or a datum changed.
int Convierte(const Conversion& c, Proyeccion& proyeccion);
bool Analiza(const std::string& entrada, bool json, Proyeccion& proyeccion,
             std::optional<std::size_t> simplifica);
bool Perfil(const std::string& entrada, const std::string& salida, int ancho, int alto,
            Proyeccion& proyeccion, std::optional<std::size_t> simplifica);

// Writes out what is left of standard output (the help, the version); a failure is reported like
// any other output's, and returned.
bool VaciaSalidaEstandar();

}  // namespace ruvek::cli
