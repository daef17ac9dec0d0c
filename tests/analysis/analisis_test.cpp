// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/analisis.h"

#include <gtest/gtest.h>

#include <sstream>

#include "test_util.h"

using namespace ruvek;

// The six labels for the points "X,Y,altitude ...".
std::string Analiza(const std::string& puntos) {
  const TextosDelAnalisis e = TextosDe(AnalizaAltitudes(test::Puntos(puntos)));
  return e.total_subida + "|" + e.total_bajada + "|" + e.maxima + "|" + e.minima + "|" + e.inicial +
         "|" + e.final_;
}

TEST(Analisis, SixFiguresUntilTheFirstXBelowOne) {
  for (const auto& [puntos, esperado] : test::Casos("analisis.txt")) {
    EXPECT_EQ(Analiza(puntos), esperado) << puntos;
  }
  std::string serrucho;  // a whole track
  for (int i = 0; i < kMaximoDePuntos; ++i) serrucho += i % 2 ? "1,0,10 " : "1,0,0 ";
  EXPECT_EQ(Analiza(serrucho), "50000 m|49990 m|10 m|0 m|0 m|10 m");
}

// The swings of a threshold (a threshold of 0 stands for none): the table of the manual's filter.
TEST(Analisis, TotalsOfTheSwingsBeyondAThreshold) {
  for (const auto& [caso, esperado] : test::Casos("umbral.txt")) {
    std::istringstream in(caso);
    int umbral = 0;
    in >> umbral;
    std::string puntos;
    for (std::string a; in >> a;) puntos += "1,0," + a + " ";
    const ResultadoAnalisis r = AnalizaAltitudes(
        test::Puntos(puntos), umbral > 0 ? std::optional<int>(umbral) : std::nullopt);
    EXPECT_EQ(EnMetros(r.total_subida) + "|" + EnMetros(r.total_bajada), esperado) << caso;
    EXPECT_EQ(TextosDe(r).maxima, TextosDe(AnalizaAltitudes(test::Puntos(puntos))).maxima);
  }
}
