// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/analisis.h"

#include <gtest/gtest.h>

#include "test_util.h"

using namespace ruvek;

// The six labels for the points "X,Y,altitude ...".
std::string Analiza(const std::string& puntos) {
  const EtiquetasAnalisis e = EtiquetasDe(Analiza(test::Puntos(puntos)));
  return e.TSubida + "|" + e.TBajada + "|" + e.Maxima + "|" + e.Minima + "|" + e.Inicial + "|" +
         e.Final;
}

TEST(Analisis, SixFiguresUntilTheFirstXBelowOne) {
  for (const auto& [puntos, esperado] : test::Cases("analisis.txt")) {
    EXPECT_EQ(Analiza(puntos), esperado) << puntos;
  }
  std::string serrucho;  // a whole track
  for (int i = 0; i < MaxPuntos; ++i) serrucho += i % 2 ? "1,0,10 " : "1,0,0 ";
  EXPECT_EQ(Analiza(serrucho), "50000 m|49990 m|10 m|0 m|0 m|10 m");
}
