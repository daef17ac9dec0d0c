// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/track.h"
#include "geo/proyeccion.h"

namespace ruvek {

// The layouts of a track Ruvek reads and writes.
enum class Formato { TrackMaker, ListaXY, Gpx };

// What every layout offers: whether some bytes are in it, reading them to a track, writing a
// track (named `nombre` where the layout names tracks). `datum` is that of the track's X,Y: as
// an X,Y list holds them, or what a GPX is projected to or taken back from; TrackMaker's text
// is ED50 always. Readers return a whole track or raise a typed Error with its line; they never
// change anything else.
struct Disposicion {
  Formato formato;
  bool (*reconoce)(std::string_view bytes);
  Track (*lee)(std::string_view bytes, Proyeccion& proyeccion, Datum datum);
  std::string (*escribe)(const Track& track, std::string_view nombre, Proyeccion& proyeccion,
                         Datum datum);
};

const Disposicion& DisposicionDe(Formato formato);

// The layout of text that is not GPX: TrackMaker when its first line holds "Version", else the
// X,Y list.
Formato FormatoDeTexto(std::string_view bytes);

// The layout of any input by its content: GPX when it is XML (after a byte-order mark and blanks
// its first character is "<"), else as FormatoDeTexto.
Formato FormatoDe(std::string_view bytes);

// A track read, and the layout it was read in.
struct TrackLeido {
  Formato formato;
  Track track;
};

inline TrackLeido Lee(Formato formato, std::string_view bytes, Proyeccion& proyeccion,
                      Datum datum = Datum::Ed50) {
  return {formato, DisposicionDe(formato).lee(bytes, proyeccion, datum)};
}

}  // namespace ruvek
