// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

#include "core/track.h"

namespace ruvek {

// What a simplification did: the points before and after, and the largest distance in metres
// between a removed point and the kept track (the step of it that spans the point).
struct Simplificacion {
  std::size_t antes = 0, despues = 0;
  double distancia = 0;
};

// Keeps at most `maximo` (2 or more) points of the track: the first, the last and those that
// matter most to its shape in three dimensions (X, Y and, when the track has them, altitude, so
// that the profile and the analysis keep theirs). Douglas and Peucker's rule, ranked: the point
// farthest from the kept track is kept next, until `maximo` are kept or the rest lie on it. A
// track of `maximo` points or fewer is left as it is. O(n log n) for a track's points.
Simplificacion Simplifica(Track& track, std::size_t maximo = kMaximoDePuntos);

// The sentence that tells of it: "Se ha simplificado de 11804 a 10000 puntos; ningún punto
// quitado se aparta más de 0,8 m del track."
std::string FraseDeSimplificacion(const Simplificacion& s);

}  // namespace ruvek
