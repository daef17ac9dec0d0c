// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "formats/grados.h"

namespace ruvek {

// The XML of a GPX 1.0 or 1.1, with or without namespace prefixes: the points of every
// trk/trkseg/trkpt in document order, or, when there is no track point, those of the routes
// (rte/rtept); waypoints are ignored. Numbers may have an exponent; altitudes are rounded like
// every field of a text file. Error, with its line, when the bytes are not XML or not a GPX, have
// no point, more than kMaximoDePuntosLeidos (reading stops at the first one beyond), a latitude,
// longitude or altitude that is not a number, or an attribute, a text or a nesting beyond its
// bound. Entities declared in the file are expanded within expat's amplification limits; no
// external entity or DTD is ever loaded. `con_linea(lon, lat)` says which points need their line,
// the points an error may name: finding it costs about as much as parsing the point.
std::vector<PuntoEnGrados> LeeXmlGpx(std::string_view bytes,
                                     bool (*con_linea)(double lon, double lat));

}  // namespace ruvek
