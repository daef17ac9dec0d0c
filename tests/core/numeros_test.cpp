// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/numeros.h"
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

TEST(DecimalSinExponente, PlainDecimalsOfEveryXmlNumber) {
  for (const auto& [texto, esperado] : test::Casos("decimal_xml.txt")) {
    EXPECT_EQ(DecimalSinExponente(texto).value_or("-"), esperado) << texto;
  }
  EXPECT_EQ(DecimalSinExponente("1e400").value_or("-"), "1" + std::string(400, '0'));
}
