// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "core/recorrido.h"

namespace ruvek {

// What the layouts in degrees (GPX, KML, GeoJSON) share: their numbers, read and written, and the
// bounds of what a reader takes.

// A number of a document (an optional sign, digits, an optional "." and exponent; XML blanks
// around) as a double; NaN for any other text or a number beyond a double's range.
double NumeroDelDocumento(std::string_view texto);

// The altitude of a document's text, with its decimals (see LeeDecimal: rounded to whole metres, it
// is what every field of a text file rounds to); Error(Conversion) naming it when it is not a
// number, Error(FueraDeRango) beyond the range of the windows' table.
double AltitudDelDocumento(std::string_view texto);

// Appends degrees as a file in degrees writes them: the number they were read as, or, computed
// from metres, with kDecimalesGrados decimals (about a centimetre).
void AnadeGrados(std::string& salida, double grados, bool calculados);

// Appends an altitude with the decimals it was read with ("612.5", "457").
void AnadeAltitud(std::string& salida, double altitud);

// About how many bytes a layout in degrees writes for the positions of `r`, `por_punto` for each
// and the length of a time for each time: room for the text, reserved at once.
std::size_t LargoEstimado(const Recorrido& r, std::size_t por_punto);

// A reader's tracks and waypoints as it reads them, within their bounds: Error(DemasiadosPuntos)
// at the first point beyond kMaximoDePuntosLeidos, or waypoint beyond kMaximoDeWaypoints.
class Acumulador {
 public:
  // Room for about `puntos` points in the first segment (a track's points are most often all in
  // one): bytes / the fewest bytes a point takes in the layout.
  void Reserva(std::size_t puntos) { reserva_ = std::min<std::size_t>(puntos, 100000); }
  // A new track, and a new segment of the last one (of a new track when there is none).
  void NuevaTraza(std::string nombre = {});
  void NuevoSegmento();
  // A point of the last segment (of a new one when there is none), a waypoint.
  void AnadePunto(const Posicion& p);
  void AnadeWaypoint(Waypoint w);
  // The name of the last track.
  std::string& NombreDeLaTraza() { return r_.trazas.back().nombre; }
  // What is read so far, empty tracks and segments included.
  Recorrido& recorrido() { return r_; }
  std::size_t puntos() const { return puntos_; }
  // The recorrido read, its empty segments and tracks left out.
  Recorrido Toma();

 private:
  Recorrido r_;
  std::size_t puntos_ = 0;
  std::size_t reserva_ = 0;
};

}  // namespace ruvek
