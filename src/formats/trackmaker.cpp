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

long LineaDelPuntoTrackMaker(std::string_view bytes, std::size_t i) {
  LineasDeTexto lineas = LineasDeArchivo(bytes);
  std::string_view linea;
  for (std::size_t visto = 0; lineas.Siguiente(linea);) {
    if (!linea.empty() && linea.front() == 't' && visto++ == i) return lineas.numero();
  }
  return 0;
}

Track LeeTrackMaker(std::string_view bytes) {
  Track track{.puntos = {}, .con_altitudes = true};
  ReservaPuntos(track, bytes.size());
  std::string_view linea;
  LineasDeTexto lineas = LineasDeArchivoNoVacio(bytes, linea);
  LeeHastaUnError(track, [&] {
    do {
      if (linea.empty() || linea.front() != 't') continue;
      // "t,grid,zone,X,Y,any,any,altitude,": the first three fields are skipped by their commas.
      const long n = lineas.numero();
      Error::EnLinea(n, [&] { AnadePunto(track, {}); });
      const Campos campos(linea, n);
      Punto& p = track.puntos.back();
      p.x = CampoRedondeado(campos[3], n);
      p.y = CampoRedondeado(campos[4], n);
      p.altitud = CampoRedondeado(campos[7], n);
    } while (lineas.Siguiente(linea));
  });
  return track;
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
