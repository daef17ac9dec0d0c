// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/entrada_de_un_track.h"

#include "cli/entradas_y_salidas.h"

namespace ruvek::cli {

void EntradaDeUnTrack::AnadeEntrada(CLI::App* orden) {
  orden->add_option("ENTRADA", entrada_, "Archivo de track (\"-\": la entrada estándar)")
      ->type_name("");
}

void EntradaDeUnTrack::AnadeOpciones(CLI::App* orden) {
  OpcionRepetible(orden, "--dem", dem_,
                  "Toma la altitud de cada punto del modelo del terreno ARCHIVO (GeoTIFF, "
                  "ASCII...); con varios, del primero que lo cubre",
                  "ARCHIVO");
  simplify_.Anade(orden);
}

std::optional<int> EntradaDeUnTrack::Comprueba(const std::string& para_que) {
  std::string error;
  simplifica_ = simplify_.Puntos(error);
  if (!error.empty()) return ErrorDeUso(error);
  if (entrada_.empty()) return ErrorDeUso("falta la ENTRADA " + para_que);
  return std::nullopt;
}

std::string EntradaDeUnTrack::Nombre() const { return NombreDeEntrada(entrada_); }

Track EntradaDeUnTrack::Carga(Proyeccion& proyeccion) {
  const ComoCargar como{
      .datum = {}, .datum_de_listas = {}, .terreno = &terreno_, .simplifica = simplifica_};
  return cli::Carga(Nombre(), Bytes(entrada_), como, proyeccion).track;
}

}  // namespace ruvek::cli
