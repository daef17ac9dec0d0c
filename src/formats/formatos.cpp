// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/formatos.h"

#include "formats/gpx.h"
#include "formats/lista_xy.h"
#include "formats/trackmaker.h"

namespace ruvek {

namespace {

bool EsXml(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  const std::size_t p = bytes.substr(0, 1024).find_first_not_of(" \t\r\n");
  return p != std::string_view::npos && bytes[p] == '<';
}

const Disposicion kDisposiciones[] = {
    {Formato::TrackMaker, &EsTrackMaker,
     [](std::string_view bytes, Proyeccion&, Datum) { return LeeTrackMaker(bytes); },
     [](const Track& t, std::string_view, Proyeccion&, Datum) { return EscribeTrackMaker(t); }},
    {Formato::ListaXY, [](std::string_view bytes) { return !EsXml(bytes) && !EsTrackMaker(bytes); },
     [](std::string_view bytes, Proyeccion&, Datum) { return LeeListaXY(bytes); },
     [](const Track& t, std::string_view, Proyeccion&, Datum) { return EscribeListaXY(t); }},
    {Formato::Gpx, &EsXml, &LeeGpx, &EscribeGpx},
};

}  // namespace

const Disposicion& DisposicionDe(Formato formato) {
  return kDisposiciones[static_cast<int>(formato)];
}

Formato FormatoDeTexto(std::string_view bytes) {
  return DisposicionDe(Formato::TrackMaker).reconoce(bytes) ? Formato::TrackMaker
                                                            : Formato::ListaXY;
}

Formato FormatoDe(std::string_view bytes) {
  return DisposicionDe(Formato::Gpx).reconoce(bytes) ? Formato::Gpx : FormatoDeTexto(bytes);
}

}  // namespace ruvek
