// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/entrada_de_un_track.h"

#include "cli/entradas_y_salidas.h"
#include "geo/distancias.h"

namespace ruvek::cli {

void EntradaDeUnTrack::AnadeEntrada(CLI::App* orden) {
  Entrada(orden, entrada_, "Archivo de track (\"-\": la entrada estándar)");
}

void EntradaDeUnTrack::AnadeOpciones(CLI::App* orden) {
  OpcionDem(orden, dem_);
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

ComoCargar EntradaDeUnTrack::Como() {
  return {.metros = Datum::Ed50,
          .datum_fijo = false,
          .con_grados = true,
          .como_huso = ElHuso::DeLaTabla,
          .huso = kHusoDeSiempre,
          .de_las_listas = kMetrosEd50,
          .terreno = &terreno_,
          .simplifica = simplifica_};
}

bool EntradaDeUnTrack::AbreModelos(Proyeccion& proyeccion) {
  if (dem_.empty()) return true;
  // PROJ first: loaded while GDAL is, each would wait for the other's loading.
  try {
    proyeccion.Carga();
  } catch (const Error&) {  // said when the track needs it
  }
  leido_ = std::async(std::launch::async, [this, &proyeccion] {
    bytes_ = Bytes(entrada_);
    Cargado c = LeeEnSuSistema(bytes_, Como(), proyeccion);
    // What the models will most likely ask for (the IGN's are in ETRS89), while they open.
    c.etrs89 = Terreno::AEtrs89(c.recorrido, proyeccion);
    return c;
  });
  return cli::AbreModelos(dem_, terreno_);  // when false, the read ends unheeded
}

Cargado EntradaDeUnTrack::Carga(Proyeccion& proyeccion) {
  if (!leido_.valid()) return cli::Carga(Nombre(), Bytes(entrada_), Como(), proyeccion);
  Cargado c = leido_.get();
  Termina(c, Nombre(), Como(), proyeccion);
  return c;
}

std::vector<double> EntradaDeUnTrack::Distancias(const Cargado& c, std::size_t n,
                                                 Proyeccion& proyeccion) {
  return ruvek::Distancias(c.grados ? *c.grados : c.recorrido, n, proyeccion);
}

std::optional<Movimiento> EntradaDeUnTrack::Tiempos(const Recorrido& metros,
                                                    std::span<const double> distancias) const {
  const auto tiempos = MovimientoDe(metros, distancias.size(), distancias);
  if (const auto* s = std::get_if<SinTiempos>(&tiempos)) {
    const std::string n = std::to_string(s->punto);
    Informa(Nombre(),
            Error(TipoDeError::FaltaUnCampo,
                  (s->hacia_atras ? "la hora del punto " + n + " es anterior a la del punto " +
                                        std::to_string(s->punto - 1)
                                  : "el punto " + n + " no tiene hora") +
                      ": no se dan las cifras de tiempo",
                  s->linea));
  }
  const auto* m = std::get_if<Movimiento>(&tiempos);
  return m ? std::optional(*m) : std::nullopt;
}

}  // namespace ruvek::cli
