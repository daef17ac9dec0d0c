// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errores.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace ruvek {

const char* NombreDelTipo(TipoDeError tipo) {
  switch (tipo) {
    case TipoDeError::Conversion:
      return "conversión";
    case TipoDeError::FueraDeRango:
      return "fuera de rango";
    case TipoDeError::DemasiadosPuntos:
      return "demasiados puntos";
    case TipoDeError::FaltaUnCampo:
      return "falta un campo";
    case TipoDeError::ArchivoVacio:
      return "archivo vacío";
    case TipoDeError::Archivo:
      return "archivo";
    case TipoDeError::Transformacion:
      return "transformación";
    case TipoDeError::MalFormado:
      return "mal formado";
    case TipoDeError::FueraDelHuso:
      return "fuera del huso";
    case TipoDeError::FueraDelTerreno:
      return "fuera del terreno";
    case TipoDeError::DemasiadoLargo:
      return "demasiado largo";
  }
  return "?";
}

namespace {
std::string Describe(TipoDeError tipo, const std::string& detalle, long linea) {
  std::string texto = NombreDelTipo(tipo);
  if (linea > 0) texto += " en la línea " + std::to_string(linea);
  if (!detalle.empty()) texto += ": " + detalle;
  return texto;
}
}  // namespace

Error::Error(TipoDeError tipo, const std::string& detalle, long linea)
    : std::runtime_error(Describe(tipo, detalle, linea)),
      tipo_(tipo),
      linea_(linea),
      detalle_(detalle) {}

namespace {
// The length of the valid UTF-8 sequence at the start of `t` (a character from U+0000 to
// U+10FFFF, not a surrogate, in its shortest form), or 0.
std::size_t LargoUtf8(std::string_view t) {
  const auto b = [&](std::size_t i) { return static_cast<unsigned char>(t[i]); };
  const unsigned c = b(0);
  const std::size_t n = c < 0x80                 ? 1
                        : c >= 0xC2 && c <= 0xDF ? 2
                        : c >= 0xE0 && c <= 0xEF ? 3
                        : c >= 0xF0 && c <= 0xF4 ? 4
                                                 : 0;
  if (n == 0 || t.size() < n) return 0;
  for (std::size_t i = 1; i < n; ++i) {
    if ((b(i) & 0xC0) != 0x80) return 0;
  }
  if ((c == 0xE0 && b(1) < 0xA0) || (c == 0xED && b(1) > 0x9F) || (c == 0xF0 && b(1) < 0x90) ||
      (c == 0xF4 && b(1) > 0x8F)) {
    return 0;
  }
  return n;
}
}  // namespace

std::string Utf8Limpio(std::string_view texto, std::string_view reemplazo) {
  std::string limpio;
  limpio.reserve(texto.size());
  while (!texto.empty()) {
    const std::size_t n = LargoUtf8(texto);
    const bool control = n == 1 &&
                         (static_cast<unsigned char>(texto[0]) < 0x20 || texto[0] == 0x7F) &&
                         texto[0] != '\t' && texto[0] != '\r' && texto[0] != '\n';
    if (n == 0 || control) {
      limpio += reemplazo;
    } else {
      limpio += texto.substr(0, n);
    }
    texto.remove_prefix(n == 0 ? 1 : n);
  }
  return limpio;
}

std::string Cita(std::string_view texto) {
  std::string corto;
  for (int caracteres = 0; !texto.empty() && caracteres < 40; ++caracteres) {
    const std::size_t n = std::max<std::size_t>(LargoUtf8(texto), 1);
    corto += texto.substr(0, n);
    texto.remove_prefix(n);
  }
  std::string limpio = Utf8Limpio(corto, "?");
  for (char& c : limpio) {
    if (c == '\t' || c == '\r' || c == '\n') c = '?';
  }
  return "«" + limpio + (texto.empty() ? "»" : "...»");
}

std::string TextoErrno(int err) {
  switch (err) {
    case ENOENT:
      return "no existe";
    case EACCES:
    case EPERM:
      return "no hay permiso";
    case EISDIR:
      return "es una carpeta";
    case ENOTDIR:
      return "una parte de la ruta no es una carpeta";
    case ENOSPC:
    case EDQUOT:
      return "no queda espacio en el disco";
    case EFBIG:
      return "el archivo es demasiado grande para el disco";
    case EROFS:
      return "el disco es de solo lectura";
    case ENAMETOOLONG:
      return "el nombre es demasiado largo";
    case EIO:
      return "error de entrada o salida del disco";
    case EBADF:  // a standard stream the caller closed
      return "está cerrada";
    default: {  // rare: said in Spanish, with the system's own words for whoever looks it up
      char texto[160];
      std::snprintf(texto, sizeof texto, "error %d del sistema (%s)", err, std::strerror(err));
      return texto;
    }
  }
}

}  // namespace ruvek
