// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/analisis.h"

#include <gtest/gtest.h>

#include "test_util.h"

using namespace ruvek;

// The six labels and the four results kept, for rows "X,Y,altitude ...".
std::string Analiza(const std::string& filas) {
  Module1 m;
  test::Llena(m, filas);
  m.NumPuntos = 0;  // not consulted
  const EtiquetasAnalisis e = AnalisisDelTrack(m);
  return e.TSubida + "|" + e.TBajada + "|" + e.Maxima + "|" + e.Minima + "|" + e.Inicial + "|" +
         e.Final + "|" + FixedText(m.TotalSubida) + " " + FixedText(m.TotalBajada) + " " +
         (m.AltitudMaxima ? m.AltitudMaxima->Text() : "-") + " " +
         (m.AltitudMinima ? m.AltitudMinima->Text() : "-");
}

TEST(Analisis, SixFiguresUntilTheFirstXBelowOne) {
  for (const auto& [filas, esperado] : test::Cases("analisis.txt")) {
    EXPECT_EQ(Analiza(filas), esperado) << filas;
  }
  std::string serrucho;  // every row of the table
  for (int i = 0; i < MaxPuntos; ++i) serrucho += i % 2 ? "1,0,10 " : "1,0,0 ";
  EXPECT_EQ(Analiza(serrucho), "50000 m|49990 m|10 m|0 m|0 m|10 m|50000 49990 10 0");
}
