// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/precision.h"

namespace ruvek {

namespace {

using UWide = unsigned __int128;

// The text form of a magnitude of ten-thousandths, with the sign already decided. Every
// ValorFijo fits in 64 bits, so only the wide sums of the analysis take the slow path.
template <typename U>
void AppendMagnitude(std::string& out, bool negative, U magnitude) {
  U whole = magnitude / static_cast<U>(kScale);
  auto fraction = static_cast<std::uint32_t>(magnitude % static_cast<U>(kScale));

  char buf[48];
  char* end = buf + sizeof buf;
  char* p = end;
  if (fraction != 0) {
    int digits = kFractionDigits;
    while (fraction % 10 == 0) {
      fraction /= 10;
      --digits;
    }
    for (; digits > 0; --digits) {
      *--p = static_cast<char>('0' + fraction % 10);
      fraction /= 10;
    }
    *--p = kDecimalSeparator;
  }
  do {
    *--p = static_cast<char>('0' + static_cast<int>(whole % 10));
    whole /= 10;
  } while (whole != 0);
  if (negative) *--p = '-';
  out.append(p, static_cast<std::size_t>(end - p));
}

}  // namespace

void AppendFixedText(std::string& out, std::int64_t raw) {
  const bool negative = raw < 0;
  const std::uint64_t magnitude = negative ? std::uint64_t(0) - static_cast<std::uint64_t>(raw)
                                           : static_cast<std::uint64_t>(raw);
  AppendMagnitude(out, negative, magnitude);
}

void AppendFixedText(std::string& out, WideFixed raw) {
  const bool negative = raw < 0;
  const UWide magnitude = negative ? UWide(0) - static_cast<UWide>(raw) : static_cast<UWide>(raw);
  if (magnitude <= UINT64_MAX) {
    AppendMagnitude(out, negative, static_cast<std::uint64_t>(magnitude));
  } else {
    AppendMagnitude(out, negative, magnitude);
  }
}

std::string FixedText(WideFixed raw) {
  std::string text;
  AppendFixedText(text, raw);
  return text;
}

}  // namespace ruvek
