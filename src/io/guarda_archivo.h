// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace ruvek {

// Writes `contenido` as the file `nombre` atomically: into a new file in the same folder, flushed
// to the disk, then renamed over the name. An existing file is replaced whole, keeping its
// permissions, or left byte for byte as it was; no temporary file is left, whatever fails. A
// name that is a symbolic link writes the file it points to. Raises Error(Archivo) with the
// reason in Spanish.
void GuardaArchivo(const std::string& nombre, std::string_view contenido);

}  // namespace ruvek
