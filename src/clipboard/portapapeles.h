// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/module1.h"

namespace ruvek {

// The most characters of clipboard text the Paste window takes: some fifteen times what a track of
// 10,000 points with fractions needs.
inline constexpr std::size_t kMaxTextoPegado = std::size_t{4} << 20;

// The track as clipboard text: "X,Y" lines for rows 1 to NumPuntos, stopping before the first
// row whose X is less than 1, joined by CR LF with none at the start or the end.
std::string TextoPortapapeles(const Module1& m);

// Replaces the track with the X,Y records of pasted text, the counterpart of
// TextoPortapapeles: clears the table, sets NumPuntos to 0, then reads line by line (CR LF,
// LF or CR). Lines after the last line holding a comma are ignored and blank lines skipped;
// every other line is a record whose X is the text before its first comma and whose Y the
// text up to a second comma, both read exactly (no rounding to whole numbers), altitude 0.
//
// Raises the typed Error, with its line, at the first record without a comma or with a field
// that is not a number (the record counted, its fields before the failing one kept), and at a
// record beyond the 10,000th (not counted), and TooLong at a line longer than kMaxLinea, which
// is not read to its end. Points stored before a failure stay.
void LeeTextoPegado(std::string_view texto, Module1& m);

}  // namespace ruvek
