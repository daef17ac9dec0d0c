// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Precision rules of every coordinate and altitude: fixed point, four decimal places, held as
// a count of ten-thousandths. Numbers are read and written in one fixed convention, never the
// user's locale: "." is the decimal separator, no grouping of thousands, no exponent.

#include <cstdint>
#include <string>

namespace ruvek {

inline constexpr int kFractionDigits = 4;
inline constexpr std::int64_t kScale = 10000;  // ten-thousandths in one unit
inline constexpr char kDecimalSeparator = '.';

// A count of ten-thousandths wide enough for any sum of 10,000 differences of values, so the
// altitude totals never wrap.
using WideFixed = __int128;

// Appends the text form of `raw` ten-thousandths: "-" when negative, the integer digits
// without grouping ("0" when zero), then, only when the fraction is not zero, the separator
// and one to four fraction digits without trailing zeros.
void AppendFixedText(std::string& out, WideFixed raw);
void AppendFixedText(std::string& out, std::int64_t raw);
std::string FixedText(WideFixed raw);

}  // namespace ruvek
