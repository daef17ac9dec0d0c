// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/gdal_cargado.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace ruvek {

namespace {

int CodigoDelTerreno(const char* autoridad, const char* codigo) {
  if (autoridad == nullptr || codigo == nullptr || std::string_view(autoridad) != "EPSG") return 0;
  const int c = std::atoi(codigo);
  return std::ranges::find(kSistemasDelTerreno, c) != std::end(kSistemasDelTerreno) ? c : 0;
}

}  // namespace

GdalCargado::GdalCargado() {
  api.CPLSetErrorHandler(api.CPLQuietErrorHandler);
  api.CPLSetConfigOption("GDAL_CACHEMAX", "16");  // megabytes of cells GDAL keeps
  api.CPLSetConfigOption("GDAL_DISABLE_READDIR_ON_OPEN", "EMPTY_DIR");
  api.CPLSetConfigOption("GTIFF_DIRECT_IO", "YES");  // an uncompressed GeoTIFF's cells, only
  api.GDALAllRegister();
}

GdalCargado::~GdalCargado() {
  for (OGRSpatialReferenceH s : sistemas_) {
    if (s != nullptr) api.OSRDestroySpatialReference(s);
  }
}

int GdalCargado::Sistema(OGRSpatialReferenceH srs) {
  if (const int c = CodigoDelTerreno(api.OSRGetAuthorityName(srs, nullptr),
                                     api.OSRGetAuthorityCode(srs, nullptr))) {
    return c;
  }
  const char* const como[] = {"IGNORE_DATA_AXIS_TO_SRS_AXIS_MAPPING=YES",
                              "CRITERION=EQUIVALENT_EXCEPT_AXIS_ORDER_GEOGCRS", nullptr};
  for (std::size_t i = 0; i < std::size(kSistemasDelTerreno); ++i) {
    if (sistemas_[i] == nullptr) {
      sistemas_[i] = api.OSRNewSpatialReference(nullptr);
      api.OSRImportFromEPSG(sistemas_[i], kSistemasDelTerreno[i]);
    }
    if (api.OSRIsSameEx(srs, sistemas_[i], como)) return kSistemasDelTerreno[i];
  }
  int n = 0, codigo = 0;
  int* confianzas = nullptr;
  OGRSpatialReferenceH* parecidos = api.OSRFindMatches(srs, nullptr, &n, &confianzas);
  for (int k = 0; k < n && codigo == 0; ++k) {
    if (confianzas[k] >= 70) {
      codigo = CodigoDelTerreno(api.OSRGetAuthorityName(parecidos[k], nullptr),
                                api.OSRGetAuthorityCode(parecidos[k], nullptr));
    }
  }
  if (parecidos != nullptr) api.OSRFreeSRSArray(parecidos);
  api.VSIFree(confianzas);
  return codigo;
}

}  // namespace ruvek
