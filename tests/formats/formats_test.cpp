// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include "clipboard/portapapeles.h"
#include "core/lines.h"
#include "formats/abrir_txt.h"
#include "formats/gpx.h"
#include "formats/writers.h"
#include "io/entrada.h"
#include "test_util.h"

using namespace ruvek;

// Writes `bytes` to `path` and reads its lines back, each in brackets.
std::string Lineas(const std::string& path, const std::string& bytes) {
  test::WriteFile(path, bytes);
  const std::string texto = LeeEntrada(path);
  TextLines lector = LineasDeArchivo(texto);
  std::string lineas;
  for (std::string_view l; lector.Next(l);) lineas.append("[").append(l).append("]");
  return lineas;
}

TEST(Lineas, EveryLineEndOnceAndEveryKindOfInput) {
  test::TempDir dir;
  const std::string path = dir.File("f.txt");
  for (const auto& [bytes, lineas] : test::Cases("line_reader.txt"))
    EXPECT_EQ(Lineas(path, bytes), lineas);
  const std::string tope(kMaxLinea, 'x');  // a line of the bound is a line; a byte more is not
  EXPECT_EQ(Lineas(path, tope + "\n" + tope), "[" + tope + "][" + tope + "]");
  EXPECT_EQ(test::Result([&] { return Lineas(path, "\n" + tope + "x"); }), "too long@2");
  // A CR that ends the file, over bytes of earlier reads that were LF.
  EXPECT_EQ(Lineas(path, std::string(200000, '\n') + "b\r").size(), 400003u);
  const auto lee = [](const std::string& p) { return test::Result([&] { return LeeEntrada(p); }); };
  EXPECT_EQ(lee(dir.File("no.txt")), "file error@0");
  EXPECT_EQ(lee(dir.File("")), "file error@0");
  EXPECT_EQ(lee("/dev/zero"), "too long@0");  // read up to the bound, and no further
  test::WriteFile(path, "");
  ASSERT_EQ(truncate(path.c_str(), off_t(kMaxEntrada) + 1), 0);  // refused by its size
  EXPECT_EQ(lee(path), "too long@0");
  int tubo[2];
  ASSERT_EQ(pipe(tubo), 0);
  EXPECT_EQ(write(tubo[1], "1,2\n", 4), 4);
  close(tubo[1]);
  EXPECT_EQ(LeeDescriptor(tubo[0]), "1,2\n");
  close(tubo[0]);
}

// Loads `path` as the open command does, after a track of 77 points: the message and the
// commands switched (numbered in menu order from 0), or the error; then the track.
std::string Carga(const std::string& path, Proyeccion* gpx = nullptr) {
  Module1 m;
  for (int i = 0; i < 77; ++i) test::Llena(m, "5,5,5");
  m.ArchivoActual = path;
  if (gpx == nullptr) m.TablaPuntos.Borra();  // a text file loads into a cleared table
  const std::string r = test::Result([&] {
    const ResultadoCarga c = gpx ? *AbrirGPX(m, *gpx) : *AbrirTXT(m);
    std::string s = c.titulo_mensaje + ": " + c.mensaje + " ";
    for (auto [o, on] : c.habilitar) s.append(on ? "+" : "-").append(std::to_string(int(o)));
    const bool analizable = c.mensaje == "Este track puede ser analizado";
    return c.sufijo_titulo == path && c.con_altitudes == analizable ? s : "caption?";
  });
  return r + " " + test::Track(m);
}

// Each case of `tabla`: a file of tests/data, or the bytes of a file, or a file not there.
void Casos(const std::string& tabla, Proyeccion* gpx = nullptr) {
  test::TempDir dir;
  for (const auto& [archivo, esperado] : test::Cases(tabla)) {
    std::string path = test::DataFile(archivo);
    if (std::error_code e; archivo.empty() || !std::filesystem::exists(path, e)) {
      path = dir.File(gpx ? "case.gpx" : "case.txt");
      test::WriteFile(path, archivo);
      if (archivo.starts_with("missing.")) std::filesystem::remove(path);
    }
    EXPECT_EQ(Carga(path, gpx), esperado) << archivo;
  }
  const std::string vieja = gpx ? "5,5,5" : "0,0,0";
  EXPECT_EQ(Carga(dir.File(""), gpx),
            "file error@0 n=77 " + vieja + " " + vieja + " " + vieja + " " + vieja)
      << "a folder";
}

// The files open now, to see that every load closes its file, whatever happens.
long Abiertos() {
  const std::filesystem::directory_iterator fds("/proc/self/fd");
  return std::distance(fds, std::filesystem::directory_iterator());
}

TEST(AbrirTXT, LoadsBothLayoutsOrStopsWhereTheyFail) {
  const long antes = Abiertos();
  Casos("abrir_txt.txt");
  EXPECT_EQ(Abiertos(), antes);
}

TEST(AbrirGPX, LoadsTracksAndRoutesWholeOrNotAtAll) {
  Proyeccion proyeccion;
  Casos("gpx.txt", &proyeccion);
  const long antes = Abiertos();
  Casos("gpx.txt", &proyeccion);
  EXPECT_EQ(Abiertos(), antes);
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

TEST(Gpx, WritesGpx11AndReadsItBackToTheSameTable) {
  test::TempDir dir;
  Proyeccion proyeccion;
  Module1 a, b;
  test::Llena(a, "610000,4740000,457");
  EXPECT_EQ(TextoGpx(a, "a&b<c>\"'\xff", true, proyeccion),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<gpx version=\"1.1\" creator=\"Ruvek "
            "1.2.0\" xmlns=\"http://www.topografix.com/GPX/1/1\" "
            "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
            "xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 "
            "http://www.topografix.com/GPX/1/1/gpx.xsd\">\r\n  <trk>\r\n    "
            "<name>a&amp;b&lt;c&gt;&quot;&apos;\xEF\xBF\xBD</name>\r\n    <trkseg>\r\n      "
            "<trkpt lat=\"42.8027872\" lon=\"-1.6560590\"><ele>457</ele></trkpt>\r\n    "
            "</trkseg>\r\n  </trk>\r\n</gpx>\r\n");
  Module1 polo;  // what the reader would refuse is not written
  test::Llena(polo, "500000,9900000,0");
  EXPECT_EQ(test::Result([&] { return TextoGpx(polo, "p", false, proyeccion); }), "out of area@0");
  // Written and read again, a table stays the same, with or without altitudes.
  const auto relee = [&](bool altitudes) {
    b.ArchivoActual = dir.File("b.gpx");
    test::WriteFile(b.ArchivoActual, TextoGpx(a, "b", altitudes, proyeccion));
    const std::string r = test::Result([&] { return AbrirGPX(b, proyeccion)->mensaje; });
    return r + " " + test::Track(b, MaxPuntos);
  };
  a.NumPuntos = 0;  // the corners of the area, as read
  test::Llena(a, "-505687,0,0");
  test::Llena(a, "604701,9336517,0");
  EXPECT_EQ(relee(false), "Este track no puede analizarse " + test::Track(a));
  a.ArchivoActual = test::DataFile("gpx/pamplona.gpx");
  AbrirGPX(a, proyeccion);
  EXPECT_EQ(relee(true), "Este track puede ser analizado " + test::Track(a));
  a.NumPuntos = 0;
  // The first point is one that would come back 15 m off if the writer did not correct it.
  for (int i = 15; i < MaxPuntos + 15; ++i) {
    test::Llena(a, std::to_string(100000 + i * 97 % 900000) + "," +
                       std::to_string(3900000 + i * 131 % 900000) + "," + std::to_string(i - 500));
  }
  const bool mismo = relee(true) == "Este track puede ser analizado " + test::Track(a, MaxPuntos);
  EXPECT_TRUE(mismo) << "10,000 points across the area, written and read back";
  EXPECT_EQ(relee(false).substr(0, 60),
            "Este track no puede analizarse n=10000 101455,3901965,0 1015");
}

// Inputs far beyond any track are refused at their first excess, with its line.
TEST(Limites, HugeInputsAreRefusedWhereTheyGoTooFar) {
  test::TempDir dir;
  Proyeccion proyeccion;
  const std::string largo(4 * kMaxLinea, '7'), justo(kMaxLinea + 1, '7');
  const std::string pt = "<trkpt lat=\"42.8\" lon=\"-1.65\"/>\n";
  std::string millon = "<gpx>\n<trk><trkseg>\n";
  for (int i = 0; i < 1000000; ++i) millon += pt;  // 31 MB
  std::string ruta = "<gpx><rte>";
  for (int i = 0; i <= MaxPuntos; ++i) ruta += "<rtept lat=\"42.8\" lon=\"-1.65\"/>";
  std::string notas;  // many small comments: no one of them too long
  for (int i = 0; i < 10000; ++i) notas += "<!-- nota --><?pi?>";
  std::string ancho = "Version\n";
  while (ancho.size() <= kMaxEntrada) ancho += std::string(1000, 'x') + "\n";
  const std::pair<std::string, std::string> casos[] = {
      {largo, "too long@1"},
      {"1,2\r\n3,4\r\n" + largo, "too long@3"},
      {"1,2\n" + justo + "\n", "too long@2"},
      {"1,2\n" + justo, "too long@2"},
      {ancho, "too long@0"},
      {"<gpx><trk><trkseg><trkpt lat=\"42\" lon=\"-1\"><ele>" + largo, "too long@1"},
      {"<gpx><trk><trkseg><trkpt lat=\"42" + largo + "\" lon=\"-1\"/>", "too long@1"},
      {"<gpx>\n<!-- " + largo + " -->", "too long@2"},
      {notas + "<gpx>" + notas + "<trk><trkseg>" + pt + "</trkseg></trk></gpx>",
       "Este track no puede analizarse"},
      {millon, "subscript out of range@10003"},
      {ruta + "</rte></gpx>", "subscript out of range@0"}};
  for (const auto& [bytes, esperado] : casos) {
    Module1 m;
    m.ArchivoActual = dir.File("grande");
    test::WriteFile(m.ArchivoActual, bytes);
    const bool gpx = bytes[0] == '<';
    EXPECT_EQ(test::Result([&] { return (gpx ? AbrirGPX(m, proyeccion) : AbrirTXT(m))->mensaje; }),
              esperado)
        << bytes.substr(0, 40);
  }
  Module1 m;
  EXPECT_EQ(test::Result([&] { return LeeTextoPegado("1,2\n" + justo, m), ""; }), "too long@2");
}
