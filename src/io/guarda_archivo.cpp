// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/guarda_archivo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "core/errores.h"

namespace ruvek {

namespace {

[[noreturn]] void Falla(int err) {
  throw Error(TipoDeError::Archivo, "no se puede escribir: " + TextoErrno(err));
}

// The mode a new file gets: what the user's umask leaves of read and write for all.
mode_t ModoNuevo() {
  const mode_t mascara = umask(0);
  umask(mascara);
  return 0666 & ~mascara;
}

}  // namespace

void GuardaArchivo(const std::string& nombre, std::string_view contenido) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path destino = nombre;
  // A link keeps pointing where it pointed, there being a file there yet or not: the file it
  // points to is the one replaced.
  for (int saltos = 0; saltos < 40; ++saltos) {
    const fs::path apuntado = fs::read_symlink(destino, ec);
    if (ec) break;                               // not a link (any more)
    destino = destino.parent_path() / apuntado;  // an absolute path replaces the folder
  }
  struct stat actual {};
  const bool existe = stat(destino.c_str(), &actual) == 0;
  if (existe && S_ISDIR(actual.st_mode)) Falla(EISDIR);
  if (existe && !S_ISREG(actual.st_mode)) {
    throw Error(TipoDeError::Archivo, "no se puede escribir: no es un archivo normal");
  }
  // A file made read-only stays as it is, though the folder would let a new one take its place.
  if (existe && faccessat(AT_FDCWD, destino.c_str(), W_OK, AT_EACCESS) != 0) Falla(errno);
  const fs::path carpeta = destino.has_parent_path() ? destino.parent_path() : fs::path(".");
  std::string temporal = (carpeta / ".").string();  // a hidden name beside the file
  temporal.append(destino.filename().string()).append(".XXXXXX");
  const int fd = mkstemp(temporal.data());
  if (fd < 0 && errno == ENOENT) {
    throw Error(TipoDeError::Archivo, "no se puede escribir: la carpeta no existe");
  }
  if (fd < 0) Falla(errno);
  int err = 0;
  for (std::size_t hecho = 0; err == 0 && hecho < contenido.size();) {
    const ssize_t n = write(fd, contenido.data() + hecho, contenido.size() - hecho);
    if (n > 0) hecho += std::size_t(n);
    if (n < 0 && errno != EINTR) err = errno;
  }
  if (err == 0 && fchmod(fd, existe ? actual.st_mode & 07777 : ModoNuevo()) != 0) err = errno;
  if (err == 0 && fsync(fd) != 0) err = errno;
  if (close(fd) != 0 && err == 0) err = errno;
  if (err == 0 && rename(temporal.c_str(), destino.c_str()) != 0) err = errno;
  if (err != 0) {
    unlink(temporal.c_str());
    Falla(err);
  }
}

}  // namespace ruvek
