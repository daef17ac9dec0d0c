// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iterator>

#include "geo/api_gdal.h"

namespace ruvek {

// The systems a terrain model may be in, by their EPSG codes, the most common first: ETRS89 and
// ED50 in UTM zones 29 to 31, REGCAN95 (zone 28), WGS 84 in zones 28 to 31, and the degrees of
// WGS 84 and ETRS89.
inline constexpr int kSistemasDelTerreno[] = {25830, 23030, 4326,  25829, 25831, 23029, 23031,
                                              4083,  4258,  32628, 32629, 32630, 32631};

// GDAL loaded and set to read terrain models: quiet (Ruvek says what goes wrong), with a small
// cache, reading only the cells asked for.
class GdalCargado {
 public:
  GdalCargado();
  ~GdalCargado();
  GdalCargado(const GdalCargado&) = delete;
  GdalCargado& operator=(const GdalCargado&) = delete;

  // Which of kSistemasDelTerreno the system `srs` is, or 0: the code GDAL gives it (GDAL names
  // one only for a system that is the code's), else compared as GDAL compares systems, then, for
  // one that names no code (an ASCII grid's .prj), by the matches GDAL finds for it.
  int Sistema(OGRSpatialReferenceH srs);

  const ApiGdal api;

 private:
  // Made when first compared: each asks PROJ's database.
  OGRSpatialReferenceH sistemas_[std::size(kSistemasDelTerreno)] = {};
};

}  // namespace ruvek
