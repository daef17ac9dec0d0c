// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/entrada.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "core/errores.h"

namespace ruvek {

namespace {

[[noreturn]] void Demasiado() {
  throw Error(TipoDeError::DemasiadoLargo, "la entrada pasa de " +
                                               std::to_string(kLargoMaximoDeEntrada >> 20) +
                                               " MiB, mucho más de lo que ocupa un track");
}

[[noreturn]] void NoSeLee(int err) {
  throw Error(TipoDeError::Archivo, "no se puede leer: " + TextoErrno(err));
}

// Closes a descriptor this file opened, however reading ends.
struct Cierra {
  int fd;
  ~Cierra() { close(fd); }
};

}  // namespace

std::string LeeEntrada(const std::string& nombre) {
  const int fd = open(nombre.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) throw Error(TipoDeError::Archivo, TextoErrno(errno));
  const Cierra cierra{fd};
  return LeeDescriptor(fd);
}

std::string LeeDescriptor(int fd) {
  struct stat estado {};
  if (fstat(fd, &estado) != 0) NoSeLee(errno);
  if (S_ISDIR(estado.st_mode)) throw Error(TipoDeError::Archivo, TextoErrno(EISDIR));
  std::string bytes;
  if (S_ISREG(estado.st_mode)) {
    if (std::size_t(estado.st_size) > kLargoMaximoDeEntrada) Demasiado();
    bytes.reserve(std::size_t(estado.st_size));
  }
  // Read a block at a time up to one byte past the bound, so nothing beyond it is ever held.
  char bloque[64 * 1024];
  for (;;) {
    const std::size_t cabe = std::min(sizeof bloque, kLargoMaximoDeEntrada + 1 - bytes.size());
    const ssize_t n = read(fd, bloque, cabe);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) NoSeLee(errno);
    if (n == 0) return bytes;
    bytes.append(bloque, std::size_t(n));
    if (bytes.size() > kLargoMaximoDeEntrada) Demasiado();
  }
}

}  // namespace ruvek
