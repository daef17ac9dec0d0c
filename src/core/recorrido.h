// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/errores.h"
#include "core/instante.h"
#include "core/sistema.h"

namespace ruvek {

// What a track file holds, as it holds it: its tracks (each with its name and its segments, where
// a recording stopped and started again) and its waypoints, every position in the file's own
// system with the numbers it gives. Readers return it without projecting anything; metres in
// another system are one explicit step (see EnSistema), and the windows' table of whole metres is
// made from it (see TablaDe).

// A point of a track, or a waypoint's place.
struct Posicion {
  double x = 0, y = 0;  // longitude and latitude in degrees, or easting and northing in metres
  std::optional<double> altitud;   // metres, with the decimals it was read with
  std::optional<Instante> tiempo;  // when the file gives one
  std::int32_t linea = 0;          // the input's line it was read at, for messages; 0 if none
  // The UTM zone of its metres when it is not its recorrido's (0), and its latitude band, as a
  // file gives them ("29T": 29 and 'T'); -1 for a zone that is not one.
  std::int8_t huso = 0;
  char banda = 0;
};

using Segmento = std::vector<Posicion>;

struct Traza {
  std::string nombre;  // empty when the file gives none
  std::vector<Segmento> segmentos;
};

struct Waypoint {
  std::string nombre;
  Posicion posicion;
};

// The most waypoints a file is read with.
inline constexpr std::size_t kMaximoDeWaypoints = 10000;

// A datum a file declares in words (TrackMaker's header), and the line that says it.
struct DatumDeclarado {
  std::string nombre;
  long linea;
};

struct Recorrido {
  Sistema sistema = kGradosWgs84;
  // The datum the file declares, when it declares one in words: whoever takes its metres
  // elsewhere checks it is the one `sistema` assumes.
  std::optional<DatumDeclarado> datum_declarado;
  // Degrees computed from metres (written with kDecimalesGrados decimals), not read as such
  // (written as the numbers they were read as).
  bool grados_calculados = false;
  // The file within an archive its points' lines are of ("doc.kml"), or "".
  std::string lineas_de;
  std::vector<Traza> trazas;
  std::vector<Waypoint> waypoints;

  // The points of every track, in order.
  std::size_t PuntosDeTraza() const;
  // Calls `f(Posicion&)` for every point of every track, in order.
  template <typename F>
  void ParaCadaPunto(F&& f) {
    for (Traza& t : trazas) {
      for (Segmento& s : t.segmentos) {
        for (Posicion& p : s) f(p);
      }
    }
  }
  template <typename F>
  void ParaCadaPunto(F&& f) const {
    for (const Traza& t : trazas) {
      for (const Segmento& s : t.segmentos) {
        for (const Posicion& p : s) f(p);
      }
    }
  }
  // The same, then for every waypoint's place.
  template <typename F>
  void ParaCadaPosicion(F&& f) {
    ParaCadaPunto(f);
    for (Waypoint& w : waypoints) f(w.posicion);
  }
  template <typename F>
  void ParaCadaPosicion(F&& f) const {
    ParaCadaPunto(f);
    for (const Waypoint& w : waypoints) f(w.posicion);
  }
  // Whether every point of every track has an altitude (true without points), and a time.
  bool TodosConAltitud() const;
  bool TodosConTiempo() const;
};

// Runs `f`, which works on a recorrido whose lines are of `lineas_de` (see Recorrido::lineas_de),
// giving any Error it raises at one of those lines that file's name.
template <typename F>
auto EnSusLineas(const std::string& lineas_de, F&& f) -> decltype(f()) {
  try {
    return f();
  } catch (const Error& e) {
    if (e.linea() == 0 || lineas_de.empty() || !e.dentro().empty()) throw;
    throw e.EnArchivo(lineas_de);
  }
}

// How many points' times and altitudes a layout leaves out of a recorrido.
struct LoQueSeDeja {
  std::size_t tiempos = 0, altitudes = 0;
};

// The zone among Spain's where most of the points of `r`'s tracks lie: by their longitude in
// degrees (see HusoDeEspana; only points north of the equator within the zones' areas, from a
// zone west of 28 to one east of 31, count), by the zone of their metres otherwise; the lower of
// two with as many; 0 when no point counts.
int HusoMayoritario(const Recorrido& r);

// A recorrido of one unnamed track of one segment, in `sistema`: what the text layouts hold.
Recorrido UnSegmento(Sistema sistema, Segmento puntos);

}  // namespace ruvek
