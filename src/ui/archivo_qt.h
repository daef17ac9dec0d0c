// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace ruvek {

// Writes a file through QSaveFile: the content replaces the file only once it has been written
// completely. Raises Error(FileError) on any failure, leaving an existing file untouched and no
// partial or temporary file behind.
void GuardaConQSaveFile(const std::string& nombre, const std::string& contenido);

}  // namespace ruvek
