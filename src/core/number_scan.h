// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pieces of reading a number from text, shared by ValorFijo::Parse and LeeRedondeado so
// both read in one pass and by the same rules.

#include <cstdint>

#include "core/valor_fijo.h"

namespace ruvek::detail {

struct WholePart {
  bool negative = false;
  bool has_digits = false;
  int significant_digits = 0;  // without leading zeros
  std::uint64_t units = 0;     // exact while significant_digits <= 19
};

inline const char* SkipBlanks(const char* p, const char* end) {
  while (p != end && IsBlank(*p)) ++p;
  return p;
}

// Reads an optional sign and decimal digits at `p`, moving `p` past them.
inline WholePart ScanWhole(const char*& p, const char* end) {
  WholePart w;
  if (p != end && (*p == '+' || *p == '-')) {
    w.negative = *p == '-';
    ++p;
  }
  const char* const digits = p;
  while (p != end && *p == '0') ++p;
  const char* const significant = p;
  for (; p != end; ++p) {
    const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
    if (digit > 9) break;
    w.units = w.units * 10 + digit;
  }
  w.has_digits = p != digits;
  w.significant_digits = static_cast<int>(p - significant);
  return w;
}

// The value of a whole part plus `ten_thousandths` (0 to 10,000) away from zero; Overflow when
// it leaves the range.
ValorFijo Compose(const WholePart& w, std::uint64_t ten_thousandths);

}  // namespace ruvek::detail
