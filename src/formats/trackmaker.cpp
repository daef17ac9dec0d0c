// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/trackmaker.h"

#include "core/lineas.h"
#include "core/numeros.h"
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

namespace {

// The zone and band of a zone field ("30T", "30t"), or a zone of -1 when it is not one.
void LeeHuso(std::string_view campo, Posicion& p) {
  const std::size_t cifras = campo.size() == 3 ? 2 : 1;
  int huso = 0;
  for (std::size_t i = 0; i < cifras && i < campo.size(); ++i) {
    huso = campo[i] >= '0' && campo[i] <= '9' ? huso * 10 + (campo[i] - '0') : -100;
  }
  char banda = campo.size() >= 2 && campo.size() <= 3 ? campo.back() : '?';
  if (banda >= 'c' && banda <= 'x') banda = char(banda - 'a' + 'A');
  const bool es_huso = huso >= 1 && huso <= 60 && banda >= 'C' && banda <= 'X';
  p.huso = std::int8_t(es_huso ? huso : -1);
  p.banda = es_huso ? banda : '?';
}

}  // namespace

Recorrido LeeTrackMaker(std::string_view bytes) {
  Segmento puntos;
  ReservaPuntos(puntos, bytes.size());
  std::string_view linea;
  LineasDeTexto lineas = LineasDeArchivoNoVacio(bytes, linea);
  std::optional<DatumDeclarado> datum;
  LeeHastaUnError(kMetrosEd50, puntos, [&] {
    do {
      const long n = lineas.numero();
      // The datum of TrackMaker's header is its third line's first field.
      if (n == 3 && puntos.empty() && !TodoBlanco(linea) && linea.front() != 't') {
        const std::string_view nombre = linea.substr(0, linea.find(','));
        datum = DatumDeclarado{std::string(SinBlancosAlrededor(nombre)), n};
      }
      if (linea.empty() || linea.front() != 't') continue;
      // "t,grid,zone,X,Y,any,any,altitude,": the first two fields are skipped by their commas.
      Error::EnLinea(n, [&] { AnadePunto(puntos, {0, 0, 0.0, {}, std::int32_t(n), 0, 0}); });
      const Campos campos(linea, n);
      Posicion& p = puntos.back();
      p.x = CampoDecimal(campos[3], n);
      p.y = CampoDecimal(campos[4], n);
      p.altitud = CampoDecimal(campos[7], n);
      LeeHuso(campos[2], p);
    } while (lineas.Siguiente(linea));
  });
  Recorrido r = UnSegmento(kMetrosEd50, std::move(puntos));
  r.datum_declarado = std::move(datum);
  return r;
}

std::string EscribeTrackMaker(const Recorrido& metros) {
  if (metros.sistema.huso == kHusoDeSiempre) return EscribeTrackMaker(TablaDe(metros));
  // Each point with its zone and its own latitude band: "t,utm,29T,X,Y".
  const Track t = TablaDe(metros);
  std::string salida(kCabecera);
  salida.reserve(kCabecera.size() + t.puntos.size() * kLineaXYMaxima + kCola.size());
  std::size_t i = 0;
  metros.ParaCadaPunto([&](const Posicion& p) {
    salida += "t,utm," + std::to_string(metros.sistema.huso) + (p.banda != 0 ? p.banda : 'N') + ",";
    t.puntos[i].x.AnadeTexto(salida);
    salida += ',';
    t.puntos[i++].y.AnadeTexto(salida);
    salida += "\r\n";
  });
  salida += kCola;
  return salida;
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
