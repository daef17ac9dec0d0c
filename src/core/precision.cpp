// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/precision.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace ruvek {

namespace {

using SinSignoAncho = unsigned __int128;

// The text form of a magnitude of ten-thousandths, with the sign already decided. Every
// ValorFijo fits in 64 bits, so only the wide sums of the analysis take the slow path.
template <typename U>
void AnadeMagnitud(std::string& salida, bool negativo, U magnitud) {
  U entera = magnitud / static_cast<U>(kDiezmilesimasPorUnidad);
  auto fraccion = static_cast<std::uint32_t>(magnitud % static_cast<U>(kDiezmilesimasPorUnidad));

  char texto[48];
  char* const fin = texto + sizeof texto;
  char* p = fin;
  if (fraccion != 0) {
    int cifras = kDecimales;
    while (fraccion % 10 == 0) {
      fraccion /= 10;
      --cifras;
    }
    for (; cifras > 0; --cifras) {
      *--p = static_cast<char>('0' + fraccion % 10);
      fraccion /= 10;
    }
    *--p = kSeparadorDecimal;
  }
  do {
    *--p = static_cast<char>('0' + static_cast<int>(entera % 10));
    entera /= 10;
  } while (entera != 0);
  if (negativo) *--p = '-';
  salida.append(p, static_cast<std::size_t>(fin - p));
}

// `v` with `decimales` fixed decimals, "." as separator and no sign on a zero.
std::string_view Fijo(char (&texto)[48], double v, int decimales) {
  const char* fin =
      std::to_chars(texto, texto + sizeof texto, v, std::chars_format::fixed, decimales).ptr;
  std::string_view n(texto, std::size_t(fin - texto));
  if (n.starts_with('-') && n.find_first_not_of("-0.") == std::string_view::npos)
    n.remove_prefix(1);
  return n;
}

}  // namespace

void AnadeTextoFijo(std::string& salida, std::int64_t diezmilesimas) {
  const bool negativo = diezmilesimas < 0;
  const auto bits = static_cast<std::uint64_t>(diezmilesimas);
  AnadeMagnitud(salida, negativo, negativo ? std::uint64_t(0) - bits : bits);
}

void AnadeTextoFijo(std::string& salida, FijoAncho diezmilesimas) {
  const bool negativo = diezmilesimas < 0;
  const auto bits = static_cast<SinSignoAncho>(diezmilesimas);
  const SinSignoAncho magnitud = negativo ? SinSignoAncho(0) - bits : bits;
  if (magnitud <= UINT64_MAX) {
    AnadeMagnitud(salida, negativo, static_cast<std::uint64_t>(magnitud));
  } else {
    AnadeMagnitud(salida, negativo, magnitud);
  }
}

std::string TextoFijo(FijoAncho diezmilesimas) {
  std::string texto;
  AnadeTextoFijo(texto, diezmilesimas);
  return texto;
}

void AnadeDecimales(std::string& salida, double v, int decimales) {
  char texto[48];
  salida += Fijo(texto, v, decimales);
}

std::string Decimales(double v, int decimales) {
  std::string texto;
  AnadeDecimales(texto, v, decimales);
  return texto;
}

void AnadeDecimalesCortos(std::string& salida, double v, int decimales) {
  char texto[48];
  std::string_view n = Fijo(texto, v, decimales);
  if (n.find(kSeparadorDecimal) != n.npos) n = n.substr(0, n.find_last_not_of('0') + 1);
  if (n.ends_with(kSeparadorDecimal)) n.remove_suffix(1);
  salida += n;
}

namespace {

// `cifras` over 10^`decimales`, as text ("-" when `negativo`).
void AnadeCifras(std::string& salida, bool negativo, std::uint64_t cifras, int decimales) {
  char texto[32];
  char* q = texto + sizeof texto;
  for (int i = 0; i < decimales; ++i, cifras /= 10) *--q = char('0' + cifras % 10);
  if (decimales > 0) *--q = kSeparadorDecimal;
  do {
    *--q = char('0' + cifras % 10);
    cifras /= 10;
  } while (cifras != 0);
  if (negativo) *--q = '-';
  salida.append(q, std::size_t(texto + sizeof texto - q));
}

}  // namespace

void AnadeNumeroLeido(std::string& salida, double v) {
  // A track's numbers have few decimals: the fewest, up to nine, whose whole number of
  // millionths (or so) over its power of ten is `v` again, as a reader takes that text (a whole
  // number below 2^53 over an exact power of ten is divided with one rounding, as text is read).
  constexpr double kPotencias[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
  constexpr double kExactos = 9007199254740992.0;  // 2^53
  const double a = std::abs(v);
  // Below 10^5 (degrees, altitudes), v * 10^9 is within 0.03 of a whole number when v has such
  // a text, so the billionths rounded, without their final zeros, are the fewest decimals, or
  // there is none.
  if (a < 1e5) {
    auto cifras = static_cast<std::uint64_t>(std::round(a * 1e9));
    int p = 9;
    for (; p > 0 && cifras % 10 == 0; --p) cifras /= 10;
    if (double(cifras) / kPotencias[p] == a) return AnadeCifras(salida, std::signbit(v), cifras, p);
  }
  for (int p = 0; a < 1e9 && p <= 9; ++p) {
    const double m = std::round(a * kPotencias[p]);
    if (m >= kExactos) break;
    if (m / kPotencias[p] != a) continue;
    return AnadeCifras(salida, std::signbit(v), static_cast<std::uint64_t>(m), p);
  }
  char texto[400];  // the longest fixed form of a double, 1e308 or 2e-308, has some 330 characters
  salida.append(texto, std::to_chars(texto, texto + sizeof texto, v, std::chars_format::fixed).ptr);
}

std::string ConComa(std::string numero) {
  std::replace(numero.begin(), numero.end(), kSeparadorDecimal, ',');
  return numero;
}

}  // namespace ruvek
