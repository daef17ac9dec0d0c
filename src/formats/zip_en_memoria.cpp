// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstring>

#include "formats/api_zip.h"

namespace ruvek {

void* CargaMinizip() {
  return CargaBiblioteca(RUVEK_MINIZIP_SONAME, "minizip", TipoDeError::Archivo);
}

void* CargaLibdeflate() {
  return CargaBiblioteca(RUVEK_LIBDEFLATE_SONAME, "libdeflate", TipoDeError::Archivo);
}

namespace {

ArchivoEnMemoria& De(voidpf archivo) { return *static_cast<ArchivoEnMemoria*>(archivo); }

std::string_view Bytes(const ArchivoEnMemoria& a) {
  return a.escribe != nullptr ? std::string_view(*a.escribe) : a.lee;
}

voidpf Abre(voidpf archivo, const void*, int) {
  De(archivo).posicion = 0;
  return archivo;
}

uLong Lee(voidpf, voidpf archivo, void* destino, uLong n) {
  ArchivoEnMemoria& a = De(archivo);
  const std::string_view bytes = Bytes(a);
  n = uLong(
      std::min<std::uint64_t>(n, bytes.size() - std::min<std::uint64_t>(a.posicion, bytes.size())));
  if (n > 0) std::memcpy(destino, bytes.data() + a.posicion, n);
  a.posicion += n;
  return n;
}

uLong Escribe(voidpf, voidpf archivo, const void* origen, uLong n) {
  ArchivoEnMemoria& a = De(archivo);
  if (a.escribe == nullptr) return 0;
  if (a.escribe->size() < a.posicion + n) a.escribe->resize(a.posicion + n);
  if (n > 0) std::memcpy(a.escribe->data() + a.posicion, origen, n);
  a.posicion += n;
  return n;
}

ZPOS64_T Dice(voidpf, voidpf archivo) { return De(archivo).posicion; }

long Mueve(voidpf, voidpf archivo, ZPOS64_T desplazamiento, int desde) {
  ArchivoEnMemoria& a = De(archivo);
  const std::uint64_t largo = Bytes(a).size();
  const std::uint64_t base = desde == ZLIB_FILEFUNC_SEEK_CUR   ? a.posicion
                             : desde == ZLIB_FILEFUNC_SEEK_END ? largo
                                                               : 0;
  if (desplazamiento > largo || base + desplazamiento > largo) return -1;
  a.posicion = base + desplazamiento;
  return 0;
}

int Cierra(voidpf, voidpf) { return 0; }

int SinError(voidpf, voidpf) { return 0; }

}  // namespace

zlib_filefunc64_def EnMemoria(ArchivoEnMemoria& archivo) {
  return {Abre, Lee, Escribe, Dice, Mueve, Cierra, SinError, &archivo};
}

}  // namespace ruvek
