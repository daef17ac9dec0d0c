// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core/valor_fijo.h"

namespace ruvek {

// How deep the elements of a GPX may nest (a track point with its extensions needs about 8).
inline constexpr int kAnidadoMaximo = 64;

// A point as a GPX writes it: WGS 84 degrees, the altitude rounded to whole metres when it has
// one, and the line of the document where it is, when asked for (0 otherwise).
struct PuntoGpx {
  double lon, lat;
  std::optional<ValorFijo> ele;
  long linea;
};

// The XML of a GPX 1.0 or 1.1, with or without namespace prefixes: the points of every
// trk/trkseg/trkpt in document order, or, when there is no track point, those of the routes
// (rte/rtept); waypoints are ignored. Numbers may have an exponent; altitudes are rounded like
// every field of a text file. Error, with its line, when the bytes are not XML or not a GPX, have
// no point, more than kMaximoDePuntosLeidos (reading stops at the first one beyond), a latitude,
// longitude or altitude that is not a number, or an attribute, a text or a nesting beyond its
// bound. Entities declared in the file are expanded within expat's amplification limits; no
// external entity or DTD is ever loaded. `con_linea(lon, lat)` says which points need their line,
// the points an error may name: finding it costs about as much as parsing the point.
std::vector<PuntoGpx> LeeXmlGpx(std::string_view bytes, bool (*con_linea)(double lon, double lat));

}  // namespace ruvek
