// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <future>
#include <optional>
#include <string>

#include "analysis/tiempos.h"
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
  // Opens the terrain models, while another thread reads the input: GDAL's loading takes longer
  // than most reads. False, having said why, when a model cannot be used.
  bool AbreModelos(Proyeccion& proyeccion);
  // How messages name the input.
  std::string Nombre() const;
  // The input's tracks in ED50 metres rounded as the windows' table holds them (TablaDe makes
  // it), with their segments and times, and the models' altitudes when there are models, and
  // their degrees as read; Error when it cannot be read or taken.
  Cargado Carga(Proyeccion& proyeccion);
  // The distances along the ground of the first `n` points of what Carga gave (see Distancias):
  // from the degrees read, or from the metres.
  static std::vector<double> Distancias(const Cargado& c, std::size_t n, Proyeccion& proyeccion);
  // The times of the points the analysis takes of `metros` (as many as `distancias`, their
  // distances along the ground: see MovimientoDe) when they are known; when some point has a time
  // but they are not, says why on standard error.
  std::optional<Movimiento> Tiempos(const Recorrido& metros,
                                    std::span<const double> distancias) const;

 private:
  ComoCargar Como();

  std::string entrada_;
  std::vector<std::string> dem_;
  OpcionSimplify simplify_;
  std::optional<std::size_t> simplifica_;
  Terreno terreno_;
  std::string bytes_;
  std::future<Cargado> leido_;  // the read begun by AbreModelos
};

}  // namespace ruvek::cli
