// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/numeros.h"
#include "core/precision.h"
#include "test_util.h"

using namespace ruvek;

TEST(LeeRedondeado, RoundsAtTheFirstDecimalDigitAwayFromZero) {
  for (const auto& caso : test::Casos("devuelve_numero.txt")) {
    const std::string& campo = caso.first;
    const std::string& esperado = caso.second;
    EXPECT_EQ(test::Resultado([&] { return LeeRedondeado(campo).Texto(); }), esperado) << campo;
  }
  EXPECT_EQ(LeeRedondeado(std::string_view("12.7", 3)).Texto(), "12") << "nothing past the field";
}

// The same fields with their decimals round to what LeeRedondeado reads, or fail as it does.
TEST(LeeDecimal, KeepsTheDecimalsLeeRedondeadoRoundsAway) {
  for (const auto& [campo, esperado] : test::Casos("devuelve_numero.txt")) {
    EXPECT_EQ(test::Resultado([&] { return ValorFijo::Redondeado(LeeDecimal(campo)).Texto(); }),
              esperado)
        << campo;
  }
  for (const auto& [campo, valor] : {std::pair{"612345.6", 612345.6},
                                     {" 12 .5", 12.5},
                                     {"12.5.9", 12.5},
                                     {"-0.25x", -0.25},
                                     {".75", 0.75},
                                     {"4734567.8,100", 4734567.8}}) {
    EXPECT_EQ(LeeDecimal(campo), valor) << campo;
  }
  // More digits than a double holds: the nearest is 0.5, which would round up; at the end of the
  // range, where doubles are 0.125 apart, the nearest to ".48" is ".5".
  EXPECT_EQ(ValorFijo::Redondeado(LeeDecimal("922337203685477.48")).Texto(), "922337203685477");
  EXPECT_LT(LeeDecimal("0.49999999999999999999"), 0.5);
  EXPECT_EQ(LeeDecimal("-0.49999999999999999999"), -LeeDecimal("0.49999999999999999999"));
}

TEST(DecimalSinExponente, PlainDecimalsOfEveryXmlNumber) {
  for (const auto& [texto, esperado] : test::Casos("decimal_xml.txt")) {
    EXPECT_EQ(DecimalSinExponente(texto).value_or("-"), esperado) << texto;
  }
  EXPECT_EQ(DecimalSinExponente("1e400").value_or("-"), "1" + std::string(400, '0'));
}

// Figures written: fixed and short decimals never "-0"; a number read, as it was read.
TEST(Precision, FixedShortAndReadNumbersWithoutANegativeZero) {
  std::string s;
  for (const auto& [v, decimales] : {std::pair{-0.04, 1}, {-0.06, 1}, {612345.25, 3}, {-0.0, 0}})
    s += Decimales(v, decimales) + " ";
  for (const auto& [v, decimales] : {std::pair{-0.004, 2}, {12.50, 2}, {2.999, 2}, {-3.75, 1}})
    AnadeDecimalesCortos(s, v, decimales), s += " ";
  for (const double v : {-0.0, 1e-7, -42.8123464, 612350.25, 4.5e15})
    AnadeNumeroLeido(s, v), s += " ";
  EXPECT_EQ(s,
            "0.0 -0.1 612345.250 0 0 12.5 3 -3.8 -0 0.0000001 -42.8123464 612350.25 "
            "4500000000000000 ");
  EXPECT_EQ(ConComa("-12.50"), "-12,50");
}
