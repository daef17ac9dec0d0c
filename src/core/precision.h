// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Precision rules of every coordinate and altitude: fixed point, four decimal places, held as
// a count of ten-thousandths. Numbers are read and written in one fixed convention, never the
// user's locale: "." is the decimal separator, no grouping of thousands, no exponent. The same
// convention writes the doubles of geometry (degrees, pixels); only texts for a reader's eyes
// take the decimal comma, through ConComa.

#include <cstdint>
#include <string>

namespace ruvek {

inline constexpr int kDecimales = 4;
inline constexpr std::int64_t kDiezmilesimasPorUnidad = 10000;
inline constexpr char kSeparadorDecimal = '.';
// Degrees computed from metres are written with this many decimals (about a centimetre); degrees
// read from a file are written as the number they were read as.
inline constexpr int kDecimalesGrados = 7;

// A count of ten-thousandths wide enough for any sum of 10,000 differences of values, so the
// altitude totals never wrap.
using FijoAncho = __int128;

// Appends the text form of `diezmilesimas`: "-" when negative, the integer digits without
// grouping ("0" when zero), then, only when the fraction is not zero, the separator and one to
// four fraction digits without trailing zeros.
void AnadeTextoFijo(std::string& salida, FijoAncho diezmilesimas);
void AnadeTextoFijo(std::string& salida, std::int64_t diezmilesimas);
std::string TextoFijo(FijoAncho diezmilesimas);

// Appends `v` with exactly `decimales` decimals ("-0.00" is written "0.00").
void AnadeDecimales(std::string& salida, double v, int decimales);
std::string Decimales(double v, int decimales);

// Appends `v` with at most `decimales` decimals, without trailing zeros nor a separator left
// alone ("12.5", "3"; "-0" is written "0").
void AnadeDecimalesCortos(std::string& salida, double v, int decimales);

// Appends `v` as the shortest decimal that reads back to the same double, never with an exponent
// ("-3.7", "612.25", "0"): a degree or an altitude written as the number it was read as.
void AnadeNumeroLeido(std::string& salida, double v);

// A number written in this convention as a Spanish reader writes it: "12,5".
std::string ConComa(std::string numero);

}  // namespace ruvek
