// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/recorrido.h"

namespace ruvek {

// KMZ, the zipped KML that Google Earth and Google Maps save: a zip archive whose first entry
// named ".kml" is the document.

// Whether `bytes` are a zip archive: they begin as one (a file's entry, an empty archive, or a
// part of a split one).
bool EsZip(std::string_view bytes);

// The KML of a KMZ: the first entry of the archive's central directory whose name ends in ".kml"
// (in any case), at its root or in a folder, leaving out what is under "__MACOSX/", stored or
// deflated; its path in the archive and its bytes. Its size is bounded as every input's is (64
// MiB), by what the archive says and again while it is inflated. Nothing of it is ever written to
// disk. Error, saying why: not a zip archive, a split, truncated or corrupt one, no ".kml" entry,
// an encrypted one, one compressed otherwise, one beyond the bound, one that inflates to another
// size than it states, or whose CRC does not match.
struct EntradaDelArchivo {
  std::string nombre;
  std::string bytes;
};
EntradaDelArchivo KmlDelArchivo(std::string_view bytes);

// What a KMZ holds, as its KML's reader gives it (see LeeKml); its errors, and its points' lines,
// are those of the entry, whose path the error and the recorrido name. Bytes that are no archive
// but a KML are read as the KML they are.
Recorrido LeeKmz(std::string_view bytes);

// A KMZ of a recorrido in degrees: a zip archive of one deflated entry, "doc.kml", holding what
// EscribeKml writes; its time fixed (1980-01-01) and no extra fields, so the same bytes every run.
std::string EscribeKmz(const Recorrido& r);

}  // namespace ruvek
