// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <proj.h>

#include <cmath>
#include <sstream>
#include <vector>

#include "core/track.h"
#include "geo/en_sistema.h"
#include "geo/operaciones.h"
#include "geo/proyeccion.h"
#include "test_util.h"

using namespace ruvek;

namespace {
#include "operaciones.inc"

Sistema De(int epsg) { return *SistemaDeEpsg(epsg); }
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
    const std::size_t bien = proyeccion.Transforma(De(de), De(a), {&p, 1}, {&q, 1});
    EXPECT_EQ(bien, 1u) << desde;
    if (a == 4326) std::swap(p, q);
    const double tolerancia = a == 4326 ? 1.5e-7 : 0.01;
    EXPECT_NEAR(p, x, tolerancia) << desde;
    EXPECT_NEAR(q, y, tolerancia) << desde;
  }
  double lon = 1e300, lat = 45;
  EXPECT_EQ(proyeccion.Transforma(kGradosWgs84, kMetrosEd50, {&lon, 1}, {&lat, 1}), 0u)
      << "not a place";
}

namespace {

// PROJ with its database and Ruvek's grids first, as the build asked it.
PJ_CONTEXT* ProjConSuBase() {
  PJ_CONTEXT* c = proj_context_create();
  proj_log_level(c, PJ_LOG_NONE);
  proj_context_set_enable_network(c, 0);
  std::vector<std::string> carpetas{RUVEK_REJILLAS};
  std::istringstream propias(proj_info().searchpath);
  for (std::string carpeta; std::getline(propias, carpeta, ':');) carpetas.push_back(carpeta);
  std::vector<const char*> rutas;
  for (const std::string& s : carpetas) rutas.push_back(s.c_str());
  proj_context_set_search_paths(c, int(rutas.size()), rutas.data());
  return c;
}

}  // namespace

// ED50 metres with decimals (a GeoJSON's, an X,Y list's) in ETRS89 are PROJ's figures for the same
// numbers, rounded once.
TEST(EnSistema, MetresWithDecimalsRoundedOnce) {
  PJ_CONTEXT* c = ProjConSuBase();
  PJ* crs_a_crs = proj_create_crs_to_crs(c, "EPSG:23030", "EPSG:25830", nullptr);
  Proyeccion proyeccion;
  Segmento s;
  for (double x = 560000.37; x < 760000; x += 7919.29) {
    for (double y = 4200000.61; y < 4800000; y += 13001.53) s.push_back({x, y, 1.5, {}, 0});
  }
  Recorrido etrs = EnSistema(UnSegmento(kMetrosEd50, s), kMetrosEtrs89, proyeccion);
  RedondeaMetros(etrs);
  std::size_t i = 0, distintos = 0;
  etrs.ParaCadaPunto([&](const Posicion& p) {
    const PJ_COORD r = proj_trans(crs_a_crs, PJ_FWD, PJ_COORD{{s[i].x, s[i].y, 0, 0}});
    EXPECT_EQ(p.x, double(std::llround(r.enu.e))) << s[i].x << " " << s[i].y;
    EXPECT_EQ(p.y, double(std::llround(r.enu.n))) << s[i].x << " " << s[i].y;
    // Rounded first, as before, 1 m off in some.
    const PJ_COORD dos =
        proj_trans(crs_a_crs, PJ_FWD, PJ_COORD{{std::round(s[i].x), std::round(s[i].y), 0, 0}});
    distintos += std::llround(dos.enu.e) != std::llround(r.enu.e) ? 1 : 0;
    ++i;
  });
  EXPECT_EQ(i, s.size());
  EXPECT_GT(distintos, 0u);
  proj_destroy(crs_a_crs);
  proj_context_destroy(c);
}

// Places over the box `caja` (west, south, east, north): a lattice by `paso`, then the edges of
// each operation's area within it, on them and `d` either side.
struct Lugares {
  std::vector<double> x, y;
  std::size_t en_la_reja;
};
Lugares Sobre(std::span<const Operacion> operaciones, const double (&caja)[4],
              const double (&paso)[2], double d) {
  Lugares l;
  for (double u = caja[0]; u <= caja[2]; u += paso[0]) {
    for (double v = caja[1]; v <= caja[3]; v += paso[1]) l.x.push_back(u), l.y.push_back(v);
  }
  l.en_la_reja = l.x.size();
  const auto anade = [&](double u, double v) {
    if (u >= caja[0] && u <= caja[2] && v >= caja[1] && v <= caja[3])
      l.x.push_back(u), l.y.push_back(v);
  };
  for (const Operacion& op : operaciones) {
    for (double t = 0; t <= 1; t += 1.0 / 64) {
      const double u = op.caja[0] + t * (op.caja[2] - op.caja[0]);
      const double v = op.caja[1] + t * (op.caja[3] - op.caja[1]);
      for (const double e : {0.0, -d, d}) {
        for (int i : {0, 2}) anade(op.caja[i] + e, v);
        for (int j : {1, 3}) anade(u, op.caja[j] + e);
        if (d == 0) break;
      }
    }
  }
  return l;
}

// Over the whole area, on a lattice and on every edge of every operation's area, the same
// metres as PROJ's own choice from its database with the same grid.
TEST(Proyeccion, TheSameAsProjsOwnChoice) {
  PJ_CONTEXT* c = ProjConSuBase();
  Proyeccion proyeccion;
  for (const TablaDeOperaciones& t : kTablas) {  // every table the build chose, over its area
    const std::string de = "EPSG:" + std::to_string(t.de), a = "EPSG:" + std::to_string(t.a);
    Lugares l;
    if (t.de == 4326) {  // over the area of the zone of the metres, or all Spain's zones
      const Sistema metros = *SistemaDeEpsg(t.a);
      const double oeste =
          metros.EnGrados() ? OesteDelArea(kPrimerHuso) : OesteDelArea(metros.huso);
      const double este = metros.EnGrados() ? EsteDelArea(kUltimoHuso) : EsteDelArea(metros.huso);
      l = Sobre(t.operaciones, {oeste, 0, este, 84}, {0.25, 0.5}, 1e-7);
    } else {
      l = Sobre(t.operaciones, {-9e5, 0, 15e5, 94e5}, {2e4, 5e4}, 1e-2);
    }
    PJ* crs_a_crs = proj_create_crs_to_crs(c, de.c_str(), a.c_str(), nullptr);
    ASSERT_NE(crs_a_crs, nullptr) << de;
    PJ* suya = proj_normalize_for_visualization(c, crs_a_crs);
    proj_destroy(crs_a_crs);
    std::vector<double> mx = l.x, my = l.y;
    const std::size_t bien = proyeccion.Transforma(De(t.de), De(t.a), mx, my);
    EXPECT_EQ(bien, l.x.size()) << de << " " << a << ": " << l.x[bien] << " " << l.y[bien];
    for (std::size_t i = 0; i < std::min(bien, l.x.size()); ++i) {
      const PJ_COORD r = proj_trans(suya, PJ_FWD, PJ_COORD{{l.x[i], l.y[i], 0, 0}});
      ASSERT_EQ(r.xy.x, mx[i]) << de << " " << a << ": " << l.x[i] << " " << l.y[i];
      ASSERT_EQ(r.xy.y, my[i]) << de << " " << a << ": " << l.x[i] << " " << l.y[i];
    }
    proj_destroy(suya);
  }
  proj_context_destroy(c);
}

// How far the metres of places around `lon`, `lat` jump, as where PROJ's choice of operation
// changes (an edge of an operation's area, or of its grid): there some whole metres are where no
// place is taken to, and are written as the place that comes back nearest.
double Salto(Proyeccion& proyeccion, Sistema metros, double lon, double lat) {
  constexpr double h = 2e-3;
  double salto = 0;
  for (const auto& [u, v] : {std::pair{h, 0.0}, {0.0, h}}) {
    double x[] = {lon - u, lon, lon + u}, y[] = {lat - v, lat, lat + v};
    EXPECT_EQ(proyeccion.Transforma(kGradosWgs84, metros, x, y), 3u);
    salto = std::max(salto, std::hypot(x[0] + x[2] - 2 * x[1], y[0] + y[2] - 2 * y[1]));
  }
  return salto;
}

// Whole metres taken to degrees with 7 decimals come back to the same metres, in either datum,
// over the area and along the edges of the operations' areas, where the operations there and
// back may differ; where those jump, as near as the jump allows.
TEST(Proyeccion, WhatIsWrittenReadsBack) {
  Proyeccion proyeccion;
  for (const TablaDeOperaciones& tabla : kTablas) {
    const Sistema metros = *SistemaDeEpsg(tabla.a);
    if (tabla.de != 4326 || metros.EnGrados() || metros.datum == Datum::Wgs84) continue;
    const int h = metros.huso;
    const double paso = h == kHusoDeSiempre ? 0.1 : 0.3;  // the windows' zone the finest
    const double caja[] = {OesteDelArea(h) + 0.1, 0.1, EsteDelArea(h) - 0.1, 83.9};
    const Lugares l = Sobre(tabla.operaciones, caja, {paso, paso}, 0);
    std::vector<double> lon = l.x, lat = l.y;
    ASSERT_EQ(proyeccion.Transforma(kGradosWgs84, metros, lon, lat), lon.size());
    std::size_t lejos = 0;
    for (std::size_t i = 0; i < lon.size(); ++i) {
      double x = std::round(lon[i]), y = std::round(lat[i]), a = x, b = y;
      ASSERT_EQ(proyeccion.Transforma(metros, kGradosWgs84, {&a, 1}, {&b, 1}), 1u) << x << " " << y;
      ASSERT_EQ(proyeccion.Transforma(kGradosWgs84, metros, {&a, 1}, {&b, 1}), 1u) << x << " " << y;
      if (std::round(a) == x && std::round(b) == y) continue;
      lejos += i < l.en_la_reja ? 1 : 0;
      const double salto = Salto(proyeccion, metros, l.x[i], l.y[i]);
      EXPECT_GT(salto, 0.5) << l.x[i] << " " << l.y[i] << " " << tabla.a;
      EXPECT_LT(std::hypot(a - x, b - y), salto + 1) << l.x[i] << " " << l.y[i];
    }
    EXPECT_LT(lejos, l.en_la_reja / 1000) << tabla.a;
  }
}

TEST(Proyeccion, TheAreaHoldsItsRimAndNothingBeyond) {
  const double h = kBordeHuso, fuera = 1e-9;
  for (int huso = kPrimerHuso; huso <= kUltimoHuso; ++huso) {
    for (const auto& [lon, lat] :
         {std::pair{OesteDelArea(huso) - h, kLatMin - h}, {EsteDelArea(huso) + h, kLatMax + h}}) {
      EXPECT_TRUE(EnElHuso(huso, lon, lat)) << lon << " " << lat;
      EXPECT_FALSE(EnElHuso(huso, lon + (lon < OesteDelHuso(huso) ? -fuera : fuera), lat)) << lon;
      EXPECT_FALSE(EnElHuso(huso, lon, lat + (lat < 1 ? -fuera : fuera))) << lat;
    }
  }
  EXPECT_EQ(OesteDelArea(30), -12);
  EXPECT_EQ(EsteDelArea(30), 6);
  EXPECT_EQ(ErrorFueraDelHuso("el punto 1", "X 1, Y 2", 28).detalle(),
            "el punto 1 (X 1, Y 2) cae fuera de lo que cubre el huso 28: latitud de 0 a 84 grados "
            "norte, longitud de 24 grados oeste a 6 grados oeste");
}
