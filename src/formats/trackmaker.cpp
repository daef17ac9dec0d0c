// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/trackmaker.h"

#include "core/lineas.h"
#include "formats/campos.h"

namespace ruvek {

namespace {

constexpr std::string_view kCabecera =
    "Version , 212\r\n"
    "\r\n"
    "European 1950 (GPS) ,64, 6378388, 297,-87,-98,-121\r\n"
    "USER GRID, 0, 0, 0, 0, 0\r\n"
    "\r\n";
constexpr std::string_view kPrefijoPunto = "t,utm,30T,";
constexpr std::string_view kCola =
    " \r\n"
    "n,ACTIVE LOG,65280,1\r\n";

}  // namespace

bool EsTrackMaker(std::string_view bytes) {
  std::string_view primera;
  return LineasDeArchivo(bytes).Siguiente(primera) &&
         primera.find("Version") != std::string_view::npos;
}

Recorrido LeeTrackMaker(std::string_view bytes) {
  Segmento puntos;
  ReservaPuntos(puntos, bytes.size());
  std::string_view linea;
  LineasDeTexto lineas = LineasDeArchivoNoVacio(bytes, linea);
  LeeHastaUnError(kMetrosEd50, puntos, [&] {
    do {
      if (linea.empty() || linea.front() != 't') continue;
      // "t,grid,zone,X,Y,any,any,altitude,": the first three fields are skipped by their commas.
      const long n = lineas.numero();
      Error::EnLinea(n, [&] { AnadePunto(puntos, {0, 0, 0.0, {}, n}); });
      const Campos campos(linea, n);
      Posicion& p = puntos.back();
      p.x = CampoDecimal(campos[3], n);
      p.y = CampoDecimal(campos[4], n);
      p.altitud = CampoDecimal(campos[7], n);
    } while (lineas.Siguiente(linea));
  });
  return UnSegmento(kMetrosEd50, std::move(puntos));
}

std::string EscribeTrackMaker(const Track& track) {
  std::string salida;
  salida.reserve(kCabecera.size() + track.puntos.size() * kLineaXYMaxima + kCola.size());
  salida += kCabecera;
  AnadeLineasXY(salida, track, kPrefijoPunto);
  salida += kCola;
  return salida;
}

}  // namespace ruvek
