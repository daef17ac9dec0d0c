// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ruvek {

// The name of a track that comes from no file: a pasted one, standard input's.
inline constexpr const char* kSinNombre = "sin nombre.txt";

// Where the last `n` characters of UTF-8 text begin, or npos when it has fewer.
std::size_t InicioUltimosCaracteres(std::string_view texto, int n);

// The name proposed for a track named `actual` saved in another layout: `actual` without its last
// four characters (its extension, normally), then `sufijo`; nothing when it has fewer than four.
std::optional<std::string> NombrePropuesto(std::string_view actual, std::string_view sufijo);

}  // namespace ruvek
