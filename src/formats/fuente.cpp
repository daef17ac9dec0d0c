// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/fuente.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/errors.h"

namespace ruvek {

Fuente::Fuente(const std::string& nombre) {
  struct stat estado {};
  if (stat(nombre.c_str(), &estado) != 0) throw Error(ErrorKind::FileError, TextoErrno(errno));
  if (S_ISDIR(estado.st_mode)) throw Error(ErrorKind::FileError, TextoErrno(EISDIR));
  if (!S_ISREG(estado.st_mode)) throw Error(ErrorKind::FileError, "no es un archivo normal");
  flujo_ = std::fopen(nombre.c_str(), "rb");
  if (flujo_ == nullptr) throw Error(ErrorKind::FileError, TextoErrno(errno));
}

Fuente::~Fuente() {
  if (propio_ && flujo_ != nullptr) std::fclose(flujo_);
}

std::size_t Fuente::LeeDelFlujo(char* destino, std::size_t n) {
  const std::size_t leido = std::fread(destino, 1, n, flujo_);
  if (leido < n && std::ferror(flujo_)) {
    throw Error(ErrorKind::FileError, "no se puede leer: " + TextoErrno(errno));
  }
  if ((leidos_ += leido) > kMaxEntrada) {
    throw Error(ErrorKind::TooLong, "la entrada pasa de " + std::to_string(kMaxEntrada >> 20) +
                                        " MiB, mucho más de lo que ocupa un track");
  }
  return leido;
}

std::size_t Fuente::Lee(char* destino, std::size_t n) {
  if (servidos_ < asomado_.size()) {
    const std::size_t k = std::min(n, asomado_.size() - servidos_);
    std::memcpy(destino, asomado_.data() + servidos_, k);
    servidos_ += k;
    return k;
  }
  return LeeDelFlujo(destino, n);
}

std::string_view Fuente::Asoma(std::size_t n) {
  if (asomado_.size() < n && leidos_ == asomado_.size()) {
    const std::size_t antes = asomado_.size();
    asomado_.resize(n);
    asomado_.resize(antes + LeeDelFlujo(asomado_.data() + antes, n - antes));
  }
  return std::string_view(asomado_).substr(0, n);
}

}  // namespace ruvek
