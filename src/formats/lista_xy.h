// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/recorrido.h"
#include "core/track.h"

namespace ruvek {

// The bare X,Y list of the Sitna web map: one "X,Y" line per point, without altitudes. It has two
// dialects: the file, whose numbers are rounded to whole metres, and the clipboard, whose numbers
// are exact.

// The file: every line is a point "X,Y" (anything from a second comma on is ignored), each number
// with its decimals (see LeeDecimal: rounded to a whole one, it is what LeeRedondeado reads), in
// metres of zone 30 whose datum the file does not say (ED50 until told), each with its line.
// LecturaIncompleta, with its line and the windows' table of what was read (see LeeTrackMaker), at
// the first line without a comma or with a field that is not a number, or at a point beyond
// kMaximoDePuntos; Error(ArchivoVacio) for an empty input.
Recorrido LeeListaXY(std::string_view bytes);

// One "X,Y" line per point, whatever its values, each ending in CR LF; empty without points. From
// a recorrido in metres, its tracks' points rounded as TablaDe rounds them, without the table.
std::string EscribeListaXY(const Recorrido& metros);
std::string EscribeListaXY(const Track& track);

// The most characters of clipboard text the Paste window takes: some fifteen times what a track
// of 10,000 points with fractions needs.
inline constexpr std::size_t kLargoMaximoDePegado = std::size_t{4} << 20;

// Pasted text (CR LF, LF or CR between lines): blank lines are skipped and the lines after the
// last one holding a comma ignored; every other line is a point whose X is the text before its
// first comma and whose Y the text up to a second comma, both read exactly. LecturaIncompleta,
// with its line, at the first of them without a comma or with a field that is not a number, at a
// point beyond kMaximoDePuntos, and at a line longer than kLargoMaximoDeLinea (DemasiadoLargo).
Track LeeListaXYPegada(std::string_view texto);

// The clipboard text: "X,Y" lines of the points before the first that ends the track (see
// AcabaElTrack), joined by CR LF, with none at the start or the end.
std::string EscribeListaXYPegada(const Track& track);

}  // namespace ruvek
