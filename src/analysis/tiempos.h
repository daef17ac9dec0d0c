// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "analysis/analisis.h"
#include "core/recorrido.h"

namespace ruvek {

// How long a walk took and how long it was moving, from its points' times, over the points the
// analysis takes (see PuntosHastaElFinal), in seconds.
struct Movimiento {
  double duracion;       // the last time less the first
  double en_movimiento;  // the intervals within each segment, less its pauses
};

// Why a track's times are not known: point `punto` (from 1), at `linea`, has none, or one earlier
// than the point before it.
struct SinTiempos {
  std::size_t punto;
  long linea;
  bool hacia_atras;
};

// The times of the first `n` points of `metros`' tracks (in order), whose distances along the
// ground from the first are `distancias`: Movimiento when every one has a time
// and none goes back; SinTiempos at the first that fails when some point has one; nothing when
// none has. En movimiento: the intervals between consecutive points of one segment, less its
// pauses: maximal runs of slow intervals lasting more than 10 s in all, an interval being slow
// when its distance is at most its seconds times the segment's pause speed (0.40 m/s when the
// segment's mean speed is above 2.8 m/s, 0.15 m/s otherwise), or it lasts 0 s.
std::variant<std::monostate, Movimiento, SinTiempos> MovimientoDe(
    const Recorrido& metros, std::size_t n, std::span<const double> distancias);

// The walking time of DIN 33466, in seconds, a multiple of 60: the hours of `metros` at 4 km/h
// and those of the ascent at 300 m/h and the descent at 500 m/h, the larger and half the smaller,
// rounded to the nearest minute (half up).
long TiempoEstimado(double metros, const ResultadoAnalisis& r);

// "1:05:09": hours, minutes and seconds of `segundos`, rounded to whole ones (halves away from
// zero); "1:05": hours and minutes of a whole number of minutes.
std::string HorasMinutosSegundos(double segundos);
std::string HorasMinutos(long segundos);

// A speed in km/h with one decimal, halves away from zero, in this convention ("4.3"): `metros`
// over `segundos`; nothing when `segundos` is 0.
std::optional<std::string> KilometrosPorHora(double metros, double segundos);

}  // namespace ruvek
