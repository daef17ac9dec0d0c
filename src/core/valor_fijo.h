// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cmath>
#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/precision.h"

namespace ruvek {

// A fixed-point decimal number: a signed 64-bit count of ten-thousandths, so four decimal
// places exactly. Range -922337203685477.5808 to 922337203685477.5807. Arithmetic is exact and
// raises TipoDeError::FueraDeRango instead of wrapping.
class ValorFijo {
 public:
  constexpr ValorFijo() = default;

  static constexpr ValorFijo DeDiezmilesimas(std::int64_t diezmilesimas) {
    ValorFijo v;
    v.diezmilesimas_ = diezmilesimas;
    return v;
  }
  // A whole number of units; FueraDeRango when out of range.
  static ValorFijo Entero(std::int64_t units) {
    std::int64_t raw;
    if (__builtin_mul_overflow(units, kDiezmilesimasPorUnidad, &raw)) LanzaFueraDeRango();
    return DeDiezmilesimas(raw);
  }
  // `v` rounded to a whole number, halves away from zero, as every metre and altitude of the
  // windows' table and of X,Y lists and TrackMaker text is; FueraDeRango when out of range.
  static ValorFijo Redondeado(double v) {
    // Below 2^52, v less its whole part toward zero is exact; beyond, v is out of range anyway.
    if (!(std::abs(v) < 0x1p52)) LanzaFueraDeRango();
    auto entero = static_cast<std::int64_t>(v);
    const double fraccion = v - static_cast<double>(entero);
    entero += int(fraccion >= 0.5) - int(fraccion <= -0.5);
    return Entero(entero);
  }

  // Reads text: blanks around, an optional sign, digits, and optionally "." followed by
  // fraction digits. More than four fraction digits round half away from zero at the fourth.
  // Anything else raises Conversion; a number out of range raises FueraDeRango.
  static ValorFijo DeTexto(std::string_view text);

  constexpr std::int64_t diezmilesimas() const { return diezmilesimas_; }
  // The value as a double, for geometry (metres): exact to well below its precision.
  constexpr double EnDouble() const { return double(diezmilesimas_) / kDiezmilesimasPorUnidad; }

  // The text form: see AnadeTextoFijo.
  std::string Texto() const;
  void AnadeTexto(std::string& salida) const { AnadeTextoFijo(salida, diezmilesimas_); }

  friend ValorFijo operator+(ValorFijo a, ValorFijo b) {
    std::int64_t raw;
    if (__builtin_add_overflow(a.diezmilesimas_, b.diezmilesimas_, &raw)) LanzaFueraDeRango();
    return DeDiezmilesimas(raw);
  }
  friend ValorFijo operator-(ValorFijo a, ValorFijo b) {
    std::int64_t raw;
    if (__builtin_sub_overflow(a.diezmilesimas_, b.diezmilesimas_, &raw)) LanzaFueraDeRango();
    return DeDiezmilesimas(raw);
  }
  friend constexpr auto operator<=>(ValorFijo, ValorFijo) = default;

 private:
  [[noreturn]] static void LanzaFueraDeRango();

  std::int64_t diezmilesimas_ = 0;
};

// Blanks that the reading of text ignores around a number.
constexpr bool EsBlanco(char c) { return c == ' ' || c == '\t'; }
inline bool TodoBlanco(std::string_view text) {
  return std::all_of(text.begin(), text.end(), EsBlanco);
}

}  // namespace ruvek
