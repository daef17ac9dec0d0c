// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/errores.h"
#include "formats/formatos.h"

namespace ruvek::cli {

// How messages name standard input and output.
inline const char* const kEntradaEstandar = "entrada estándar";
inline const char* const kSalidaEstandar = "salida estándar";

// Says a failure of `nombre` on standard error: "ruvek-cli: NAME:LINE: what is wrong".
void Informa(const std::string& nombre, const Error& e);

// The bytes of an input, "-" for standard input.
std::string Bytes(const std::string& entrada);

// The track of `entrada`, read in the layout its content shows, simplified to `simplifica`
// points when given (see AjustaTamano).
Track Carga(const std::string& entrada, Proyeccion& proyeccion,
            std::optional<std::size_t> simplifica);

// Writes a file atomically; standard output ("-"), a device (/dev/null) or a named pipe as a
// stream. Error(Archivo) when it cannot.
void Escribe(const std::string& salida, const std::string& bytes);

}  // namespace ruvek::cli
