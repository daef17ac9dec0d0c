// SPDX-License-Identifier: GPL-3.0-or-later
// Terrain models made here with GDAL: planes, where bilinear interpolation is exact, in the three
// systems Ruvek reads; a hole without data; two tiles and a VRT over them; an ASCII grid beside a
// GeoTIFF; and rasters Ruvek refuses.
#include "geo/terreno.h"

#include <cpl_conv.h>
#include <gdal.h>
#include <gdal_utils.h>
#include <gtest/gtest.h>
#include <ogr_srs_api.h>

#include <array>
#include <cmath>
#include <fstream>

#include "test_util.h"

using namespace ruvek;

namespace {

// A plane of the model's own coordinates.
double Plano(double x, double y) { return 300 + 0.01 * (x - 600000) + 0.02 * (y - 4700000); }
double PlanoGrados(double lon, double lat) { return 300 + 100 * (lon + 2) + 200 * (lat - 42); }

struct Malla {
  int epsg;
  double x0, y0, paso;  // upper-left corner, cell size
  int ancho, alto;
  double (*z)(double, double);
};

// The GeoTIFF `ruta` of `m`, its cells the plane at their centres but for those `hueco` says.
void Crea(const std::string& ruta, const Malla& m, bool (*hueco)(int i, int j) = nullptr) {
  GDALAllRegister();
  GDALDatasetH d = GDALCreate(GDALGetDriverByName("GTiff"), ruta.c_str(), m.ancho, m.alto, 1,
                              GDT_Float32, nullptr);
  double gt[6] = {m.x0, m.paso, 0, m.y0, 0, -m.paso};
  GDALSetGeoTransform(d, gt);
  OGRSpatialReferenceH s = OSRNewSpatialReference(nullptr);
  OSRImportFromEPSG(s, m.epsg);
  GDALSetSpatialRef(d, s);
  OSRDestroySpatialReference(s);
  GDALRasterBandH b = GDALGetRasterBand(d, 1);
  GDALSetRasterNoDataValue(b, -9999);
  std::vector<float> fila(std::size_t(m.ancho));
  for (int j = 0; j < m.alto; ++j) {
    for (int i = 0; i < m.ancho; ++i) {
      fila[std::size_t(i)] = hueco && hueco(i, j)
                                 ? -9999.f
                                 : float(m.z(m.x0 + (i + 0.5) * m.paso, m.y0 - (j + 0.5) * m.paso));
    }
    EXPECT_EQ(
        GDALRasterIO(b, GF_Write, 0, j, m.ancho, 1, fila.data(), m.ancho, 1, GDT_Float32, 0, 0),
        CE_None);
  }
  GDALClose(d);
}

// The altitudes the models `archivos` give the points "X,Y ..." (ED50), or the refusal.
std::string Altitudes(const std::vector<std::string>& archivos, const std::string& puntos,
                      Sistema sistema = kMetrosEd50) {
  return test::Resultado([&] {
    Terreno terreno;
    for (const std::string& a : archivos) terreno.Anade(a);
    Recorrido r = test::EnMetros(test::Puntos(puntos, false), sistema);
    Proyeccion proyeccion;
    std::string por_que;
    const std::size_t malo = terreno.PonAltitudes(r, proyeccion, por_que);
    if (malo < r.PuntosDeTraza()) return "punto " + std::to_string(malo + 1) + " " + por_que;
    std::string texto;
    r.ParaCadaPunto(
        [&](const Posicion& p) { texto += std::to_string(std::llround(*p.altitud)) + " "; });
    return texto;
  });
}

// What a plane in the model's system gives a point of the track, rounded as Ruvek rounds.
std::string Esperado(int epsg, const std::string& puntos, Sistema sistema = kMetrosEd50) {
  Proyeccion proyeccion;
  const Track t = test::Puntos(puntos, false);
  std::string r;
  for (const Punto& p : t.puntos) {
    double x = p.x.EnDouble(), y = p.y.EnDouble();
    proyeccion.Transforma(sistema, *SistemaDeEpsg(epsg), {&x, 1}, {&y, 1});
    const bool grados = epsg == 4326 || epsg == 4258;
    r += std::to_string(std::llround(grados ? PlanoGrados(x, y) : Plano(x, y))) + " ";
  }
  return r;
}

// `origen` copied by gdal_translate with `opciones` (up to four words) into `destino`.
void Traduce(const std::string& origen, const std::string& destino,
             std::array<const char*, 5> opciones) {
  GDALDatasetH d = GDALOpen(origen.c_str(), GA_ReadOnly);
  GDALTranslateOptions* o = GDALTranslateOptionsNew(const_cast<char**>(opciones.data()), nullptr);
  GDALClose(GDALTranslate(destino.c_str(), d, o, nullptr));
  GDALTranslateOptionsFree(o);
  GDALClose(d);
}

}  // namespace

TEST(Terreno, PlanesInEverySystemHoleTilesVrtAndAsciiGrid) {
  test::CarpetaTemporal dir;
  const auto ruta = [&](const char* n) { return dir.Archivo(n); };
  Crea(ruta("etrs89.tif"), {25830, 605000, 4745000, 5, 2000, 2000, &Plano});
  Crea(ruta("ed50.tif"), {23030, 605000, 4745000, 25, 400, 400, &Plano});
  Crea(ruta("grados.tif"), {4326, -1.8, 42.9, 0.001, 300, 300, &PlanoGrados});
  const std::string dentro = "610125,4741064 610134,4741070 612345,4738000 606000,4737000";
  for (const auto& [archivo, epsg] :
       {std::pair{"etrs89.tif", 25830}, {"ed50.tif", 23030}, {"grados.tif", 4326}}) {
    EXPECT_EQ(Altitudes({ruta(archivo)}, dentro), Esperado(epsg, dentro)) << archivo;
  }
  // Models in zones 29 and 31, in WGS 84's zone 30 and in ETRS89 degrees, each with a track in ED50
  // metres of its own zone.
  Crea(ruta("etrs89_29.tif"), {25829, 530000, 4755000, 25, 600, 600, &Plano});
  Crea(ruta("ed50_31.tif"), {23031, 425000, 4590000, 25, 600, 600, &Plano});
  Crea(ruta("wgs84_30.tif"), {32630, 605000, 4745000, 25, 400, 400, &Plano});
  Crea(ruta("etrs89_grados.tif"), {4258, -1.8, 42.9, 0.001, 300, 300, &PlanoGrados});
  const std::string santiago = "537301,4747604 540000,4750000", barcelona = "430582,4582301";
  const Sistema ed50_29{Datum::Ed50, 29}, ed50_31{Datum::Ed50, 31};
  EXPECT_EQ(Altitudes({ruta("etrs89_29.tif")}, santiago, ed50_29),
            Esperado(25829, santiago, ed50_29));
  EXPECT_EQ(Altitudes({ruta("ed50_31.tif")}, barcelona, ed50_31),
            Esperado(23031, barcelona, ed50_31));
  EXPECT_EQ(Altitudes({ruta("wgs84_30.tif")}, dentro), Esperado(32630, dentro));
  EXPECT_EQ(Altitudes({ruta("etrs89_grados.tif")}, dentro), Esperado(4258, dentro));
  // A system without any code, as PROJ's words, is recognised by what it is.
  Traduce(ruta("etrs89.tif"), ruta("sin_codigo.tif"),
          {"-a_srs", "+proj=utm +zone=30 +ellps=GRS80 +towgs84=0,0,0 +units=m", nullptr});
  EXPECT_EQ(Altitudes({ruta("sin_codigo.tif")}, dentro), Esperado(25830, dentro));
  // On a cell's centre and corner; within half a cell of the edge, and on it, the edge's cells
  // stand for those beyond (x of the first centre, 605012.5); beyond the edge, nothing.
  std::string bordes;
  for (const auto& [x, y] : {std::pair{605012.5, 4744987.5},
                             {605025, 4744975},
                             {605012.5, 4740000},
                             {605012.5, 4744987.5}})
    bordes += std::to_string(std::llround(Plano(x, y))) + " ";
  EXPECT_EQ(Altitudes({ruta("ed50.tif")},
                      "605012.5,4744987.5 605025,4744975 605003,4740000 605000,4745000"),
            bordes);
  EXPECT_EQ(Altitudes({ruta("ed50.tif")}, "610000,4740000 604990,4740000"),
            "punto 2 no lo cubre ningún modelo del terreno con datos");
  // A hole without data: the next model gives what the first cannot.
  Crea(ruta("hueco.tif"), {23030, 605000, 4745000, 25, 400, 400, &Plano},
       [](int i, int j) { return i == 200 && j == 160; });
  const std::string junto = "606000,4736000 610010,4740987 610100,4741000";
  EXPECT_EQ(Altitudes({ruta("hueco.tif")}, junto),
            "punto 2 no lo cubre ningún modelo del terreno con datos");
  EXPECT_EQ(Altitudes({ruta("hueco.tif"), ruta("ed50.tif")}, junto), Esperado(23030, junto));
  // Two tiles, and a VRT over them, give what one raster gives.
  Crea(ruta("oeste.tif"), {23030, 605000, 4745000, 25, 200, 400, &Plano});
  Crea(ruta("este.tif"), {23030, 610000, 4745000, 25, 200, 400, &Plano});
  const std::string oeste = ruta("oeste.tif"), este = ruta("este.tif");
  const char* nombres[] = {oeste.c_str(), este.c_str()};
  GDALClose(GDALBuildVRT(ruta("mosaico.vrt").c_str(), 2, nullptr, nombres, nullptr, nullptr));
  const std::string cruce = "609990,4741000 610000,4741000 610013,4741000 606000,4736000";
  EXPECT_EQ(Altitudes({ruta("mosaico.vrt")}, cruce), Esperado(23030, cruce));
  EXPECT_EQ(Altitudes({oeste, este}, cruce), Esperado(23030, cruce));
  // The ASCII grid of a GeoTIFF, its system in a .prj without any code, gives the same.
  Traduce(ruta("etrs89.tif"), ruta("etrs89.asc"), {"-of", "AAIGrid", nullptr});
  std::ofstream(ruta("etrs89.prj"))
      << R"(PROJCS["ETRS89_UTM_zone_30N",GEOGCS["GCS_ETRS_1989",DATUM["D_ETRS_1989",)"
         R"(SPHEROID["GRS_1980",6378137.0,298.257222101]],PRIMEM["Greenwich",0.0],)"
         R"(UNIT["Degree",0.0174532925199433]],PROJECTION["Transverse_Mercator"],)"
         R"(PARAMETER["False_Easting",500000.0],PARAMETER["False_Northing",0.0],)"
         R"(PARAMETER["Central_Meridian",-3.0],PARAMETER["Scale_Factor",0.9996],)"
         R"(PARAMETER["Latitude_Of_Origin",0.0],UNIT["Meter",1.0]])";
  EXPECT_EQ(Altitudes({ruta("etrs89.asc")}, dentro), Altitudes({ruta("etrs89.tif")}, dentro));
}

TEST(Terreno, RastersRuvekCannotUseAreRefused) {
  test::CarpetaTemporal dir;
  const auto ruta = [&](const char* n) { return dir.Archivo(n); };
  Crea(ruta("bien.tif"), {23030, 605000, 4745000, 25, 400, 400, &Plano});
  Crea(ruta("mercator.tif"), {3857, -200000, 5280000, 25, 40, 40, &Plano});
  const std::string bien = test::LeeArchivo(ruta("bien.tif"));
  test::EscribeArchivo(ruta("cortado.tif"), bien.substr(0, bien.size() / 2));
  test::EscribeArchivo(ruta("texto.tif"), "no soy un ráster\n");
  test::EscribeArchivo(ruta("sin_sistema.asc"),
                       "ncols 2\nnrows 2\nxllcorner 605000\nyllcorner 4740000\ncellsize 25\n"
                       "1 2\n3 4\n");
  test::EscribeArchivo(ruta("corto.asc"),
                       "ncols 2\nnrows 900\nxllcorner 605000\nyllcorner 4740000\ncellsize 25\n"
                       "1 2\n3 4\n");
  OGRSpatialReferenceH ed50 = OSRNewSpatialReference(nullptr);
  OSRImportFromEPSG(ed50, 23030);
  char* wkt = nullptr;
  OSRExportToWkt(ed50, &wkt);
  test::EscribeArchivo(ruta("largo.asc"),
                       "ncols 2\nnrows 1\nxllcorner 605000\nyllcorner 4740000\ncellsize 25\n"
                       "1 2\n3 4\n");
  test::EscribeArchivo(ruta("cero.asc"),
                       "ncols 0\nnrows 0\nxllcorner 605000\nyllcorner 4740000\ncellsize 25\n");
  for (const char* prj : {"corto.prj", "largo.prj", "cero.prj"})
    test::EscribeArchivo(ruta(prj), wkt);
  CPLFree(wkt);
  OSRDestroySpatialReference(ed50);
  GDALDatasetH d = GDALOpen(ruta("bien.tif").c_str(), GA_ReadOnly);
  GDALDatasetH g = GDALTranslate(ruta("girado.tif").c_str(), d, nullptr, nullptr);
  double gt[6];
  GDALGetGeoTransform(g, gt);
  gt[2] = 1;  // turned
  GDALSetGeoTransform(g, gt);
  GDALClose(g);
  GDALClose(d);
  const std::pair<const char*, const char*> casos[] = {
      {"no.tif", "archivo@0"},           {"texto.tif", "mal formado@0"},
      {"mercator.tif", "mal formado@0"}, {"sin_sistema.asc", "mal formado@0"},
      {"girado.tif", "mal formado@0"},   {"cortado.tif", "archivo@0"},
      {"corto.asc", "mal formado@0"},    {"largo.asc", "mal formado@0"},
      {"cero.asc", "mal formado@0"},
  };
  for (const auto& [archivo, esperado] : casos) {
    EXPECT_EQ(Altitudes({ruta(archivo)}, "605010,4741000"), esperado) << archivo;
  }
}
