// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/track.h"

namespace ruvek::cli {

// --simplify (to kMaximoDePuntos points) or --simplify=N, taken out of the arguments before they
// are parsed: as with GNU options whose value is optional, the value comes only after "=", so the
// word after it is never taken for one. `error` says why a value is refused.
struct Simplificar {
  std::optional<std::size_t> puntos;
  std::string error;
};
Simplificar SacaSimplificar(std::vector<char*>& argumentos);

// Simplifies the track of `nombre` to `maximo` points when given, saying so on standard error
// when it changed; then refuses a track of more than kMaximoDePuntos points (a GPX), with the hint.
void AjustaTamano(Track& track, std::optional<std::size_t> maximo, const std::string& nombre);

}  // namespace ruvek::cli
