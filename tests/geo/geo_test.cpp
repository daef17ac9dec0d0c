// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <proj.h>

#include <cmath>
#include <sstream>
#include <vector>

#include "geo/operaciones.h"
#include "geo/proyeccion.h"
#include "test_util.h"

using namespace ruvek;

namespace {
#include "operaciones.inc"

Datum DatumDe(int epsg) { return epsg == 23030 ? Datum::Ed50 : Datum::Etrs89; }
}  // namespace

// Each point of the table against PROJ's own cs2cs with the same grid: within 0.01 m, or
// 1.5e-7 degrees for what is written with 7 decimals.
TEST(Proyeccion, AgreesWithCs2cs) {
  Proyeccion proyeccion;
  for (const auto& [desde, hasta] : test::Casos("datum.txt")) {
    int de, a;
    double p, q, x, y;
    std::istringstream(desde) >> de >> a >> p >> q;
    std::istringstream(hasta) >> x >> y;
    if (de == 4326) std::swap(p, q);  // latitude first, as cs2cs
    const std::size_t bien =
        de == 4326  ? proyeccion.AUtm(DatumDe(a), {&p, 1}, {&q, 1})
        : a == 4326 ? proyeccion.AGeograficas(DatumDe(de), {&p, 1}, {&q, 1})
                    : proyeccion.CambiaDatum(DatumDe(de), DatumDe(a), {&p, 1}, {&q, 1});
    EXPECT_EQ(bien, 1u) << desde;
    if (a == 4326) std::swap(p, q);
    const double tolerancia = a == 4326 ? 1.5e-7 : 0.01;
    EXPECT_NEAR(p, x, tolerancia) << desde;
    EXPECT_NEAR(q, y, tolerancia) << desde;
  }
  double lon = 1e300, lat = 45;
  EXPECT_EQ(proyeccion.AUtm(Datum::Ed50, {&lon, 1}, {&lat, 1}), 0u) << "not a place";
}

// Over the whole area, on a lattice and on every edge of every operation's area, the same
// metres as PROJ's own choice from its database with the same grid.
TEST(Proyeccion, TheSameAsProjsOwnChoice) {
  PJ_CONTEXT* c = proj_context_create();
  proj_log_level(c, PJ_LOG_NONE);
  proj_context_set_enable_network(c, 0);
  std::vector<std::string> carpetas{RUVEK_REJILLAS};
  std::istringstream propias(proj_info().searchpath);
  for (std::string carpeta; std::getline(propias, carpeta, ':');) carpetas.push_back(carpeta);
  std::vector<const char*> rutas;
  for (const std::string& s : carpetas) rutas.push_back(s.c_str());
  proj_context_set_search_paths(c, int(rutas.size()), rutas.data());
  Proyeccion proyeccion;
  struct Caso {
    const char *de, *a;
    std::span<const Operacion> tabla;
    double min[2], max[2], paso[2];
  };
  const Caso casos[] = {
      {"EPSG:4326", "EPSG:23030", kWgs84AEd50, {-12, 0}, {6, 84}, {0.25, 0.5}},
      {"EPSG:4326", "EPSG:25830", kWgs84AEtrs89, {-12, 0}, {6, 84}, {1, 2}},
      {"EPSG:23030", "EPSG:25830", kEd50AEtrs89, {-9e5, 0}, {15e5, 94e5}, {2e4, 5e4}},
      {"EPSG:25830", "EPSG:23030", kEtrs89AEd50, {-9e5, 0}, {15e5, 94e5}, {2e4, 5e4}}};
  for (const Caso& caso : casos) {
    PJ* crs_a_crs = proj_create_crs_to_crs(c, caso.de, caso.a, nullptr);
    ASSERT_NE(crs_a_crs, nullptr) << caso.de;
    PJ* suya = proj_normalize_for_visualization(c, crs_a_crs);
    proj_destroy(crs_a_crs);
    std::vector<double> x, y;
    for (double u = caso.min[0]; u <= caso.max[0]; u += caso.paso[0]) {
      for (double v = caso.min[1]; v <= caso.max[1]; v += caso.paso[1]) {
        x.push_back(u);
        y.push_back(v);
      }
    }
    const auto anade = [&](double u, double v) {
      if (u < caso.min[0] || u > caso.max[0] || v < caso.min[1] || v > caso.max[1]) return;
      x.push_back(u);
      y.push_back(v);
    };
    for (const Operacion& op : caso.tabla) {  // on, and just either side of, each area's edges
      const double d = caso.paso[0] < 1 ? 1e-7 : 1e-2;
      for (double t = 0; t <= 1; t += 1.0 / 64) {
        const double u = op.caja[0] + t * (op.caja[2] - op.caja[0]);
        const double v = op.caja[1] + t * (op.caja[3] - op.caja[1]);
        for (double e : {-d, 0.0, d}) {
          for (int i : {0, 2}) anade(op.caja[i] + e, v);
          for (int j : {1, 3}) anade(u, op.caja[j] + e);
        }
      }
    }
    std::vector<double> mx = x, my = y;
    const std::size_t bien = std::string(caso.de) == "EPSG:4326"
                                 ? proyeccion.AUtm(DatumDe(std::stoi(caso.a + 5)), mx, my)
                                 : proyeccion.CambiaDatum(DatumDe(std::stoi(caso.de + 5)),
                                                          DatumDe(std::stoi(caso.a + 5)), mx, my);
    EXPECT_EQ(bien, x.size()) << caso.de << " " << caso.a << ": " << x[bien] << " " << y[bien];
    for (std::size_t i = 0; i < std::min(bien, x.size()); ++i) {
      const PJ_COORD r = proj_trans(suya, PJ_FWD, PJ_COORD{{x[i], y[i], 0, 0}});
      ASSERT_EQ(r.xy.x, mx[i]) << caso.de << " " << caso.a << ": " << x[i] << " " << y[i];
      ASSERT_EQ(r.xy.y, my[i]) << caso.de << " " << caso.a << ": " << x[i] << " " << y[i];
    }
    proj_destroy(suya);
  }
  proj_context_destroy(c);
}

// How far the metres of places around `lon`, `lat` jump, as where PROJ's choice of operation
// changes (an edge of an operation's area, or of its grid): there some whole metres are where no
// place is taken to, and are written as the place that comes back nearest.
double Salto(Proyeccion& proyeccion, Datum datum, double lon, double lat) {
  constexpr double h = 2e-3;
  double salto = 0;
  for (const auto& [u, v] : {std::pair{h, 0.0}, {0.0, h}}) {
    double x[] = {lon - u, lon, lon + u}, y[] = {lat - v, lat, lat + v};
    EXPECT_EQ(proyeccion.AUtm(datum, x, y), 3u);
    salto = std::max(salto, std::hypot(x[0] + x[2] - 2 * x[1], y[0] + y[2] - 2 * y[1]));
  }
  return salto;
}

// Whole metres taken to degrees with 7 decimals come back to the same metres, in either datum,
// over the area and along the edges of the operations' areas, where the operations there and
// back may differ; where those jump, as near as the jump allows.
TEST(Proyeccion, WhatIsWrittenReadsBack) {
  Proyeccion proyeccion;
  for (Datum datum : {Datum::Ed50, Datum::Etrs89}) {
    std::vector<double> lon, lat;
    for (double u = -11.9; u <= 5.9; u += 0.1) {
      for (double v = 0.1; v <= 83.9; v += 0.1) {
        lon.push_back(u);
        lat.push_back(v);
      }
    }
    for (const Operacion& op : kWgs84AEd50) {
      for (double t = 0; t <= 1; t += 0.01) {
        const double u = op.caja[0] + t * (op.caja[2] - op.caja[0]);
        const double v = op.caja[1] + t * (op.caja[3] - op.caja[1]);
        for (const auto& [a, b] :
             {std::pair{op.caja[0], v}, {op.caja[2], v}, {u, op.caja[1]}, {u, op.caja[3]}}) {
          if (!EnElHuso(a, b, -0.1)) continue;
          lon.push_back(a);
          lat.push_back(b);
        }
      }
    }
    const std::vector<double> lon0 = lon, lat0 = lat;
    ASSERT_EQ(proyeccion.AUtm(datum, lon, lat), lon.size());
    std::size_t lejos = 0;
    for (std::size_t i = 0; i < lon.size(); ++i) {
      double x = std::round(lon[i]), y = std::round(lat[i]), a = x, b = y;
      ASSERT_EQ(proyeccion.AGeograficas(datum, {&a, 1}, {&b, 1}), 1u) << x << " " << y;
      ASSERT_EQ(proyeccion.AUtm(datum, {&a, 1}, {&b, 1}), 1u) << x << " " << y;
      if (std::round(a) == x && std::round(b) == y) continue;
      ++lejos;
      const double salto = Salto(proyeccion, datum, lon0[i], lat0[i]);
      EXPECT_GT(salto, 0.5) << lon0[i] << " " << lat0[i] << " " << int(datum);
      EXPECT_LT(std::hypot(a - x, b - y), salto + 1) << lon0[i] << " " << lat0[i];
    }
    EXPECT_LT(lejos, lon.size() / 1000);
  }
}

TEST(Proyeccion, TheAreaHoldsItsRimAndNothingBeyond) {
  const double h = kBordeHuso, fuera = 1e-9;
  for (const auto& [lon, lat] : {std::pair{kLonMin - h, kLatMin - h}, {kLonMax + h, kLatMax + h}}) {
    EXPECT_TRUE(EnElHuso(lon, lat)) << lon << " " << lat;
    EXPECT_FALSE(EnElHuso(lon + (lon < 0 ? -fuera : fuera), lat)) << lon;
    EXPECT_FALSE(EnElHuso(lon, lat + (lat < 1 ? -fuera : fuera))) << lat;
  }
}
