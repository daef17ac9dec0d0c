// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/valor_fijo.h"

#include <algorithm>

#include "core/errors.h"
#include "core/number_scan.h"

namespace ruvek {

namespace {
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void ValorFijo::ThrowOverflow() { throw Error(ErrorKind::Overflow, "valor fuera de rango"); }

ValorFijo ValorFijo::Parse(std::string_view text) {
  const char* p = detail::SkipBlanks(text.data(), text.data() + text.size());
  const char* end = text.data() + text.size();
  while (end != p && IsBlank(end[-1])) --end;
  const char* const number = p;

  const detail::WholePart whole = detail::ScanWhole(p, end);
  std::uint64_t ten_thousandths = 0;
  if (p != end && *p == kDecimalSeparator) {
    const char* const fraction = ++p;
    bool round_up = false;  // half away from zero: the fifth fraction digit alone decides
    for (; p != end && IsDigit(*p); ++p) {
      const auto k = p - fraction;
      if (k < kFractionDigits) {
        ten_thousandths = ten_thousandths * 10 + static_cast<unsigned>(*p - '0');
      } else if (k == kFractionDigits) {
        round_up = *p >= '5';
      }
    }
    if (p == fraction) throw Error(ErrorKind::Conversion, "no hay cifras tras el punto decimal");
    for (auto k = p - fraction; k < kFractionDigits; ++k) ten_thousandths *= 10;
    ten_thousandths += round_up ? 1 : 0;
  }
  if (!whole.has_digits || p != end) {
    throw Error(ErrorKind::Conversion,
                Cita(std::string_view(number, std::size_t(end - number))) + " no es un número");
  }
  return detail::Compose(whole, ten_thousandths);
}

ValorFijo detail::Compose(const WholePart& w, std::uint64_t ten_thousandths) {
  std::uint64_t magnitude;
  if (w.significant_digits > 19 ||
      __builtin_mul_overflow(w.units, static_cast<std::uint64_t>(kScale), &magnitude) ||
      __builtin_add_overflow(magnitude, ten_thousandths, &magnitude)) {
    throw Error(ErrorKind::Overflow, "valor fuera de rango");
  }
  const std::uint64_t limit = w.negative ? std::uint64_t(1) << 63 : (std::uint64_t(1) << 63) - 1;
  if (magnitude > limit) throw Error(ErrorKind::Overflow, "valor fuera de rango");
  return ValorFijo::FromRaw(w.negative ? static_cast<std::int64_t>(std::uint64_t(0) - magnitude)
                                       : static_cast<std::int64_t>(magnitude));
}

std::string ValorFijo::Text() const { return FixedText(raw_); }

}  // namespace ruvek
