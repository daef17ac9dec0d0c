#include "core/valor_fijo.h"

#include "core/errors.h"

namespace ruvek {

namespace {
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

[[noreturn]] void ThrowOverflow() { throw Error(ErrorKind::Overflow, "value out of range"); }
}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

ValorFijo ValorFijo::Whole(std::int64_t units) {
  std::int64_t raw;
  if (__builtin_mul_overflow(units, kScale, &raw)) ThrowOverflow();
  return FromRaw(raw);
}

ValorFijo ValorFijo::Parse(std::string_view text) {
  const std::string_view s = TrimBlanks(text);
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  const std::size_t whole_begin = i;
  while (i < s.size() && IsDigit(s[i])) ++i;
  const std::string_view whole = s.substr(whole_begin, i - whole_begin);
  std::string_view fraction;
  if (i < s.size() && s[i] == kDecimalSeparator) {
    const std::size_t fraction_begin = ++i;
    while (i < s.size() && IsDigit(s[i])) ++i;
    fraction = s.substr(fraction_begin, i - fraction_begin);
    if (fraction.empty()) throw Error(ErrorKind::Conversion, "no digits after the separator");
  }
  if (whole.empty() || i != s.size()) {
    throw Error(ErrorKind::Conversion, "not a number: \"" + std::string(s.substr(0, 40)) + "\"");
  }

  // Magnitude in ten-thousandths, computed wide so every in-range value and the limit checks
  // are exact. Leading zeros never count towards the size.
  using UWide = unsigned __int128;
  std::size_t first = 0;
  while (first + 1 < whole.size() && whole[first] == '0') ++first;
  if (whole.size() - first > 19) ThrowOverflow();
  UWide magnitude = 0;
  for (std::size_t k = first; k < whole.size(); ++k) magnitude = magnitude * 10 + (whole[k] - '0');
  for (int k = 0; k < kFractionDigits; ++k) {
    magnitude =
        magnitude * 10 + (static_cast<std::size_t>(k) < fraction.size() ? fraction[k] - '0' : 0);
  }
  if (fraction.size() > static_cast<std::size_t>(kFractionDigits) &&
      fraction[kFractionDigits] >= '5') {
    ++magnitude;  // half away from zero: the fifth digit alone decides
  }
  const UWide limit = negative ? UWide(1) << 63 : (UWide(1) << 63) - 1;
  if (magnitude > limit) ThrowOverflow();
  return FromRaw(negative ? static_cast<std::int64_t>(UWide(0) - magnitude)
                          : static_cast<std::int64_t>(magnitude));
}

std::string ValorFijo::Text() const { return FixedText(raw_); }

ValorFijo operator+(ValorFijo a, ValorFijo b) {
  std::int64_t raw;
  if (__builtin_add_overflow(a.raw_, b.raw_, &raw)) ThrowOverflow();
  return ValorFijo::FromRaw(raw);
}

ValorFijo operator-(ValorFijo a, ValorFijo b) {
  std::int64_t raw;
  if (__builtin_sub_overflow(a.raw_, b.raw_, &raw)) ThrowOverflow();
  return ValorFijo::FromRaw(raw);
}

}  // namespace ruvek
