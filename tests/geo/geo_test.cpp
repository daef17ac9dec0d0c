// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>

#include "geo/proyeccion.h"
#include "test_util.h"

using namespace ruvek;

// Both ways, each point of the tables against PROJ's own cs2cs: within 0.01 m, or 1e-7 degrees.
TEST(Proyeccion, AgreesWithCs2csBothWays) {
  Proyeccion proyeccion;
  for (const char* tabla : {"proyeccion.txt", "proyeccion_inversa.txt"}) {
    const bool directa = std::string(tabla) == "proyeccion.txt";
    for (const auto& [desde, hasta] : test::Cases(tabla)) {
      double a, b, x, y;
      std::istringstream(desde) >> a >> b;  // latitude first, as cs2cs
      std::istringstream(hasta) >> x >> y;
      double lon_x = directa ? b : a, lat_y = directa ? a : b;
      const std::size_t bien = directa ? proyeccion.AUtm({&lon_x, 1}, {&lat_y, 1})
                                       : proyeccion.AGeograficas({&lon_x, 1}, {&lat_y, 1});
      EXPECT_EQ(bien, 1u) << desde;
      const double tolerancia = directa ? 0.01 : 1e-7;
      EXPECT_NEAR(lon_x, directa ? x : y, tolerancia) << desde;
      EXPECT_NEAR(lat_y, directa ? y : x, tolerancia) << desde;
    }
  }
  double lon = 1e300, lat = 45;
  EXPECT_EQ(proyeccion.AUtm({&lon, 1}, {&lat, 1}), 0u) << "not a place";
}

TEST(Proyeccion, TheAreaHoldsItsRimAndNothingBeyond) {
  const double h = kBordeHuso, fuera = 1e-9;
  for (const auto& [lon, lat] : {std::pair{kLonMin - h, kLatMin - h}, {kLonMax + h, kLatMax + h}}) {
    EXPECT_TRUE(EnElHuso(lon, lat)) << lon << " " << lat;
    EXPECT_FALSE(EnElHuso(lon + (lon < 0 ? -fuera : fuera), lat)) << lon;
    EXPECT_FALSE(EnElHuso(lon, lat + (lat < 1 ? -fuera : fuera))) << lat;
  }
}
