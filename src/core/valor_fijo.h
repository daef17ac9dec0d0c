// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/precision.h"

namespace ruvek {

// A fixed-point decimal number: a signed 64-bit count of ten-thousandths, so four decimal
// places exactly. Range -922337203685477.5808 to 922337203685477.5807. Arithmetic is exact and
// raises ErrorKind::Overflow instead of wrapping.
class ValorFijo {
 public:
  constexpr ValorFijo() = default;

  static constexpr ValorFijo FromRaw(std::int64_t ten_thousandths) {
    ValorFijo v;
    v.raw_ = ten_thousandths;
    return v;
  }
  // A whole number of units; Overflow when out of range.
  static ValorFijo Whole(std::int64_t units) {
    std::int64_t raw;
    if (__builtin_mul_overflow(units, kScale, &raw)) ThrowOverflow();
    return FromRaw(raw);
  }

  // Reads text: blanks around, an optional sign, digits, and optionally "." followed by
  // fraction digits. More than four fraction digits round half away from zero at the fourth.
  // Anything else raises Conversion; a number out of range raises Overflow.
  static ValorFijo Parse(std::string_view text);

  constexpr std::int64_t raw() const { return raw_; }
  // The value as a double, for geometry (metres): exact to well below its precision.
  constexpr double ToDouble() const { return double(raw_) / kScale; }

  // The text form: see AppendFixedText.
  std::string Text() const;
  void AppendText(std::string& out) const { AppendFixedText(out, raw_); }

  friend ValorFijo operator+(ValorFijo a, ValorFijo b) {
    std::int64_t raw;
    if (__builtin_add_overflow(a.raw_, b.raw_, &raw)) ThrowOverflow();
    return FromRaw(raw);
  }
  friend ValorFijo operator-(ValorFijo a, ValorFijo b) {
    std::int64_t raw;
    if (__builtin_sub_overflow(a.raw_, b.raw_, &raw)) ThrowOverflow();
    return FromRaw(raw);
  }
  friend constexpr auto operator<=>(ValorFijo, ValorFijo) = default;

 private:
  [[noreturn]] static void ThrowOverflow();

  std::int64_t raw_ = 0;
};

// Blanks that the reading of text ignores around a number.
constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }
inline bool AllBlank(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsBlank);
}

}  // namespace ruvek
