// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "geo/distancias.h"
#include "geo/proyeccion.h"
#include "test_util.h"

using namespace ruvek;

// Lengths against PROJ's own tools on the same points (see the table): within a centimetre a
// kilometre, the degrees' seventh decimal.
TEST(Distancias, TheGeodesicsOfTheirDegrees) {
  Proyeccion proyeccion;
  for (const auto& [tramo, esperado] : test::Casos("longitud.txt")) {
    long x0, dx, y0, dy, n;
    std::istringstream(tramo) >> x0 >> dx >> y0 >> dy >> n;
    Segmento s;
    for (long i = 0; i < n; ++i) {
      s.push_back({double(x0 + i * dx), double(y0 + i * dy), {}, {}, 0, 0, 0});
    }
    const std::vector<double> d =
        Distancias(UnSegmento(kMetrosEd50, s), std::size_t(n), proyeccion);
    ASSERT_EQ(d.size(), std::size_t(n));
    EXPECT_EQ(d[0], 0);
    EXPECT_NEAR(d.back(), std::stod(esperado), std::stod(esperado) * 1e-5) << tramo;
  }
}
