// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "formats/abrir_txt.h"
#include "formats/line_reader.h"
#include "formats/writers.h"
#include "test_util.h"

using namespace ruvek;

// Writes `bytes` to `path` and reads its lines back, each in brackets.
std::string Lineas(const std::string& path, const std::string& bytes) {
  test::WriteFile(path, bytes);
  LineReader lector(path);
  std::string lineas;
  for (std::string_view l; lector.Next(l);) lineas += "[" + std::string(l) + "]";
  return lineas;
}

TEST(LineReader, EveryLineEndOnceAndOnlyRegularFiles) {
  test::TempDir dir;
  const std::string path = dir.File("f.txt");
  for (const auto& [bytes, lineas] : test::Cases("line_reader.txt"))
    EXPECT_EQ(Lineas(path, bytes), lineas);
  const std::string x(64 * 1024 - 1, 'x');  // CR LF split across two reads
  EXPECT_EQ(Lineas(path, x + "\r\n" + x + "yz\rz"), "[" + x + "][" + x + "yz][z]");
  LineReader lector(path);
  std::string_view l;
  while (lector.Next(l)) continue;
  lector.Rewind();
  EXPECT_TRUE(lector.Next(l) && l == x && lector.line_number() == 1) << "rewound";
  for (const std::string& p : {dir.File("no.txt"), dir.File(""), std::string("/dev/zero")})
    EXPECT_EQ(test::Result([&] { return LineReader(p).Next(l) ? "read" : ""; }), "file error@0");
}

// Loads as the open command does, the table cleared, after a track of 77 points: the message
// and the commands to enable (numbered in menu order from 0), or the error; then the track.
std::string Carga(const std::string& path) {
  Module1 m;
  m.NumPuntos = 77;
  m.ArchivoActual = path;
  m.TablaPuntos.Borra();
  const std::string r = test::Result([&] {
    const ResultadoCarga c = *AbrirTXT(m);
    std::string s = c.titulo_mensaje + ": " + c.mensaje + " +";
    for (Comando o : c.habilitar) s += std::to_string(int(o));
    return c.sufijo_titulo == path ? s : "caption " + c.sufijo_titulo;
  });
  return r + " " + test::Track(m, 3);
}

TEST(AbrirTXT, LoadsBothLayoutsOrStopsWhereTheyFail) {
  test::TempDir dir;
  for (const auto& [archivo, esperado] : test::Cases("abrir_txt.txt")) {
    std::string path = test::DataFile(archivo);
    if (!std::filesystem::exists(path)) {  // the bytes of a file, or a file that is not there
      path = dir.File("case.txt");
      test::WriteFile(path, archivo);
      if (archivo == "missing.txt") std::filesystem::remove(path);
    }
    EXPECT_EQ(Carga(path), esperado) << archivo;
  }
  EXPECT_EQ(Carga(dir.File("")), "file error@0 n=77 0,0,0 0,0,0 0,0,0") << "a folder";
}

std::string Puntos(int n, bool trackmaker) {
  std::string texto = trackmaker ? "Version , 212\r\n" : "";
  for (int i = 1; i <= n; ++i)
    texto += (trackmaker ? "t,utm,30T," : "") + std::to_string(600000 + i) + ".4," +
             std::to_string(4700000 + i) + (trackmaker ? ".6,d,h,7,\r\n" : ".6\r\n");
  return texto;
}

// Loads `texto` through the file `path` into `m`, as the open command does.
std::string Carga(Module1& m, const std::string& path, const std::string& texto) {
  test::WriteFile(m.ArchivoActual = path, texto);
  m.TablaPuntos.Borra();
  return test::Result([&] { return AbrirTXT(m)->mensaje; });
}

TEST(AbrirTXT, TenThousandPointsFitOneMoreStopsAndTheSitnaFileReadsBack) {
  test::TempDir dir;
  for (bool tm : {true, false}) {
    Module1 m, leido;
    EXPECT_EQ(Carga(m, dir.File("a.txt"), Puntos(MaxPuntos, tm)).substr(0, 10), "Este track");
    EXPECT_EQ(Carga(leido, dir.File("b.txt"), TextoSitna(m)), "Este track no puede analizarse");
    EXPECT_EQ(TextoSitna(leido), TextoSitna(m));
    EXPECT_EQ(Carga(m, dir.File("a.txt"), Puntos(MaxPuntos + 1, tm)),
              "subscript out of range@" + std::to_string(MaxPuntos + (tm ? 2 : 1)));
    EXPECT_EQ(test::Track(m, 1), "n=10000 600001,4700002," + std::string(tm ? "7" : "0"));
  }
  Module1 m;
  EXPECT_FALSE(AbrirTXT(m)) << "no name, nothing to do";
}

const std::string kCabecera =
    "Version , 212\r\n\r\nEuropean 1950 (GPS) ,64, 6378388, 297,-87,-98,-121\r\n"
    "USER GRID, 0, 0, 0, 0, 0\r\n\r\n";
const std::string kCola = " \r\nn,ACTIVE LOG,65280,1\r\n";

TEST(Writers, EveryRowUpToNumPuntosByteForByte) {
  Module1 m;
  EXPECT_EQ(TextoSitna(m) + TextoTrackMaker(m), kCabecera + kCola);
  test::Llena(m, "612345,4712345,900 0,0,1 -5,-4712345.5,2 612345.25,0.0001,3 9,9,9");
  m.NumPuntos = 4;
  EXPECT_EQ(TextoSitna(m), "612345,4712345\r\n0,0\r\n-5,-4712345.5\r\n612345.25,0.0001\r\n");
  EXPECT_EQ(TextoTrackMaker(m), kCabecera + "t,utm,30T,612345,4712345\r\nt,utm,30T,0,0\r\n" +
                                    "t,utm,30T,-5,-4712345.5\r\nt,utm,30T,612345.25,0.0001\r\n" +
                                    kCola);
}
