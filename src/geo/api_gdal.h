// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cpl_conv.h>
#include <cpl_error.h>
#include <gdal.h>
#include <ogr_srs_api.h>

#include "geo/bibliotecas.h"

namespace ruvek {

// The functions of GDAL that Ruvek calls, by the names its headers give them.
struct ApiGdal {
  void* biblioteca = CargaGdal();
  RUVEK_FUNCION(GDALAllRegister, "GDAL");
  RUVEK_FUNCION(GDALOpenEx, "GDAL");
  RUVEK_FUNCION(GDALClose, "GDAL");
  RUVEK_FUNCION(GDALGetRasterXSize, "GDAL");
  RUVEK_FUNCION(GDALGetRasterYSize, "GDAL");
  RUVEK_FUNCION(GDALGetRasterCount, "GDAL");
  RUVEK_FUNCION(GDALGetGeoTransform, "GDAL");
  RUVEK_FUNCION(GDALGetSpatialRef, "GDAL");
  RUVEK_FUNCION(GDALGetRasterBand, "GDAL");
  RUVEK_FUNCION(GDALGetDatasetDriver, "GDAL");
  RUVEK_FUNCION(GDALGetDriverShortName, "GDAL");
  RUVEK_FUNCION(GDALGetRasterNoDataValue, "GDAL");
  RUVEK_FUNCION(GDALRasterIO, "GDAL");
  RUVEK_FUNCION(CPLSetConfigOption, "GDAL");
  RUVEK_FUNCION(CPLSetErrorHandler, "GDAL");
  RUVEK_FUNCION(CPLQuietErrorHandler, "GDAL");
  RUVEK_FUNCION(CPLErrorReset, "GDAL");
  RUVEK_FUNCION(CPLGetLastErrorMsg, "GDAL");
  RUVEK_FUNCION(OSRNewSpatialReference, "GDAL");
  RUVEK_FUNCION(OSRDestroySpatialReference, "GDAL");
  RUVEK_FUNCION(OSRImportFromEPSG, "GDAL");
  RUVEK_FUNCION(OSRIsSameEx, "GDAL");
  RUVEK_FUNCION(OSRFindMatches, "GDAL");
  RUVEK_FUNCION(OSRFreeSRSArray, "GDAL");
  RUVEK_FUNCION(VSIFree, "GDAL");
  RUVEK_FUNCION(OSRGetAuthorityName, "GDAL");
  RUVEK_FUNCION(OSRGetAuthorityCode, "GDAL");
  RUVEK_FUNCION(OSRGetName, "GDAL");
};

}  // namespace ruvek
