// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/instante.h"
#include "test_util.h"

using namespace ruvek;

TEST(Instante, IsoTimesAndMillisecondsInUtcWithTheirFraction) {
  for (const auto& [texto, esperado] : test::Casos("instantes.txt")) {
    EXPECT_EQ(test::Resultado([&] {
                const Instante t = texto.starts_with("ms ")
                                       ? InstanteDeMilisegundos(texto.substr(3))
                                       : LeeInstante(texto);
                EXPECT_EQ(LeeInstante(TextoInstante(t)), t) << texto;
                return TextoInstante(t);
              }),
              esperado)
        << texto;
  }
  EXPECT_DOUBLE_EQ(LeeInstante("1970-01-01T00:01:00.25Z").EnSegundos(), 60.25);
}
