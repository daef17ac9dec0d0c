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
      throw Error(TipoDeError::FaltaUnCampo, kNoPuedeAnalizarse);
    }
    const ResultadoAnalisis r = AnalizaAltitudes(track);
    if (!r.inicial) {  // the window shows blanks; a script is told
      throw Error(TipoDeError::FaltaUnCampo,
                  track.puntos.empty()
                      ? "el track no tiene ningún punto que analizar"
                      : "el track no tiene ningún punto que analizar: el primero tiene una X "
                        "menor que 1, que acaba el track");
    }
    const TextosDelAnalisis e = TextosDe(r);
    std::string texto;
    if (json) {
      const auto cifra = [](std::optional<ValorFijo> v) { return v ? v->Texto() : "null"; };
      texto = "{\"inicial\": " + cifra(r.inicial) + ", \"maxima\": " + cifra(r.maxima) +
              ", \"minima\": " + cifra(r.minima) + ", \"final\": " + cifra(r.final_) +
              ", \"total_subida\": " + TextoFijo(r.total_subida) +
              ", \"total_bajada\": " + TextoFijo(r.total_bajada) + ", \"distancia\": " +
              std::to_string(std::llround(Distancias(PuntosHastaElFinal(track)).back())) + "}\n";
    } else {
      texto = "Inicial\t" + e.inicial + "\nMáxima\t" + e.maxima + "\nMínima\t" + e.minima +
              "\nFinal\t" + e.final_ + "\nTotal Subida\t" + e.total_subida + "\nTotal Bajada\t" +
              e.total_bajada + "\n";
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
