// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "core/recorrido.h"
#include "geo/proyeccion.h"

namespace ruvek {

class GdalCargado;

// A recorrido's positions changed to ETRS89 metres beforehand, for the models in ETRS89 (see
// Terreno::AEtrs89).
struct MetrosEtrs89 {
  std::vector<double> x, y;
  std::size_t bien = 0;  // the points changed; PROJ could not change the next one
};

// Digital terrain models (the IGN's MDT05, MDT25, MDT200...): rasters GDAL reads, in ETRS89 or
// ED50 / UTM zone 30N or in WGS 84 degrees, which give each point of a track the terrain's
// altitude. GDAL is loaded at the first model.
class Terreno {
 public:
  Terreno();
  ~Terreno();
  Terreno(const Terreno&) = delete;
  Terreno& operator=(const Terreno&) = delete;

  // Opens the raster `archivo` as the next model. Error, saying why in Spanish, when it cannot be
  // read, has no cells, is rotated, or its coordinate system is none or another one.
  void Anade(const std::string& archivo);
  bool vacio() const { return modelos_.empty(); }

  // The points of `r`'s tracks, in its system, get the altitude of the first model that covers
  // each with data in every cell its value needs: bilinear between the four cell centres around it
  // (within half a cell of a raster's edge, the edge cells stand for those beyond), rounded to
  // whole metres, halves away from zero; so do its waypoints that a model covers (the others keep
  // theirs). Returns the index of the first point that gets none, `r` left as it was, with why in
  // `por_que`; or the number of points. Error when a model cannot be read.
  // `etrs89`, when given, holds the positions in ETRS89 metres, as AEtrs89 gives them.
  std::size_t PonAltitudes(Recorrido& r, Proyeccion& proyeccion, std::string& por_que,
                           const MetrosEtrs89* etrs89 = nullptr);

  // The positions of `r` changed to ETRS89 metres as PonAltitudes changes them for a model in
  // ETRS89 (the IGN's are): done on another thread while the models open, it spares PonAltitudes
  // that work.
  static MetrosEtrs89 AEtrs89(const Recorrido& r, Proyeccion& proyeccion);

 private:
  struct Modelo;
  std::unique_ptr<GdalCargado> gdal_;
  std::vector<std::unique_ptr<Modelo>> modelos_;
};

}  // namespace ruvek
