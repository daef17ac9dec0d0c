// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/numeros.h"
#include "test_util.h"

using namespace ruvek;

TEST(ValorFijo, ReadsTheFixedConventionExactly) {
  for (const auto& [texto, esperado] : test::Cases("valor_fijo.txt")) {
    EXPECT_EQ(test::Result([&] { return ValorFijo::Parse(texto).Text(); }), esperado) << texto;
  }
  EXPECT_EQ(ValorFijo::Parse("-612346.5").raw(), -6123465000);
}

TEST(ValorFijo, ArithmeticIsExactOrOverflows) {
  const ValorFijo max = ValorFijo::FromRaw(INT64_MAX), min = ValorFijo::FromRaw(INT64_MIN);
  const ValorFijo uno = ValorFijo::FromRaw(1);
  EXPECT_EQ((ValorFijo::Whole(2) + uno).Text() + " " + (uno - ValorFijo::Whole(5)).Text(),
            "2.0001 -4.9999");
  EXPECT_EQ(test::Result([&] { return (max + uno).Text(); }), "overflow@0");
  EXPECT_EQ(test::Result([&] { return (min - uno).Text(); }), "overflow@0");
  EXPECT_EQ(test::Result([] { return ValorFijo::Whole(922337203685478).Text(); }), "overflow@0");
  EXPECT_EQ(FixedText((WideFixed(1) << 64) * kScale + 5), "18446744073709551616.0005");
  EXPECT_EQ(FixedText(-(WideFixed(1) << 64) * kScale), "-18446744073709551616");
}

TEST(LeeRedondeado, RoundsAtTheFirstDecimalDigitAwayFromZero) {
  for (const auto& [campo, esperado] : test::Cases("devuelve_numero.txt")) {
    EXPECT_EQ(test::Result([&] { return LeeRedondeado(campo).Text(); }), esperado) << campo;
  }
  EXPECT_EQ(LeeRedondeado(std::string_view("12.7", 3)).Text(), "12") << "nothing past the field";
}

TEST(Utf8Limpio, KeepsEveryCharacterAndMarksWhatIsNotOne) {
  for (const auto& [texto, esperado] : test::Cases("utf8.txt")) {
    EXPECT_EQ(Utf8Limpio(texto, "?"), esperado) << texto;
  }
  const std::string cuatro = "ñandú ñandú ñandú ñandú ";  // 24 characters, 32 bytes
  EXPECT_EQ(Cita(cuatro + cuatro), "«" + cuatro + "ñandú ñandú ñand...»");
  EXPECT_EQ(Cita("a\tb\n"), "«a?b?»");
  EXPECT_STREQ(Error(ErrorKind::Conversion, "«x» no es un número", 3).what(),
               "conversion at line 3: «x» no es un número");
  EXPECT_EQ(Utf8Limpio(std::string_view("a\xE2\x82\xAC", 3), "?"), "a??") << "cut by its end";
}

TEST(DecimalSinExponente, PlainDecimalsOfEveryXmlNumber) {
  for (const auto& [texto, esperado] : test::Cases("decimal_xml.txt")) {
    EXPECT_EQ(DecimalSinExponente(texto).value_or("-"), esperado) << texto;
  }
  EXPECT_EQ(DecimalSinExponente("1e400").value_or("-"), "1" + std::string(400, '0'));
}
