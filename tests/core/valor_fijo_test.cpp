// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/valor_fijo.h"
#include "test_util.h"

using namespace ruvek;

TEST(ValorFijo, ReadsTheFixedConventionExactly) {
  for (const auto& caso : test::Casos("valor_fijo.txt")) {
    EXPECT_EQ(test::Resultado([&] { return ValorFijo::DeTexto(caso.first).Texto(); }), caso.second)
        << caso.first;
  }
  EXPECT_EQ(ValorFijo::DeTexto("-612346.5").diezmilesimas(), -6123465000);
}

TEST(ValorFijo, ArithmeticIsExactOrOverflows) {
  const ValorFijo max = ValorFijo::DeDiezmilesimas(INT64_MAX),
                  min = ValorFijo::DeDiezmilesimas(INT64_MIN);
  const ValorFijo uno = ValorFijo::DeDiezmilesimas(1);
  EXPECT_EQ((ValorFijo::Entero(2) + uno).Texto() + " " + (uno - ValorFijo::Entero(5)).Texto(),
            "2.0001 -4.9999");
  EXPECT_EQ(test::Resultado([&] { return (max + uno).Texto(); }), "fuera de rango@0");
  EXPECT_EQ(test::Resultado([&] { return (min - uno).Texto(); }), "fuera de rango@0");
  EXPECT_EQ(test::Resultado([] { return ValorFijo::Entero(922337203685478).Texto(); }),
            "fuera de rango@0");
  EXPECT_EQ(TextoFijo((FijoAncho(1) << 64) * kDiezmilesimasPorUnidad + 5),
            "18446744073709551616.0005");
  EXPECT_EQ(TextoFijo(-(FijoAncho(1) << 64) * kDiezmilesimasPorUnidad), "-18446744073709551616");
}
