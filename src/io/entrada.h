// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/lineas.h"

namespace ruvek {

// The whole of the input named `nombre`: a regular file, a named pipe, /dev/stdin, a process
// substitution... Error(Archivo) when it cannot be opened or read or is a folder;
// Error(DemasiadoLargo) when it holds more than kLargoMaximoDeEntrada bytes (a regular file that
// large is refused before any byte is read).
std::string LeeEntrada(const std::string& nombre);

// The same from an open file descriptor (standard input, for one), which stays open.
std::string LeeDescriptor(int fd);

}  // namespace ruvek
