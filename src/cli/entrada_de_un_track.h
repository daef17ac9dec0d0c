// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "cli/entradas_y_salidas.h"
#include "cli/opciones.h"
#include "core/track.h"
#include "geo/proyeccion.h"

namespace ruvek::cli {

// The one input of analyze and profile, and the options that say how its track is taken.
class EntradaDeUnTrack {
 public:
  // ENTRADA, in its place among the order's arguments.
  void AnadeEntrada(CLI::App* orden);
  // The options, after the order's own.
  void AnadeOpciones(CLI::App* orden);
  // The status of a usage error of these options, said on standard error, or nothing;
  // `para_que` ends "falta la ENTRADA ...".
  std::optional<int> Comprueba(const std::string& para_que);
  // Opens the terrain models; false, having said why, when one cannot be used.
  bool AbreModelos() { return cli::AbreModelos(dem_, terreno_); }
  // How messages name the input.
  std::string Nombre() const;
  // The input's track, in ED50 metres; Error when it cannot be read or taken.
  Track Carga(Proyeccion& proyeccion);

 private:
  std::string entrada_;
  std::vector<std::string> dem_;
  OpcionSimplify simplify_;
  std::optional<std::size_t> simplifica_;
  Terreno terreno_;
};

}  // namespace ruvek::cli
