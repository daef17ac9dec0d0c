// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/errores.h"
#include "core/numeros.h"
#include "core/track.h"

namespace ruvek {

// The fields of a line as the text between its commas, found in one scan of the line.
class Campos {
 public:
  Campos(std::string_view linea, long numero) : linea_(linea), numero_(numero) {
    // Eight bytes at a time: a point line is read once, and most of it is its first fields.
    const char* p = linea.data();
    const char* const fin = p + linea.size();
    for (; std::endian::native == std::endian::little && fin - p >= 8 && n_ < kComasMaximas;
         p += 8) {
      std::uint64_t palabra;
      std::memcpy(&palabra, p, 8);
      for (std::uint64_t comas = BytesComa(palabra); comas != 0 && n_ < kComasMaximas;
           comas &= comas - 1) {
        comas_[n_++] = p + __builtin_ctzll(comas) / 8;
      }
    }
    for (; p != fin && n_ < kComasMaximas; ++p) {
      if (*p == ',') comas_[n_++] = p;
    }
  }

  // Field i (from 0), which must be followed by a comma: FaltaUnCampo when it is not.
  std::string_view operator[](int i) const {
    if (i >= n_) throw Error(TipoDeError::FaltaUnCampo, "a un campo no le sigue una coma", numero_);
    const char* inicio = i == 0 ? linea_.data() : comas_[i - 1] + 1;
    return std::string_view(inicio, static_cast<std::size_t>(comas_[i] - inicio));
  }

  // Everything after the first comma up to a second one or the end of the line.
  std::string_view SegundoOResto() const {
    const char* inicio = comas_[0] + 1;
    const char* fin = n_ > 1 ? comas_[1] : linea_.data() + linea_.size();
    return std::string_view(inicio, static_cast<std::size_t>(fin - inicio));
  }

 private:
  static constexpr int kComasMaximas = 8;

  // The high bit of every byte of `palabra` that is a comma; the lowest set bit is the first
  // comma in memory on a little-endian machine (others take the byte loop).
  static std::uint64_t BytesComa(std::uint64_t palabra) {
    constexpr std::uint64_t kUnos = 0x0101010101010101, kBajos = 0x7F7F7F7F7F7F7F7F;
    const std::uint64_t v = palabra ^ (kUnos * ',');
    return ~(((v & kBajos) + kBajos) | v | kBajos);
  }

  std::string_view linea_;
  long numero_;
  const char* comas_[kComasMaximas];
  int n_ = 0;
};

// A field of line `linea` with its decimals (see LeeDecimal), its errors tagged with the line.
inline double CampoDecimal(std::string_view campo, long linea) {
  return Error::EnLinea(linea, [campo] { return LeeDecimal(campo); });
}

// The longest "X,Y" line of the text layouts: a prefix, two values of up to 21 characters, a
// comma, CR LF.
inline constexpr std::size_t kLineaXYMaxima = 10 + 2 * 21 + 1 + 2;

// Appends `prefijo`, "X,Y" and CR LF.
inline void AnadeLineaXY(std::string& salida, ValorFijo x, ValorFijo y, std::string_view prefijo) {
  salida += prefijo;
  x.AnadeTexto(salida);
  salida += ',';
  y.AnadeTexto(salida);
  salida += "\r\n";
}

// The same for each point of the track.
inline void AnadeLineasXY(std::string& salida, const Track& track, std::string_view prefijo) {
  for (const Punto& p : track.puntos) AnadeLineaXY(salida, p.x, p.y, prefijo);
}

}  // namespace ruvek
