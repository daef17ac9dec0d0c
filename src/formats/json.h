// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <rapidjson/error/error.h>

#include <string>

namespace ruvek {

// What the layouts written in JSON share.

// How deep arrays and objects may nest (a GeoJSON's MultiLineString in a GeometryCollection in a
// Feature needs about 8).
inline constexpr std::size_t kAnidadoMaximoJson = 64;

// Why RapidJSON refused a document, in Spanish.
std::string RazonJson(rapidjson::ParseErrorCode codigo);

}  // namespace ruvek
