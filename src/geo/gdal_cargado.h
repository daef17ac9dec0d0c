// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geo/api_gdal.h"

namespace ruvek {

// The systems a terrain model may be in, by their EPSG codes: ETRS89 / UTM 30N, ED50 / UTM 30N
// and WGS 84 degrees.
inline constexpr int kSistemasDelTerreno[] = {25830, 23030, 4326};

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
  OGRSpatialReferenceH sistemas_[3] = {};  // made when first compared: each asks PROJ's database
};

}  // namespace ruvek
