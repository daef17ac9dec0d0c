// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/track.h"

namespace ruvek {

// What a simplification did: the points before and after, and the largest distance in metres
// between a removed point and the kept track (the step of it that spans the point).
struct Simplificacion {
  std::size_t antes = 0, despues = 0;
  double distancia = 0;
};

// A point of a track measured in metres: x, y and altitude (0 without altitudes).
struct Punto3D {
  double x, y, z;
};

// Keeps at most `maximo` (2 or more) points of the track: the first, the last and those that
// matter most to its shape in three dimensions (X, Y and, when the track has them, altitude, so
// that the profile and the analysis keep theirs). Douglas and Peucker's rule, ranked: the point
// farthest from the kept track is kept next, until `maximo` are kept or the rest lie on it. A
// track of `maximo` points or fewer is left as it is. O(n log n) for a track's points.
Simplificacion Simplifica(Track& track, std::size_t maximo = kMaximoDePuntos);

// The same over the points of a recorrido's tracks, measured by `metros` (a Punto3D for each, in
// the order of ParaCadaPunto): the first and the last point of every segment are always kept (so
// more than `maximo` are when the segments have more ends), each kept point with all it holds;
// its waypoints are left as they are. `tambien`, when given, of the same points in another system,
// keeps the same ones.
Simplificacion Simplifica(Recorrido& r, std::size_t maximo, const std::vector<Punto3D>& metros,
                          Recorrido* tambien = nullptr);

// The sentence that tells of it: "Se ha simplificado de 11804 a 10000 puntos; ningún punto
// quitado se aparta más de 0,8 m del track."
std::string FraseDeSimplificacion(const Simplificacion& s);

}  // namespace ruvek
