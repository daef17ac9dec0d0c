// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/lista_xy.h"

#include "core/lines.h"
#include "formats/campos.h"

namespace ruvek {

Track LeeListaXY(std::string_view bytes) {
  Track track;
  ReservaPuntos(track, bytes.size());
  TextLines lineas = LineasDeArchivo(bytes);
  std::string_view linea;
  if (!lineas.Next(linea)) throw Error(ErrorKind::PastEndOfFile, "el archivo está vacío", 1);
  LeeHastaUnError(track, [&] {
    do {
      const long n = lineas.numero();
      Error::AtLine(n, [&] { AnadePunto(track, {}); });
      const Campos campos(linea, n);
      Punto& p = track.puntos.back();
      p.x = CampoRedondeado(campos[0], n);
      p.y = CampoRedondeado(campos.SegundoOResto(), n);
    } while (lineas.Next(linea));
  });
  return track;
}

std::string EscribeListaXY(const Track& track) {
  std::string out;
  out.reserve(track.puntos.size() * kLineaXYMaxima);
  AnadeLineasXY(out, track, {});
  return out;
}

Track LeeListaXYPegada(std::string_view texto) {
  Track track;
  ReservaPuntos(track, texto.size());
  TextLines lineas(texto);
  LeeHastaUnError(track, [&] {
    for (std::string_view linea; lineas.Next(linea);) {
      const long n = lineas.numero();
      if (AllBlank(linea)) continue;
      const std::size_t coma = linea.find(',');
      // Lines after the last one that holds a comma are not points.
      const auto resto = std::size_t(linea.data() + linea.size() - texto.data());
      if (coma == std::string_view::npos && texto.find(',', resto) == std::string_view::npos) {
        break;
      }
      Error::AtLine(n, [&] { AnadePunto(track, {}); });
      if (coma == std::string_view::npos) {
        throw Error(ErrorKind::InvalidArgument, "la línea no tiene coma", n);
      }
      const std::string_view y = linea.substr(coma + 1);
      Punto& p = track.puntos.back();
      p.x = Error::AtLine(n, [&] { return ValorFijo::Parse(linea.substr(0, coma)); });
      p.y = Error::AtLine(n, [&] { return ValorFijo::Parse(y.substr(0, y.find(','))); });
    }
  });
  return track;
}

std::string EscribeListaXYPegada(const Track& track) {
  std::string texto;
  for (const Punto& p : PuntosHastaElFinal(track)) {
    if (!texto.empty()) texto += "\r\n";
    p.x.AppendText(texto);
    texto += ',';
    p.y.AppendText(texto);
  }
  return texto;
}

}  // namespace ruvek
