#include "core/precision.h"

namespace ruvek {

namespace {
using UWide = unsigned __int128;

// Digits of `value`, most significant first, into `buf`; returns how many.
template <typename U>
int Digits(U value, char* buf) {
  char rev[40];
  int n = 0;
  do {
    rev[n++] = static_cast<char>('0' + static_cast<int>(value % 10));
    value /= 10;
  } while (value != 0);
  for (int i = 0; i < n; ++i) buf[i] = rev[n - 1 - i];
  return n;
}
}  // namespace

void AppendFixedText(std::string& out, WideFixed raw) {
  const bool negative = raw < 0;
  const UWide magnitude = negative ? UWide(0) - static_cast<UWide>(raw) : static_cast<UWide>(raw);
  UWide whole = magnitude / kScale;
  auto fraction = static_cast<std::uint32_t>(magnitude % kScale);

  char buf[48];
  int n = 0;
  if (negative) buf[n++] = '-';
  if (whole <= UINT64_MAX) {
    n += Digits(static_cast<std::uint64_t>(whole), buf + n);
  } else {
    n += Digits(whole, buf + n);
  }
  if (fraction != 0) {
    buf[n++] = kDecimalSeparator;
    int digits = kFractionDigits;
    while (fraction % 10 == 0) {
      fraction /= 10;
      --digits;
    }
    for (int i = digits - 1; i >= 0; --i) {
      buf[n + i] = static_cast<char>('0' + fraction % 10);
      fraction /= 10;
    }
    n += digits;
  }
  out.append(buf, static_cast<std::size_t>(n));
}

std::string FixedText(WideFixed raw) {
  std::string text;
  AppendFixedText(text, raw);
  return text;
}

}  // namespace ruvek
