// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/orden_analyze.h"

#include <cmath>

#include "analysis/analisis.h"
#include "analysis/longitud.h"
#include "cli/entradas_y_salidas.h"

namespace ruvek::cli {

OrdenAnalyze::OrdenAnalyze(CLI::App& app)
    : orden_(NuevaOrden(app, "analyze",
                        "Escribe las seis cifras del análisis de altitudes de ENTRADA")) {
  Marca(orden_, "--json", json_, "Las escribe como un objeto JSON, en metros");
  umbral_.Anade(orden_);
  entrada_.AnadeEntrada(orden_);
  entrada_.AnadeOpciones(orden_);
}

int OrdenAnalyze::Ejecuta(Proyeccion& proyeccion) {
  if (const std::optional<int> uso = entrada_.Comprueba("que analizar")) return *uso;
  std::string error;
  const std::optional<int> umbral = umbral_.Metros(error);
  if (!error.empty()) return ErrorDeUso(error);
  if (!entrada_.AbreModelos(proyeccion)) return 1;
  std::string texto;
  try {
    const Track track = entrada_.Carga(proyeccion);
    if (!track.con_altitudes) throw Error(TipoDeError::FaltaUnCampo, kNoPuedeAnalizarse);
    const ResultadoAnalisis r = AnalizaAltitudes(track, umbral);
    if (!r.inicial) {  // the window shows blanks; a script is told
      throw Error(TipoDeError::FaltaUnCampo,
                  track.puntos.empty()
                      ? "el track no tiene ningún punto que analizar"
                      : "el track no tiene ningún punto que analizar: el primero tiene una X "
                        "menor que 1, que acaba el track");
    }
    if (json_) {
      const auto cifra = [](std::optional<ValorFijo> v) { return v ? v->Texto() : "null"; };
      texto = "{\"inicial\": " + cifra(r.inicial) + ", \"maxima\": " + cifra(r.maxima) +
              ", \"minima\": " + cifra(r.minima) + ", \"final\": " + cifra(r.final_) +
              ", \"total_subida\": " + TextoFijo(r.total_subida) +
              ", \"total_bajada\": " + TextoFijo(r.total_bajada) + ", \"distancia\": " +
              std::to_string(std::llround(Distancias(PuntosHastaElFinal(track)).back())) + "}\n";
    } else {
      const TextosDelAnalisis t = TextosDe(r);
      texto = "Inicial\t" + t.inicial + "\nMáxima\t" + t.maxima + "\nMínima\t" + t.minima +
              "\nFinal\t" + t.final_ + "\nTotal Subida\t" + t.total_subida + "\nTotal Bajada\t" +
              t.total_bajada + "\n";
    }
  } catch (const Error& e) {
    Informa(entrada_.Nombre(), e);
    return 1;
  }
  try {
    Escribe("-", texto);
  } catch (const Error& e) {
    Informa(kSalidaEstandar, e);
    return 1;
  }
  return 0;
}

}  // namespace ruvek::cli
