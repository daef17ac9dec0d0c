// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numeros.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "core/cifras.h"
#include "core/errores.h"

namespace ruvek {

// One pass over the field, by the rules of reading a number: the integer text before the first
// "." (blanks around, an optional sign, digits) must be a number, except that an empty
// integer text reads as 0; only the first character after the "." is looked at.
ValorFijo LeeRedondeado(std::string_view campo) {
  const char* p = campo.data();
  const char* const fin = p + campo.size();
  cifras::ParteEntera entero;
  if (p != fin && *p == '.') {
    entero.con_cifras = true;  // "." first: the integer text is empty and reads as 0
  } else {
    p = cifras::SaltaBlancos(p, fin);
    entero = cifras::LeeParteEntera(p, fin);
    p = cifras::SaltaBlancos(p, fin);
  }
  if (!entero.con_cifras || (p != fin && *p != '.')) {
    throw Error(TipoDeError::Conversion, Cita(campo) + " no es un número");
  }
  // A first decimal digit of 5 to 9 moves the value one unit away from zero, so "-0.7" rounds
  // to -1 although its integer part is 0.
  const bool redondea = p != fin && p + 1 != fin && p[1] >= '5' && p[1] <= '9';
  return cifras::Compone(entero, redondea ? kDiezmilesimasPorUnidad : 0);
}

namespace {

// The exact powers of ten a double holds.
constexpr double kPotencias[] = {1,    1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

}  // namespace

std::optional<double> DecimalCorto(std::string_view campo) {
  const char* p = campo.data();
  const char* const fin = p + campo.size();
  const bool negativo = p != fin && *p == '-';
  if (negativo) ++p;
  // The digits as one whole number (wrapping past 15 digits, which are then refused).
  std::uint64_t cifras = 0;
  const auto Cifras = [&p, fin, &cifras] {
    const char* const desde = p;
    for (unsigned c; p != fin && (c = unsigned(*p) - unsigned{'0'}) <= 9; ++p)
      cifras = cifras * 10 + c;
    return p - desde;
  };
  const std::ptrdiff_t enteras = Cifras();
  // A whole part of 15 digits may be beyond the range once rounded: LeeRedondeado tells.
  if (enteras == 0 || enteras >= 15) return std::nullopt;
  std::ptrdiff_t decimales = 0;
  if (p != fin) {
    if (*p++ != '.') return std::nullopt;
    decimales = Cifras();
    if (p != fin || decimales == 0 || enteras + decimales > 15) return std::nullopt;
  }
  const double v = double(cifras) / kPotencias[decimales];
  return negativo ? -v : v;
}

double LeeDecimal(std::string_view campo) {
  if (const std::optional<double> v = DecimalCorto(campo)) return *v;
  const ValorFijo redondeado = LeeRedondeado(campo);
  const std::size_t punto = campo.find('.');
  if (punto == campo.npos) return redondeado.EnDouble();  // most fields of a file of whole metres
  // The sign and the digits before the point, then the digits after it.
  std::string texto;
  for (const char c : campo.substr(0, punto)) {
    if (c == '-' || (c >= '0' && c <= '9')) texto += c;
  }
  texto += texto.empty() || texto == "-" ? "0." : ".";
  for (const char c : campo.substr(punto + 1)) {
    if (c < '0' || c > '9') break;
    texto += c;
  }
  double v = 0;
  std::from_chars(texto.data(), texto.data() + texto.size(), v);
  // A fraction of more digits than a double holds may come to round up where its first decimal
  // digit says down ("0.49999999999999999999" is 0.5): the double just below is taken.
  if (std::llround(v) != redondeado.diezmilesimas() / kDiezmilesimasPorUnidad) {
    v = std::nextafter(v, 0.0);
  }
  return v;
}

std::optional<std::string_view> DecimalLlano(std::string_view t) {
  t = SinBlancosAlrededor(t);
  std::size_t i = t.starts_with('-') ? 1 : 0;
  const auto cifras = [&t, &i] {
    const std::size_t desde = i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
    return i - desde;
  };
  const std::size_t entera = cifras();
  if (entera == 0 || (entera > 1 && t[i - entera] == '0')) return std::nullopt;
  if (i < t.size() && t[i] == '.') {
    ++i;
    if (cifras() == 0) return std::nullopt;
  }
  if (i != t.size()) return std::nullopt;
  return t;
}

std::optional<std::string> DecimalSinExponente(std::string_view t) {
  if (const auto llano = DecimalLlano(t)) return std::string(*llano);  // most numbers of a GPX
  t = SinBlancosAlrededor(t);
  const auto cifras = [&t] {
    std::size_t n = 0;
    while (n < t.size() && t[n] >= '0' && t[n] <= '9') ++n;
    const std::string_view c = t.substr(0, n);
    t.remove_prefix(n);
    return c;
  };
  const bool negativo = t.starts_with('-');
  if (negativo || t.starts_with('+')) t.remove_prefix(1);
  const std::string_view entera = cifras();
  std::string_view fraccion;
  if (t.starts_with('.')) {
    t.remove_prefix(1);
    fraccion = cifras();
  }
  if (entera.empty() && fraccion.empty()) return std::nullopt;
  long exponente = 0;
  if (t.starts_with('e') || t.starts_with('E')) {
    t.remove_prefix(1);
    const bool menos = t.starts_with('-');
    if (menos || t.starts_with('+')) t.remove_prefix(1);
    const std::string_view e = cifras();
    if (e.empty()) return std::nullopt;
    for (char c : e) exponente = std::min(exponente * 10 + (c - '0'), 100000L);
    if (menos) exponente = -exponente;
  }
  if (!t.empty() || exponente > 400) return std::nullopt;
  std::string r = negativo ? "-" : "";
  // The digits with the point moved by the exponent, without leading zeros before it.
  std::string todas(entera);
  todas.append(fraccion);
  const long punto = long(entera.size()) + exponente;  // digits before the point
  if (punto > long(todas.size())) todas.append(std::size_t(punto) - todas.size(), '0');
  const std::size_t corte = std::size_t(std::max(punto, 0L));
  std::string_view antes = std::string_view(todas).substr(0, corte);
  const std::string_view despues = std::string_view(todas).substr(corte);
  antes.remove_prefix(std::min(antes.find_first_not_of('0'), antes.size()));
  r.append(antes.empty() ? "0" : antes);
  if (!despues.empty())
    r.append(".").append(std::size_t(std::max(-punto, 0L)), '0').append(despues);
  return r;
}

}  // namespace ruvek
