// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/module1.h"

namespace ruvek {

// The bytes of the Sitna X,Y file: one "X,Y" line per row 1 to NumPuntos, whatever its values,
// each ending in CR LF; empty when there are no points.
std::string TextoSitna(const Module1& m);

// The bytes of the TrackMaker text file: the fixed five-line header, one "t,utm,30T,X,Y" line
// per row 1 to NumPuntos, a single-space line and "n,ACTIVE LOG,65280,1", every line ending in
// CR LF. Altitudes are not written.
std::string TextoTrackMaker(const Module1& m);

}  // namespace ruvek
