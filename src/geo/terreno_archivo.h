// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace ruvek {

// Why GDAL could not read a model, in Spanish where its message is one Ruvek knows: ": " and the
// reason; otherwise GDAL's own words, " (GDAL: ...)"; nothing when GDAL said nothing.
std::string MotivoDeGdal(std::string_view mensaje);

// The number of values the ASCII grid `archivo` holds after its header (the lines that begin
// with a word, "ncols 4"...), or -1 when it cannot be read. GDAL reads such a grid's values one
// after another without counting them, so a header that says more or fewer goes unnoticed
// until a row beyond the file's end is needed.
long long ValoresDeRejillaAscii(const std::string& archivo);

}  // namespace ruvek
