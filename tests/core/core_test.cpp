// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/numeros.h"
#include "test_util.h"

using namespace ruvek;

TEST(ValorFijo, ReadsTheFixedConventionExactly) {
  for (const auto& [texto, esperado] : test::Casos("valor_fijo.txt")) {
    EXPECT_EQ(test::Resultado([&] { return ValorFijo::DeTexto(texto).Texto(); }), esperado)
        << texto;
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

TEST(LeeRedondeado, RoundsAtTheFirstDecimalDigitAwayFromZero) {
  for (const auto& [campo, esperado] : test::Casos("devuelve_numero.txt")) {
    EXPECT_EQ(test::Resultado([&] { return LeeRedondeado(campo).Texto(); }), esperado) << campo;
  }
  EXPECT_EQ(LeeRedondeado(std::string_view("12.7", 3)).Texto(), "12") << "nothing past the field";
}

TEST(Utf8Limpio, KeepsEveryCharacterAndMarksWhatIsNotOne) {
  for (const auto& [texto, esperado] : test::Casos("utf8.txt")) {
    EXPECT_EQ(Utf8Limpio(texto, "?"), esperado) << texto;
  }
  const std::string cuatro = "ñandú ñandú ñandú ñandú ";  // 24 characters, 32 bytes
  EXPECT_EQ(Cita(cuatro + cuatro), "«" + cuatro + "ñandú ñandú ñand...»");
  EXPECT_EQ(Cita("a\tb\n"), "«a?b?»");
  EXPECT_STREQ(Error(TipoDeError::Conversion, "«x» no es un número", 3).what(),
               "conversión en la línea 3: «x» no es un número");
  EXPECT_EQ(Utf8Limpio(std::string_view("a\xE2\x82\xAC", 3), "?"), "a??") << "cut by its end";
}

TEST(DecimalSinExponente, PlainDecimalsOfEveryXmlNumber) {
  for (const auto& [texto, esperado] : test::Casos("decimal_xml.txt")) {
    EXPECT_EQ(DecimalSinExponente(texto).value_or("-"), esperado) << texto;
  }
  EXPECT_EQ(DecimalSinExponente("1e400").value_or("-"), "1" + std::string(400, '0'));
}
