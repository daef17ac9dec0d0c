// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ruvek {

// An instant, as a track's point or a waypoint gives it: seconds since 1970-01-01 00:00:00 UTC,
// the fraction of the second in nanoseconds, and how many digits the fraction was written with
// (0 to 9), so that it is written back as it was read.
struct Instante {
  std::int64_t segundos = 0;
  std::int32_t nanos = 0;
  std::int8_t cifras = 0;
  friend constexpr bool operator==(const Instante&, const Instante&) = default;
  // Seconds since the epoch, with the fraction: for differences of times.
  double EnSegundos() const { return double(segundos) + double(nanos) * 1e-9; }
};

// Reads an ISO 8601 date and time as GPX's <time>, KML's <when> and GeoJSON's times write it:
// "YYYY-MM-DDThh:mm:ss", an optional fraction ("." or "," and digits; beyond nine, the rest is
// dropped), then "Z", an offset ("+02:00", "-0530", "+02") or nothing (taken as UTC); XML blanks
// around. The offset is applied. Error(Conversion), quoting the text, for anything else: another
// form, a date that does not exist, an instant outside the years 0 to 9999 in UTC.
Instante LeeInstante(std::string_view texto);

// The instant of a number of milliseconds since the epoch (a JSON number, with decimals, an
// exponent or neither): its fraction written with three digits, more when the plain number has
// decimals.
// Error(Conversion) as LeeInstante's.
Instante InstanteDeMilisegundos(std::string_view numero);

// Appends "YYYY-MM-DDThh:mm:ss", the fraction with the digits it was read with, and "Z".
void AnadeInstante(std::string& salida, const Instante& t);
std::string TextoInstante(const Instante& t);

}  // namespace ruvek
