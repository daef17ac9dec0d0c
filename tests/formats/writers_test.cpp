#include "formats/writers.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "formats/abrir_txt.h"
#include "test_util.h"

namespace ruvek {
namespace {

void Pon(Module1& m, int fila, const char* x, const char* y, const char* altitud = "0") {
  m.TablaPuntos.Escribe(fila, ColumnaX, ValorFijo::Parse(x));
  m.TablaPuntos.Escribe(fila, ColumnaY, ValorFijo::Parse(y));
  m.TablaPuntos.Escribe(fila, ColumnaAltitud, ValorFijo::Parse(altitud));
  m.NumPuntos = std::max(m.NumPuntos, fila);
}

const std::string kCabecera =
    "Version , 212\r\n\r\nEuropean 1950 (GPS) ,64, 6378388, 297,-87,-98,-121\r\n"
    "USER GRID, 0, 0, 0, 0, 0\r\n\r\n";
const std::string kCola = " \r\nn,ACTIVE LOG,65280,1\r\n";

TEST(Writers, EmptyTrack) {
  Module1 m;
  EXPECT_EQ(TextoSitna(m), "");
  EXPECT_EQ(TextoTrackMaker(m), kCabecera + kCola);
  EXPECT_EQ(TextoTrackMaker(m).size(), 122u);
}

TEST(Writers, TwoPointsByteForByte) {
  Module1 m;
  Pon(m, 1, "612345", "4712345", "900");
  Pon(m, 2, "612350", "4712360", "901");
  EXPECT_EQ(TextoSitna(m), "612345,4712345\r\n612350,4712360\r\n");
  EXPECT_EQ(TextoSitna(m).size(), 32u);
  m.NumPuntos = 1;
  EXPECT_EQ(TextoTrackMaker(m), kCabecera + "t,utm,30T,612345,4712345\r\n" + kCola);
  EXPECT_EQ(TextoTrackMaker(m).size(), 148u);
}

TEST(Writers, EveryRowWhateverItsValues) {
  Module1 m;
  Pon(m, 1, "0", "4712345");
  Pon(m, 2, "-5", "-4712345.5");
  Pon(m, 3, "612345.25", "0.0001");
  Pon(m, 4, "0", "0");
  EXPECT_EQ(TextoSitna(m), "0,4712345\r\n-5,-4712345.5\r\n612345.25,0.0001\r\n0,0\r\n");
  EXPECT_EQ(TextoTrackMaker(m), kCabecera +
                                    "t,utm,30T,0,4712345\r\nt,utm,30T,-5,-4712345.5\r\n"
                                    "t,utm,30T,612345.25,0.0001\r\nt,utm,30T,0,0\r\n" +
                                    kCola);
}

TEST(Writers, FullTableAndRoundTripOfSitna) {
  Module1 m;
  for (int fila = 1; fila <= MaxPuntos; ++fila) {
    Pon(m, fila, std::to_string(600000 + fila).c_str(), std::to_string(4700000 - fila).c_str());
  }
  const std::string sitna = TextoSitna(m);
  const std::string tm = TextoTrackMaker(m);
  EXPECT_EQ(std::count(sitna.begin(), sitna.end(), '\n'), MaxPuntos);
  EXPECT_EQ(std::count(tm.begin(), tm.end(), '\n'), MaxPuntos + 7);

  test::TempDir dir;
  Module1 leido;
  leido.ArchivoActual = dir.File("sitna.txt");
  test::WriteFile(leido.ArchivoActual, sitna);
  ASSERT_TRUE(AbrirTXT(leido));
  EXPECT_EQ(TextoSitna(leido), sitna);
}

}  // namespace
}  // namespace ruvek
