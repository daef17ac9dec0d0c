// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/lista_xy.h"

#include "core/lineas.h"
#include "formats/campos.h"

namespace ruvek {

Recorrido LeeListaXY(std::string_view bytes) {
  Segmento puntos;
  ReservaPuntos(puntos, bytes.size());
  std::string_view linea;
  LineasDeTexto lineas = LineasDeArchivoNoVacio(bytes, linea);
  LeeHastaUnError(kMetrosEd50, puntos, [&] {
    do {
      const long n = lineas.numero();
      Error::EnLinea(n, [&] { AnadePunto(puntos, {0, 0, {}, {}, std::int32_t(n), 0, 0}); });
      const Campos campos(linea, n);
      Posicion& p = puntos.back();
      p.x = CampoDecimal(campos[0], n);
      p.y = CampoDecimal(campos.SegundoOResto(), n);
    } while (lineas.Siguiente(linea));
  });
  return UnSegmento(kMetrosEd50, std::move(puntos));
}

std::string EscribeListaXY(const Recorrido& metros) {
  std::string salida;
  salida.reserve(metros.PuntosDeTraza() * kLineaXYMaxima);
  metros.ParaCadaPunto([&salida](const Posicion& p) {
    AnadeLineaXY(salida, ValorFijo::Redondeado(p.x), ValorFijo::Redondeado(p.y), {});
  });
  return salida;
}

std::string EscribeListaXY(const Track& track) {
  std::string salida;
  salida.reserve(track.puntos.size() * kLineaXYMaxima);
  AnadeLineasXY(salida, track, {});
  return salida;
}

Track LeeListaXYPegada(std::string_view texto) {
  Track track;
  ReservaPuntos(track, texto.size());
  LineasDeTexto lineas(texto);
  LeeHastaUnError(track, [&] {
    for (std::string_view linea; lineas.Siguiente(linea);) {
      const long n = lineas.numero();
      if (TodoBlanco(linea)) continue;
      const std::size_t coma = linea.find(',');
      // Lines after the last one that holds a comma are not points.
      const auto resto = std::size_t(linea.data() + linea.size() - texto.data());
      if (coma == std::string_view::npos && texto.find(',', resto) == std::string_view::npos) {
        break;
      }
      Error::EnLinea(n, [&] { AnadePunto(track, {}); });
      if (coma == std::string_view::npos) {
        throw Error(TipoDeError::FaltaUnCampo, "la línea no tiene coma", n);
      }
      const std::string_view y = linea.substr(coma + 1);
      Punto& p = track.puntos.back();
      p.x = Error::EnLinea(n, [&] { return ValorFijo::DeTexto(linea.substr(0, coma)); });
      p.y = Error::EnLinea(n, [&] { return ValorFijo::DeTexto(y.substr(0, y.find(','))); });
    }
  });
  return track;
}

std::string EscribeListaXYPegada(const Track& track) {
  std::string texto;
  for (const Punto& p : PuntosHastaElFinal(track)) {
    if (!texto.empty()) texto += "\r\n";
    p.x.AnadeTexto(texto);
    texto += ',';
    p.y.AnadeTexto(texto);
  }
  return texto;
}

}  // namespace ruvek
