// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include "core/lineas.h"
#include "formats/formatos.h"
#include "formats/lista_xy.h"
#include "formats/trackmaker.h"
#include "io/entrada.h"
#include "test_util.h"
#include "ui/flujo_de_comandos.h"

using namespace ruvek;

// Reads the file `path` as the open command does: the layout and the table of a text, the table of
// `ficha`'s layout (nullptr for text), or the error.
std::string Lectura(const std::string& path, Proyeccion& proyeccion, const FichaDeFormato* ficha) {
  return test::Resultado([&] {
    const std::string bytes = LeeEntrada(path);
    if (ficha != nullptr) {
      const Track t = LeeLaTabla(*ficha, bytes, proyeccion);
      return (t.con_altitudes ? "altitudes " : "sin altitudes ") + test::Resumen(t);
    }
    const FichaDeFormato& f = FormatoDeTexto(bytes);
    return (f.formato == Formato::TrackMaker ? "TrackMaker " : "ListaXY ") +
           test::Resumen(LeeLaTabla(f, bytes, proyeccion));
  });
}

// Each case of `tabla`: a file of tests/data, or the bytes of a file, or a file not there.
void Casos(const std::string& tabla, const FichaDeFormato* ficha) {
  test::CarpetaTemporal dir;
  Proyeccion proyeccion;
  for (const auto& [archivo, esperado] : test::Casos(tabla)) {
    std::string path = test::ArchivoDeDatos(archivo);
    if (std::error_code e; archivo.empty() || !std::filesystem::exists(path, e)) {
      path = dir.Archivo("caso");
      test::EscribeArchivo(path, archivo);
      if (archivo.starts_with("missing.")) std::filesystem::remove(path);
    }
    EXPECT_EQ(Lectura(path, proyeccion, ficha), esperado) << archivo;
    // A document recognised by its content is read as the layout of its table.
    const std::string bytes = test::LeeArchivo(path);
    if (ficha != nullptr && !bytes.empty() && esperado.find("mal formado") == std::string::npos) {
      EXPECT_EQ(FormatoPorContenido(bytes).formato, ficha->formato) << archivo;
    }
  }
  EXPECT_EQ(Lectura(dir.Archivo(""), proyeccion, ficha), "archivo@0") << "a folder";
}

TEST(LeeTexto, BothLayoutsWholeOrTheErrorWithItsLine) { Casos("abrir_txt.txt", nullptr); }

TEST(LeeGradosWgs84, GpxKmlAndGeoJsonWholeOrTheErrorWithItsLine) {
  Casos("gpx.txt", &Ficha(Formato::Gpx));
  Casos("kml.txt", &Ficha(Formato::Kml));
  Casos("geojson.txt", &Ficha(Formato::GeoJson));
}

std::string Puntos(int n, bool trackmaker) {
  std::string texto = trackmaker ? "Version , 212\r\n" : "";
  for (int i = 1; i <= n; ++i)
    texto += (trackmaker ? "t,utm,30T," : "") + std::to_string(600000 + i) + ".4," +
             std::to_string(4700000 + i) + (trackmaker ? ".6,d,h,7,\r\n" : ".6\r\n");
  return texto;
}

TEST(LeeTexto, TenThousandPointsFitOneMoreIsRefusedAndTheXYFileReadsBack) {
  for (bool tm : {true, false}) {
    const Track t = TablaDe(tm ? LeeTrackMaker(Puntos(kMaximoDePuntos, tm))
                               : LeeListaXY(Puntos(kMaximoDePuntos, tm)));
    EXPECT_EQ(test::Resumen(t, 1), "n=10000 600001,4700002," + std::string(tm ? "7" : "0"));
    const Track leido = TablaDe(LeeListaXY(EscribeListaXY(t)));
    EXPECT_EQ(EscribeListaXY(leido), EscribeListaXY(t));
    // The 10,001st point is refused before it is counted: the first 10,000 stay read.
    const std::string refusal = "demasiados puntos@" +
                                std::to_string(kMaximoDePuntos + (tm ? 2 : 1)) +
                                " n=10000 600001,4700002," + (tm ? "7" : "0");
    EXPECT_EQ(test::Resultado([&] {
                return test::Resumen(TablaDe(tm ? LeeTrackMaker(Puntos(kMaximoDePuntos + 1, tm))
                                                : LeeListaXY(Puntos(kMaximoDePuntos + 1, tm))));
              }).substr(0, refusal.size()),
              refusal);
  }
}

TEST(ListaXYPegada, PointsByLineAndCommaAndTheClipboardTextStopsAtAnXBelowOne) {
  for (const auto& caso : test::Casos("pegado.txt")) {
    const std::string& texto = caso.first;
    const std::string& esperado = caso.second;
    EXPECT_EQ(test::Resultado([&] { return "ok " + test::Resumen(LeeListaXYPegada(texto)); }),
              esperado)
        << testing::PrintToString(texto);
  }
  for (const auto& [puntos, texto] : test::Casos("portapapeles.txt")) {
    EXPECT_EQ(EscribeListaXYPegada(test::Puntos(puntos)), texto) << puntos;
  }
  Track origen;  // read back exactly up to the capacity, and no further
  for (int i = 1; i <= kMaximoDePuntos; ++i) {
    origen.puntos.push_back({ValorFijo::DeDiezmilesimas(6000000000 + i * 12345),
                             ValorFijo::DeDiezmilesimas(-47000000000 + i * 3),
                             {}});
  }
  const std::string texto = EscribeListaXYPegada(origen);
  EXPECT_EQ(LeeListaXYPegada(texto), origen);
  EXPECT_EQ(
      test::Resultado([&] { return test::Resumen(LeeListaXYPegada(texto + "\r\n1,1"), 0); }),
      "demasiados puntos@10001 n=10000 600001.2345,-4699999.9997,0 600002.469,-4699999.9994,0 "
      "600003.7035,-4699999.9991,0 600004.938,-4699999.9988,0");
}

const std::string kCabecera =
    "Version , 212\r\n\r\nEuropean 1950 (GPS) ,64, 6378388, 297,-87,-98,-121\r\n"
    "USER GRID, 0, 0, 0, 0, 0\r\n\r\n";
const std::string kCola = " \r\nn,ACTIVE LOG,65280,1\r\n";

TEST(Escritura, EveryPointByteForByte) {
  EXPECT_EQ(EscribeListaXY(Track{}) + EscribeTrackMaker(Track{}), kCabecera + kCola);
  const Track t = test::Puntos("612345,4712345,900 0,0,1 -5,-4712345.5,2 612345.25,0.0001,3");
  EXPECT_EQ(EscribeListaXY(t), "612345,4712345\r\n0,0\r\n-5,-4712345.5\r\n612345.25,0.0001\r\n");
  EXPECT_EQ(EscribeTrackMaker(t), kCabecera + "t,utm,30T,612345,4712345\r\nt,utm,30T,0,0\r\n" +
                                      "t,utm,30T,-5,-4712345.5\r\nt,utm,30T,612345.25,0.0001\r\n" +
                                      kCola);
}

// The table's order decides nothing: of each kind of document exactly one layout takes what no
// other does, and no sample is claimed by two.
TEST(Formatos, EachInputIsOneLayoutsWhateverTheOrderOfTheRows) {
  for (const Documento d : {Documento::Texto, Documento::Xml, Documento::Json, Documento::Zip}) {
    EXPECT_EQ(std::count_if(Formatos().begin(), Formatos().end(),
                            [d](const FichaDeFormato& f) {
                              return f.documento == d &&
                                     f.reconoce("") == Reconocimiento::PorDescarte;
                            }),
              1);
  }
  for (const auto& muestra : std::filesystem::recursive_directory_iterator(RUVEK_TEST_DATA)) {
    if (!muestra.is_regular_file() || muestra.path().string().find("/cases/") != std::string::npos)
      continue;
    const std::string bytes = test::LeeArchivo(muestra.path().string());
    EXPECT_LE(std::count_if(Formatos().begin(), Formatos().end(),
                            [&](const FichaDeFormato& f) {
                              return f.documento == DocumentoDe(bytes) &&
                                     f.reconoce(bytes) == Reconocimiento::Si;
                            }),
              1)
        << muestra.path();
  }
}
