// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/valor_fijo.h"

namespace ruvek {

// The white space of XML and JSON around a number or a text: space, tab, CR and LF.
constexpr bool EsBlancoDeDocumento(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// `texto` without that white space at either end.
inline std::string_view SinBlancosAlrededor(std::string_view texto) {
  while (!texto.empty() && EsBlancoDeDocumento(texto.front())) texto.remove_prefix(1);
  while (!texto.empty() && EsBlancoDeDocumento(texto.back())) texto.remove_suffix(1);
  return texto;
}

// Rounds one numeric field of an input file to a whole ValorFijo. The field is split at its
// first "."; the text before it is read as a number ("0" when empty) and a first decimal digit
// of 5 to 9 moves the result one unit away from zero, so positive and negative fields round
// to the nearest whole number, halves away from zero. Later digits and any other text after
// the "." are never looked at. Raises Conversion for text that is not a number and FueraDeRango
// for a value out of range.
ValorFijo LeeRedondeado(std::string_view campo);

// The same field's value with its decimals: the integer text and the digits after the first "."
// up to the first that is not one (what LeeRedondeado never looks at, as "12.5.9", is left out),
// as the nearest double, but never one that rounds otherwise than LeeRedondeado: rounded half away
// from zero (ValorFijo::Redondeado), it gives LeeRedondeado's value. The same errors.
double LeeDecimal(std::string_view campo);

// A plain decimal ("-612345.67", "7": an optional "-", digits, and an optional "." with digits
// after it, nothing else) of at most 15 digits, fewer than 15 of them before the ".": the digits
// as a whole number, which a double holds exactly, over an exact power of ten, whose one rounding
// gives the nearest double, as from_chars would; nothing for any other text.
std::optional<double> DecimalCorto(std::string_view campo);

// A number as XML writes one (GPX's latitudes, longitudes and altitudes): XML blanks around, an
// optional sign, digits with an optional ".", and an optional exponent ("e" or "E", an optional
// sign, digits). Returns it as plain decimal text, without blanks, "+" or exponent, and with a
// digit before any "." ("1.5e2" is "150", "-.5" is "-0.5", "-9.0E-4" is "-0.00090"); nothing
// for any other text (NaN, infinities, hexadecimal, an exponent beyond 400).
std::optional<std::string> DecimalSinExponente(std::string_view texto);

// The same number when it is already plain ("-12.5", "0.25", "7", blanks around): the text
// without its blanks, which DecimalSinExponente would return; nothing for any other, which needs
// it.
std::optional<std::string_view> DecimalLlano(std::string_view texto);

}  // namespace ruvek
