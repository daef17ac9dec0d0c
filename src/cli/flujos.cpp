// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/flujos.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iostream>

#include "cli/acciones.h"
#include "cli/tamano.h"
#include "io/entrada.h"
#include "io/guarda_archivo.h"

namespace ruvek::cli {

void Informa(const std::string& nombre, const Error& e) {
  if (e.linea() > 0) {
    std::fprintf(stderr, "ruvek-cli: %s:%ld: %s\n", nombre.c_str(), e.linea(), e.detalle().c_str());
  } else {
    std::fprintf(stderr, "ruvek-cli: %s: %s\n", nombre.c_str(), e.detalle().c_str());
  }
}

std::string Bytes(const std::string& entrada) {
  return entrada == "-" ? LeeDescriptor(STDIN_FILENO) : LeeEntrada(entrada);
}

Track Carga(const std::string& entrada, Proyeccion& proyeccion,
            std::optional<std::size_t> simplifica) {
  const std::string bytes = Bytes(entrada);
  Track track = Lee(FormatoDe(bytes), bytes, proyeccion).track;
  AjustaTamano(track, simplifica, entrada == "-" ? kEntradaEstandar : entrada);
  return track;
}

void Escribe(const std::string& salida, const std::string& bytes) {
  struct stat estado {};
  const bool flujo = salida == "-" || (stat(salida.c_str(), &estado) == 0 &&
                                       (S_ISCHR(estado.st_mode) || S_ISFIFO(estado.st_mode)));
  if (!flujo) return GuardaArchivo(salida, bytes);
  std::FILE* f = salida == "-" ? stdout : std::fopen(salida.c_str(), "wb");
  const bool bien = f != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() &&
                    std::fflush(f) == 0;
  const int err = errno;
  if (f != nullptr && f != stdout) std::fclose(f);
  if (!bien) throw Error(TipoDeError::Archivo, "no se puede escribir: " + TextoErrno(err));
}

int ErrorDeUso(const std::string& que) {
  std::fprintf(stderr, "ruvek-cli: %s\nPruebe «ruvek-cli --help» para más información.\n",
               que.c_str());
  return kUso;
}

bool VaciaSalidaEstandar() {
  if (std::cout.flush() && std::fflush(stdout) == 0) return true;
  Informa(kSalidaEstandar,
          Error(TipoDeError::Archivo, "no se puede escribir: " + TextoErrno(errno)));
  return false;
}

}  // namespace ruvek::cli
