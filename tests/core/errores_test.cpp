// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/errores.h"
#include "test_util.h"

using namespace ruvek;

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
