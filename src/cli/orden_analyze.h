// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "cli/entrada_de_un_track.h"
#include "cli/opciones.h"
#include "geo/proyeccion.h"

namespace ruvek::cli {

// ruvek-cli analyze: the six figures of the altitude analysis of an input, as text or as JSON
// (with the track's length).
class OrdenAnalyze {
 public:
  explicit OrdenAnalyze(CLI::App& app);
  bool Pedida() const { return cli::Pedida(orden_); }
  // Checks the options, then analyses the input; the exit status.
  int Ejecuta(Proyeccion& proyeccion);

 private:
  CLI::App* orden_;
  bool json_ = false;
  OpcionUmbral umbral_;
  EntradaDeUnTrack entrada_;
};

}  // namespace ruvek::cli
