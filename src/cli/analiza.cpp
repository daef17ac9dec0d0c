// SPDX-License-Identifier: GPL-3.0-or-later
// The orders that read a track and tell of it: analyze and profile.
#include <cmath>
#include <filesystem>

#include "analysis/analisis.h"
#include "analysis/longitud.h"
#include "analysis/perfil.h"
#include "cli/acciones.h"
#include "cli/flujos.h"

namespace ruvek::cli {

bool Analiza(const std::string& entrada, bool json, Proyeccion& proyeccion,
             std::optional<std::size_t> simplifica) {
  const std::string nombre = entrada == "-" ? kEntradaEstandar : entrada;
  try {
    const Track track = Carga(entrada, proyeccion, simplifica);
    if (!track.con_altitudes) {
      throw Error(ErrorKind::InvalidArgument, "Este track no puede analizarse");
    }
    const ResultadoAnalisis r = ruvek::Analiza(track);
    if (!r.inicial) {  // the window shows blanks; a script is told
      throw Error(ErrorKind::InvalidArgument,
                  track.puntos.empty()
                      ? "el track no tiene ningún punto que analizar"
                      : "el track no tiene ningún punto que analizar: el primero tiene una X "
                        "menor que 1, que acaba el track");
    }
    const EtiquetasAnalisis e = EtiquetasDe(r);
    std::string texto;
    if (json) {
      const auto cifra = [](std::optional<ValorFijo> v) { return v ? v->Text() : "null"; };
      texto = "{\"inicial\": " + cifra(r.inicial) + ", \"maxima\": " + cifra(r.maxima) +
              ", \"minima\": " + cifra(r.minima) + ", \"final\": " + cifra(r.final_) +
              ", \"total_subida\": " + FixedText(r.total_subida) +
              ", \"total_bajada\": " + FixedText(r.total_bajada) + ", \"distancia\": " +
              std::to_string(std::llround(Distancias(PuntosHastaElFinal(track)).back())) + "}\n";
    } else {
      texto = "Inicial\t" + e.Inicial + "\nMáxima\t" + e.Maxima + "\nMínima\t" + e.Minima +
              "\nFinal\t" + e.Final + "\nTotal Subida\t" + e.TSubida + "\nTotal Bajada\t" +
              e.TBajada + "\n";
    }
    try {
      Escribe("-", texto);
    } catch (const Error& e) {
      Informa(kSalidaEstandar, e);
      return false;
    }
  } catch (const Error& e) {
    Informa(nombre, e);
    return false;
  }
  return true;
}

bool Perfil(const std::string& entrada, const std::string& salida, int ancho, int alto,
            Proyeccion& proyeccion, std::optional<std::size_t> simplifica) {
  const std::string nombre = entrada == "-" ? kEntradaEstandar : entrada;
  std::string svg;
  try {
    svg = PerfilSvg(Carga(entrada, proyeccion, simplifica),
                    std::filesystem::path(nombre).filename().string(), ancho, alto);
  } catch (const Error& e) {
    Informa(nombre, e);
    return false;
  }
  const std::string destino = salida.empty() ? "-" : salida;
  try {
    Escribe(destino, svg);
  } catch (const Error& e) {
    Informa(destino == "-" ? kSalidaEstandar : destino, e);
    return false;
  }
  return true;
}

}  // namespace ruvek::cli
