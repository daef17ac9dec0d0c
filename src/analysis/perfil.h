// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "analysis/analisis.h"
#include "core/track.h"

namespace ruvek {

// The sizes of a profile picture, in pixels, and the bounds of each.
inline constexpr int kAnchoPerfil = 800, kAltoPerfil = 300;
inline constexpr int kAnchoMinimo = 240, kAltoMinimo = 140, kLadoMaximo = 8000;

// The altitude profile of a track as an SVG 1.1 picture of `ancho` by `alto` pixels: the
// altitude against the distance along the ground of the points the analysis takes (see
// PuntosHastaElFinal), `distancias` from the first to each (as many), as a line over a light area;
// both axes with round ticks; the highest and lowest points marked; a title (`titulo`) and a line
// with the length, the analysis's ascent and descent (of the swings of `umbral` metres or more,
// when given: see AnalizaAltitudes), the walk's `duracion` in seconds when known and its walking
// time (see TiempoEstimado). Points closer than a pixel are merged in the line, keeping the lowest
// and highest of each column. The same bytes for the same input, always. Error(FaltaUnCampo) for a
// track without altitudes or without such points.
std::string PerfilSvg(const Track& track, std::span<const double> distancias,
                      std::string_view titulo, int ancho = kAnchoPerfil, int alto = kAltoPerfil,
                      std::optional<int> umbral = std::nullopt,
                      std::optional<double> duracion = std::nullopt);

// The length in kilometres with one decimal and a comma, as Spanish readers write it: "12,3".
std::string Kilometros(double metros);

}  // namespace ruvek
