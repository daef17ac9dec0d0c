// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace ruvek {

// The most any input may hold: far more than any track of 10,000 points needs, and little enough
// that nothing a user picks or pipes in takes time or memory in proportion to its size.
inline constexpr std::size_t kMaxEntrada = std::size_t{64} << 20;

// The bytes of one input, front to back: a regular file by name, or an open stream such as
// standard input. Reading beyond kMaxEntrada bytes raises Error(TooLong).
class Fuente {
 public:
  // A regular file; Error(FileError) when it is missing, unreadable, a folder, a device or a
  // pipe, so that no name can make a reader block or read forever. Closed when the Fuente goes.
  explicit Fuente(const std::string& nombre);
  // An open stream, which the Fuente does not close.
  explicit Fuente(std::FILE* flujo) : flujo_(flujo), propio_(false) {}
  ~Fuente();
  Fuente(const Fuente&) = delete;
  Fuente& operator=(const Fuente&) = delete;

  // Up to `n` bytes into `destino`; 0 at the end. Error(FileError) when reading fails.
  std::size_t Lee(char* destino, std::size_t n);

  // The first bytes of the input, up to `n`, without consuming them: Lee gives them again.
  std::string_view Asoma(std::size_t n);

 private:
  std::size_t LeeDelFlujo(char* destino, std::size_t n);

  std::FILE* flujo_ = nullptr;
  bool propio_ = true;
  std::string asomado_;       // bytes read ahead by Asoma
  std::size_t servidos_ = 0;  // of them, those Lee has given
  std::size_t leidos_ = 0;    // bytes read from the stream
};

}  // namespace ruvek
