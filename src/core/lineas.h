// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "core/errores.h"

namespace ruvek {

// The most any input may hold, a file or an archive's entry: far more than any track of 10,000
// points needs, and little enough that nothing a user picks or pipes in takes time or memory in
// proportion to its size.
inline constexpr std::size_t kLargoMaximoDeEntrada = std::size_t{64} << 20;

// The longest line any reader of outside text takes: far above any TrackMaker or X,Y line, so a
// file or a text that is not a track is refused at its first long line, without reading on.
inline constexpr std::size_t kLargoMaximoDeLinea = 64 * 1024;

[[noreturn]] inline void LineaDemasiadoLarga(long linea) {
  throw Error(TipoDeError::DemasiadoLargo,
              "la línea pasa de " + std::to_string(kLargoMaximoDeLinea) + " bytes: no es un track",
              linea);
}

// Finds where lines end: CR LF, a lone CR and a lone LF all end a line. It remembers the next LF,
// or how far none was found, so text whose lines end in CR alone is still scanned once.
class BuscadorDeFinDeLinea {
 public:
  // The first CR or LF in [p, fin), or `fin`. Successive calls must not go backwards.
  const char* Busca(const char* p, const char* fin) {
    if (lf_ == nullptr || lf_ < p) {
      const char* desde = std::max(p, visto_);
      const void* lf = desde < fin ? std::memchr(desde, '\n', std::size_t(fin - desde)) : nullptr;
      lf_ = static_cast<const char*>(lf);
      visto_ = std::max(visto_, lf_ == nullptr ? fin : desde);
    }
    const char* limite = lf_ != nullptr && lf_ < fin ? lf_ : fin;
    const void* cr = std::memchr(p, '\r', std::size_t(limite - p));
    return cr != nullptr ? static_cast<const char*>(cr) : limite;
  }

 private:
  const char* lf_ = nullptr;     // the next LF, when known
  const char* visto_ = nullptr;  // no LF lies between the last search's start and here
};

// The lines of in-memory text, front to back; text ending in a line end makes no extra empty
// line. A line longer than kLargoMaximoDeLinea raises Error(DemasiadoLargo) without looking
// further.
class LineasDeTexto {
 public:
  explicit LineasDeTexto(std::string_view texto)
      : p_(texto.data()), fin_(texto.data() + texto.size()) {}

  // The next line in `linea`; false at the end of the text.
  bool Siguiente(std::string_view& linea) {
    if (p_ == fin_) return false;
    ++numero_;
    const char* tope = p_ + std::min<std::size_t>(std::size_t(fin_ - p_), kLargoMaximoDeLinea + 1);
    const char* fin = buscador_.Busca(p_, tope);
    if (std::size_t(fin - p_) > kLargoMaximoDeLinea) LineaDemasiadoLarga(numero_);
    linea = std::string_view(p_, static_cast<std::size_t>(fin - p_));
    p_ = fin;
    if (p_ != fin_) {
      ++p_;
      if (*fin == '\r' && p_ != fin_ && *p_ == '\n') ++p_;
    }
    return true;
  }

  // 1-based number of the line last returned by Siguiente.
  long numero() const { return numero_; }

 private:
  const char* p_;
  const char* fin_;
  long numero_ = 0;
  BuscadorDeFinDeLinea buscador_;
};

// The lines of a file's text: those of LineasDeTexto after a UTF-8 byte-order mark at the very
// start.
inline LineasDeTexto LineasDeArchivo(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  return LineasDeTexto(bytes);
}

// The lines of a file that must hold one, its first line already in `primera`;
// Error(ArchivoVacio) when it has none.
inline LineasDeTexto LineasDeArchivoNoVacio(std::string_view bytes, std::string_view& primera) {
  LineasDeTexto lineas = LineasDeArchivo(bytes);
  if (!lineas.Siguiente(primera))
    throw Error(TipoDeError::ArchivoVacio, "el archivo está vacío", 1);
  return lineas;
}

// The line of a byte of a text, for bytes asked in increasing order (one asked backwards counts
// again from the start): 1 and one more for every LF before it.
class NumerosDeLinea {
 public:
  explicit NumerosDeLinea(std::string_view texto) : texto_(texto) {}
  long De(std::size_t byte) {
    byte = std::min(byte, texto_.size());
    if (byte < hasta_) hasta_ = 0, linea_ = 1;
    linea_ += std::count(texto_.begin() + std::ptrdiff_t(hasta_),
                         texto_.begin() + std::ptrdiff_t(byte), '\n');
    hasta_ = byte;
    return linea_;
  }

 private:
  std::string_view texto_;
  std::size_t hasta_ = 0;
  long linea_ = 1;
};

}  // namespace ruvek
