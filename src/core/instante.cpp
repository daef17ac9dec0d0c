// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/instante.h"

#include <charconv>
#include <chrono>

#include "core/errores.h"
#include "core/numeros.h"

namespace ruvek {

namespace {

namespace ch = std::chrono;

// The first and the last second of the years Ruvek writes (0 to 9999, four digits).
constexpr std::int64_t kPrimero = -62167219200, kUltimo = 253402300799;

[[noreturn]] void NoEsInstante(std::string_view texto) {
  throw Error(TipoDeError::Conversion,
              "la hora " + Cita(texto) + " no es una fecha y hora ISO 8601 (2024-05-01T10:00:00Z)");
}

// Reads `n` digits at the start of `t` into `valor`; false when they are not all there.
bool Cifras(std::string_view& t, int n, int& valor) {
  if (t.size() < std::size_t(n)) return false;
  valor = 0;
  for (int i = 0; i < n; ++i) {
    if (t[std::size_t(i)] < '0' || t[std::size_t(i)] > '9') return false;
    valor = valor * 10 + (t[std::size_t(i)] - '0');
  }
  t.remove_prefix(std::size_t(n));
  return true;
}

bool Toma(std::string_view& t, char c) {
  if (t.empty() || t.front() != c) return false;
  t.remove_prefix(1);
  return true;
}

}  // namespace

Instante LeeInstante(std::string_view texto) {
  std::string_view t = SinBlancosAlrededor(texto);
  int anio, mes, dia, hora, minuto, segundo;
  if (!Cifras(t, 4, anio) || !Toma(t, '-') || !Cifras(t, 2, mes) || !Toma(t, '-') ||
      !Cifras(t, 2, dia) || !(Toma(t, 'T') || Toma(t, 't')) || !Cifras(t, 2, hora) ||
      !Toma(t, ':') || !Cifras(t, 2, minuto) || !Toma(t, ':') || !Cifras(t, 2, segundo)) {
    NoEsInstante(texto);
  }
  Instante r;
  if (Toma(t, '.') || Toma(t, ',')) {
    const std::size_t n = std::min(t.find_first_not_of("0123456789"), t.size());
    if (n == 0) NoEsInstante(texto);
    for (std::size_t i = 0; i < 9; ++i) r.nanos = r.nanos * 10 + (i < n ? t[i] - '0' : 0);
    r.cifras = std::int8_t(std::min<std::size_t>(n, 9));
    t.remove_prefix(n);
  }
  int desfase = 0;  // minutes east of UTC
  if (!Toma(t, 'Z') && !Toma(t, 'z') && !t.empty()) {
    const int signo = Toma(t, '+') ? 1 : Toma(t, '-') ? -1 : 0;
    int h = 0, m = 0;
    if (signo == 0 || !Cifras(t, 2, h) || h > 23) NoEsInstante(texto);
    const bool dos_puntos = Toma(t, ':');
    if ((dos_puntos || !t.empty()) && (!Cifras(t, 2, m) || m > 59)) NoEsInstante(texto);
    desfase = signo * (h * 60 + m);
  }
  const ch::year_month_day fecha{ch::year(anio), ch::month(unsigned(mes)), ch::day(unsigned(dia))};
  if (!t.empty() || !fecha.ok() || hora > 23 || minuto > 59 || segundo > 60) NoEsInstante(texto);
  r.segundos = ch::sys_seconds(ch::sys_days(fecha)).time_since_epoch().count() + hora * 3600 +
               minuto * 60 + segundo - desfase * 60;
  if (r.segundos < kPrimero || r.segundos > kUltimo) NoEsInstante(texto);
  return r;
}

Instante InstanteDeMilisegundos(std::string_view numero) {
  std::string_view t = SinBlancosAlrededor(numero);
  const bool exponente = t.find_first_of("eE") != t.npos;  // "1.7e12", as JSON may write it
  const std::optional<std::string> llano = exponente ? DecimalSinExponente(t) : std::nullopt;
  if (llano) t = *llano;
  const bool negativo = Toma(t, '-');
  const std::size_t punto = std::min(t.find('.'), t.size());
  const std::string_view entero = t.substr(0, punto);
  const std::string_view decimales = punto < t.size() ? t.substr(punto + 1) : std::string_view();
  std::int64_t ms = 0;
  const auto [fin, ec] = std::from_chars(entero.data(), entero.data() + entero.size(), ms);
  if (entero.empty() || ec != std::errc() || fin != entero.data() + entero.size() ||
      (punto < t.size() && decimales.empty()) ||
      decimales.find_first_not_of("0123456789") != decimales.npos || ms > (kUltimo + 1) * 1000) {
    throw Error(TipoDeError::Conversion,
                "la hora " + Cita(numero) + " no es un número de milisegundos desde 1970");
  }
  // Nanoseconds: the milliseconds and six decimals of them.
  __int128 ns = __int128(ms) * 1000000;
  for (std::size_t i = 0, f = 100000; i < 6; ++i, f /= 10) {
    ns += i < decimales.size() ? (decimales[i] - '0') * __int128(f) : 0;
  }
  if (negativo) ns = -ns;
  Instante r;
  r.segundos = std::int64_t(ns / 1000000000 - (ns % 1000000000 < 0 ? 1 : 0));
  r.nanos = std::int32_t(ns - __int128(r.segundos) * 1000000000);
  r.cifras = std::int8_t(std::min<std::size_t>(3 + decimales.size(), 9));
  if (r.segundos < kPrimero || r.segundos > kUltimo) {
    throw Error(TipoDeError::Conversion,
                "la hora " + Cita(numero) + " no es un número de milisegundos desde 1970");
  }
  return r;
}

void AnadeInstante(std::string& salida, const Instante& t) {
  const ch::sys_seconds s{ch::seconds(t.segundos)};
  const ch::sys_days dias = ch::floor<ch::days>(s);
  const ch::year_month_day fecha{dias};
  const ch::hh_mm_ss<ch::seconds> hms{s - dias};
  char texto[40];
  const auto dos = [](char* p, long v) {
    p[0] = char('0' + v / 10);
    p[1] = char('0' + v % 10);
  };
  const int anio = int(fecha.year());
  for (int i = 3, a = anio; i >= 0; --i, a /= 10) texto[i] = char('0' + a % 10);
  texto[4] = '-';
  dos(texto + 5, long(unsigned(fecha.month())));
  texto[7] = '-';
  dos(texto + 8, long(unsigned(fecha.day())));
  texto[10] = 'T';
  dos(texto + 11, hms.hours().count());
  texto[13] = ':';
  dos(texto + 14, hms.minutes().count());
  texto[16] = ':';
  dos(texto + 17, long(hms.seconds().count()));
  std::size_t n = 19;
  if (t.cifras > 0) {
    texto[n++] = '.';
    std::int32_t f = t.nanos;
    char cifras[9];
    for (int i = 8; i >= 0; --i, f /= 10) cifras[i] = char('0' + f % 10);
    for (int i = 0; i < t.cifras; ++i) texto[n++] = cifras[i];
  }
  texto[n++] = 'Z';
  salida.append(texto, n);
}

std::string TextoInstante(const Instante& t) {
  std::string texto;
  AnadeInstante(texto, t);
  return texto;
}

}  // namespace ruvek
