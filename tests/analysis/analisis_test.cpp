#include "analysis/analisis.h"

#include <gtest/gtest.h>

#include <limits>

namespace ruvek {
namespace {

// Rows 1, 2, ... with X 612345 and the given altitudes.
void Llena(Module1& m, const std::vector<const char*>& altitudes) {
  int fila = 0;
  for (const char* a : altitudes) {
    ++fila;
    m.TablaPuntos.Escribe(fila, ColumnaX, ValorFijo::Whole(612345));
    m.TablaPuntos.Escribe(fila, ColumnaAltitud, ValorFijo::Parse(a));
  }
  m.NumPuntos = fila;
}

std::vector<std::string> Textos(const EtiquetasAnalisis& e) {
  return {e.TSubida, e.TBajada, e.Maxima, e.Minima, e.Inicial, e.Final};
}

TEST(Analisis, SixFigures) {
  struct Caso {
    std::vector<const char*> altitudes;
    std::vector<std::string> textos;  // TSubida, TBajada, Maxima, Minima, Inicial, Final
  };
  const Caso casos[] = {
      {{}, {"0 m", "0 m", " m", " m", " m", " m"}},
      {{"700"}, {"0 m", "0 m", "700 m", "700 m", "700 m", "700 m"}},
      {{"100", "150", "120", "180"}, {"110 m", "30 m", "180 m", "100 m", "100 m", "180 m"}},
      {{"-5", "-10"}, {"0 m", "5 m", "-5 m", "-10 m", "-5 m", "-10 m"}},
      {{"5200", "5300"}, {"100 m", "0 m", "5300 m", "5200 m", "5200 m", "5300 m"}},
      {{"0", "0", "0"}, {"0 m", "0 m", "0 m", "0 m", "0 m", "0 m"}},
      {{"100.5", "100.25", "101"}, {"0.75 m", "0.25 m", "101 m", "100.25 m", "100.5 m", "101 m"}},
  };
  for (const Caso& c : casos) {
    Module1 m;
    Llena(m, c.altitudes);
    EXPECT_EQ(Textos(AnalisisDelTrack(m)), c.textos) << testing::PrintToString(c.altitudes);
  }
}

TEST(Analisis, StopsBeforeTheFirstXBelowOneWhateverNumPuntos) {
  Module1 m;
  Llena(m, {"100", "200", "5000", "400", "500"});
  m.TablaPuntos.Escribe(3, ColumnaX, ValorFijo::FromRaw(9999));
  const ResultadoAnalisis r = Analiza(m.TablaPuntos);
  EXPECT_EQ(r.final_, ValorFijo::Whole(200));
  EXPECT_EQ(r.maxima, ValorFijo::Whole(200));
  m.TablaPuntos.Escribe(3, ColumnaX, ValorFijo::Whole(1));
  m.NumPuntos = 0;
  EXPECT_EQ(Analiza(m.TablaPuntos).final_, ValorFijo::Whole(500));
}

TEST(Analisis, KeepsItsResultsAndExaminesAllRows) {
  Module1 m;
  for (int fila = 1; fila <= MaxPuntos; ++fila) {
    m.TablaPuntos.Escribe(fila, ColumnaX, ValorFijo::Whole(1));
    m.TablaPuntos.Escribe(fila, ColumnaAltitud, ValorFijo::Whole(fila % 2 == 0 ? 10 : 0));
  }
  const EtiquetasAnalisis e = AnalisisDelTrack(m);
  EXPECT_EQ(e.TSubida, "50000 m");
  EXPECT_EQ(e.TBajada, "49990 m");
  EXPECT_EQ(m.TotalSubida, WideFixed(50000) * kScale);
  EXPECT_EQ(m.TotalBajada, WideFixed(49990) * kScale);
  EXPECT_EQ(m.AltitudMaxima, ValorFijo::Whole(10));
  EXPECT_EQ(m.AltitudMinima, ValorFijo::Whole(0));
}

TEST(Analisis, AbsurdAltitudesSumExactly) {
  Module1 m;
  const auto max = std::numeric_limits<std::int64_t>::max();
  const auto min = std::numeric_limits<std::int64_t>::min();
  for (int fila = 1; fila <= 4; ++fila) {
    m.TablaPuntos.Escribe(fila, ColumnaX, ValorFijo::Whole(1));
    m.TablaPuntos.Escribe(fila, ColumnaAltitud, ValorFijo::FromRaw(fila % 2 == 1 ? min : max));
  }
  const EtiquetasAnalisis e = AnalisisDelTrack(m);
  // Two rises and one fall of 2^64 - 1 ten-thousandths each.
  EXPECT_EQ(e.TSubida, "3689348814741910.323 m");
  EXPECT_EQ(e.TBajada, "1844674407370955.1615 m");
  EXPECT_EQ(e.Minima, "-922337203685477.5808 m");
}

}  // namespace
}  // namespace ruvek
