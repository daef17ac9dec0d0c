// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "cli/entrada_de_un_track.h"
#include "cli/opciones.h"
#include "geo/proyeccion.h"

namespace ruvek::cli {

// ruvek-cli profile: the altitude profile of an input as an SVG picture, with its length.
class OrdenProfile {
 public:
  explicit OrdenProfile(CLI::App& app);
  bool Pedida() const { return cli::Pedida(orden_); }
  // Checks the options, then draws the profile; the exit status.
  int Ejecuta(Proyeccion& proyeccion);

 private:
  CLI::App* orden_;
  std::string salida_, ancho_, alto_;
  OpcionUmbral umbral_;
  EntradaDeUnTrack entrada_;
};

}  // namespace ruvek::cli
