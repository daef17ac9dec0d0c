// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/orden_profile.h"

#include <charconv>
#include <filesystem>
#include <tuple>

#include "analysis/perfil.h"
#include "analysis/tiempos.h"
#include "cli/entradas_y_salidas.h"

namespace ruvek::cli {

OrdenProfile::OrdenProfile(CLI::App& app)
    : orden_(
          NuevaOrden(app, "profile",
                     "Dibuja el perfil de altitudes de ENTRADA: una imagen SVG, con su longitud")) {
  Opcion(orden_, "-o,--output", salida_,
         "Escribe en SALIDA (\"-\" o sin decir: la salida estándar)", "SALIDA");
  Opcion(orden_, "--width", ancho_,
         "Ancho en píxeles, de " + std::to_string(kAnchoMinimo) + " a " +
             std::to_string(kLadoMaximo) + " (" + std::to_string(kAnchoPerfil) + " si no se dice)",
         "ANCHO");
  Opcion(orden_, "--height", alto_,
         "Alto en píxeles, de " + std::to_string(kAltoMinimo) + " a " +
             std::to_string(kLadoMaximo) + " (" + std::to_string(kAltoPerfil) + " si no se dice)",
         "ALTO");
  umbral_.Anade(orden_);
  entrada_.AnadeEntrada(orden_);
  entrada_.AnadeOpciones(orden_);
}

int OrdenProfile::Ejecuta(Proyeccion& proyeccion) {
  if (const std::optional<int> uso = entrada_.Comprueba("del perfil")) return *uso;
  int lados[] = {kAnchoPerfil, kAltoPerfil};
  for (auto [opcion, texto, minimo, lado] :
       {std::tuple{"--width", &ancho_, kAnchoMinimo, &lados[0]},
        {"--height", &alto_, kAltoMinimo, &lados[1]}}) {
    if (!Dada(orden_, opcion)) continue;
    const char* fin = texto->data() + texto->size();
    const auto [donde, ec] = std::from_chars(texto->data(), fin, *lado);
    if (ec != std::errc() || donde != fin || *lado < minimo || *lado > kLadoMaximo) {
      return ErrorDeUso(std::string(opcion) + " va de " + std::to_string(minimo) + " a " +
                        std::to_string(kLadoMaximo) + " píxeles: " + *texto);
    }
  }
  std::string error;
  const std::optional<int> umbral = umbral_.Metros(error);
  if (!error.empty()) return ErrorDeUso(error);
  if (!entrada_.AbreModelos(proyeccion)) return 1;
  const std::string nombre = entrada_.Nombre();
  std::string svg;
  try {
    const Cargado cargado = entrada_.Carga(proyeccion);
    const Recorrido& metros = cargado.recorrido;
    const Track track = TablaDe(metros);
    std::optional<double> duracion;
    const auto puntos = PuntosHastaElFinal(track);
    const std::vector<double> d = entrada_.Distancias(cargado, puntos.size(), proyeccion);
    if (const auto m = entrada_.Tiempos(metros, d)) duracion = m->duracion;
    svg = PerfilSvg(track, d, std::filesystem::path(nombre).filename().string(), lados[0], lados[1],
                    umbral, duracion);
  } catch (const Error& e) {
    Informa(nombre, e);
    return 1;
  }
  const std::string destino = salida_.empty() ? "-" : salida_;
  try {
    Escribe(destino, svg);
  } catch (const Error& e) {
    Informa(destino == "-" ? kSalidaEstandar : destino, e);
    return 1;
  }
  return 0;
}

}  // namespace ruvek::cli
