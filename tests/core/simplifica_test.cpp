// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/simplifica.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "test_util.h"

using namespace ruvek;

namespace {

// The distance from point `p` to the segment from `a` to `b`, in X, Y and altitude.
double Distancia(const Punto& p, const Punto& a, const Punto& b) {
  const double u[] = {b.x.EnDouble() - a.x.EnDouble(), b.y.EnDouble() - a.y.EnDouble(),
                      b.altitud.EnDouble() - a.altitud.EnDouble()};
  const double v[] = {p.x.EnDouble() - a.x.EnDouble(), p.y.EnDouble() - a.y.EnDouble(),
                      p.altitud.EnDouble() - a.altitud.EnDouble()};
  const double uu = u[0] * u[0] + u[1] * u[1] + u[2] * u[2];
  const double t = uu == 0 ? 0 : std::clamp((u[0] * v[0] + u[1] * v[1] + u[2] * v[2]) / uu, 0., 1.);
  return std::hypot(v[0] - t * u[0], v[1] - t * u[1], v[2] - t * u[2]);
}

// Simplifies `t` to `maximo` and checks what it must hold: the first and last points kept, the
// kept points in their order, at most `maximo` of them, and every removed point within the
// reported distance of the kept step that spans it.
Simplificacion Comprueba(Track t, std::size_t maximo) {
  const Track original = t;
  const Simplificacion s = Simplifica(t, maximo);
  EXPECT_EQ(s.despues, t.puntos.size());
  EXPECT_LE(t.puntos.size(), maximo);
  EXPECT_EQ(t.puntos.front(), original.puntos.front());
  EXPECT_EQ(t.puntos.back(), original.puntos.back());
  std::size_t k = 0;  // the kept step that spans original point i: from t[k] to t[k + 1]
  for (std::size_t i = 0; i < original.puntos.size(); ++i) {
    if (k < t.puntos.size() && original.puntos[i] == t.puntos[k]) {
      ++k;
      continue;
    }
    EXPECT_GE(k, 1u);
    EXPECT_LT(k, t.puntos.size()) << "kept points out of order";
    if (k == 0 || k >= t.puntos.size()) break;
    EXPECT_LE(Distancia(original.puntos[i], t.puntos[k - 1], t.puntos[k]), s.distancia + 1e-9) << i;
  }
  EXPECT_EQ(k, t.puntos.size());
  return s;
}

Track Serpentea(int n, double (*altitud)(int)) {
  Track t{.puntos = {}, .con_altitudes = true};
  for (int i = 0; i < n; ++i) {
    const double x = 600000 + i * 3.1 + 40 * std::sin(i / 50.0), y = 4700000 + i * 2.3;
    t.puntos.push_back({ValorFijo::DeDiezmilesimas(std::llround(x * kDiezmilesimasPorUnidad)),
                        ValorFijo::DeDiezmilesimas(std::llround(y * kDiezmilesimasPorUnidad)),
                        ValorFijo::Entero(std::llround(altitud(i)))});
  }
  return t;
}

}  // namespace

TEST(Simplifica, EveryRemovedPointWithinTheReportedDistance) {
  for (const int n : {11804, 11948, 30000}) {
    const Simplificacion s =
        Comprueba(Serpentea(n, [](int i) { return 500 + 300 * std::sin(i / 900.0); }), 10000);
    EXPECT_EQ(s.despues, 10000u);
    EXPECT_GT(s.distancia, 0);
    EXPECT_LT(s.distancia, 1);
  }
  Comprueba(Serpentea(5000, [](int i) { return double(i % 13); }), 50);
  EXPECT_TRUE(FraseDeSimplificacion({9, 2, 0.7}).ends_with(" 0,7 m del track."));
  EXPECT_EQ(FraseDeSimplificacion({11804, 10000, 0.71}),
            "Se ha simplificado de 11804 a 10000 puntos; ningún punto quitado se aparta más de "
            "0,8 m del track.");
}

TEST(Simplifica, StraightLinesCollapseLoopsKeepTheirFarthestPointShortTracksStay) {
  Track recta = test::Puntos("0,0,0 10,10,10 20,20,20 30,30,30 35,35,35 40,40,40");
  EXPECT_EQ(Comprueba(recta, 3).despues, 2u);
  // A walk that comes back to its start keeps its farthest point: its ends are one place.
  Track vuelta = test::Puntos("0,0,0 10,0,0 20,5,0 10,9,0 0,0,0");
  Comprueba(vuelta, 3);
  Simplifica(vuelta, 3);
  EXPECT_EQ(test::Resumen(vuelta), "n=3 0,0,0 20,5,0 0,0,0");
  Track corto = test::Puntos("1,1,1 5,9,2 9,1,3");
  const Track antes = corto;
  const Simplificacion s = Simplifica(corto, 3);
  EXPECT_EQ(corto, antes);
  EXPECT_EQ(s.antes, s.despues);
}

// A spike of altitude over a flat, straight track is the one point kept beside the ends; without
// altitudes the same track collapses to its ends.
TEST(Simplifica, AltitudeSpikesSurvive) {
  Track t = Serpentea(20000, [](int i) { return i == 12345 ? 900.0 : 400.0; });
  for (Punto& p : t.puntos) p.x = p.y;  // straight
  Track sin = t;
  sin.con_altitudes = false;
  Simplifica(t, 3);
  ASSERT_EQ(t.puntos.size(), 3u);
  EXPECT_EQ(t.puntos[1].altitud, ValorFijo::Entero(900));
  EXPECT_EQ(Simplifica(sin, 3).despues, 2u);
}

// Over a recorrido, every segment keeps its ends, however flat, and a kept point all it holds.
TEST(Simplifica, EverySegmentKeepsItsEndsAndEachKeptPointItsTime) {
  Recorrido r = UnSegmento(kGradosWgs84, {});
  std::vector<Punto3D> metros;
  for (int k = 0; k < 3; ++k) {
    Segmento& s = k == 2 ? r.trazas.emplace_back().segmentos.emplace_back()
                         : r.trazas.front().segmentos.emplace_back();
    for (int i = 0; i < 50; ++i) {
      const double x = k * 100 + i, y = i == 25 && k == 1 ? 40 : 0;  // one bend, in the middle
      s.push_back({x, y, std::nullopt, Instante{.segundos = k * 100 + i, .nanos = 0, .cifras = 0},
                   std::int32_t(k * 100 + i), 0, 0});
      metros.push_back({x, y, 0});
    }
  }
  r.trazas.front().segmentos.erase(r.trazas.front().segmentos.begin());  // the empty one
  Recorrido extremos = r;
  const Simplificacion s = Simplifica(extremos, 2, metros);
  EXPECT_EQ(s.antes, 150u);
  EXPECT_EQ(s.despues, 6u);  // the ends alone, more than asked for
  EXPECT_EQ(extremos.PuntosDeTraza(), 6u);
  EXPECT_EQ(Simplifica(r, 7, metros).despues, 7u);
  std::vector<long> quedan;
  r.ParaCadaPunto([&](const Posicion& p) {
    EXPECT_EQ(p.tiempo->segundos, p.linea);
    quedan.push_back(p.linea);
  });
  EXPECT_EQ(quedan, (std::vector<long>{0, 49, 100, 125, 149, 200, 249}));
}
