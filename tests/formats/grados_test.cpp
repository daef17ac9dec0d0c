// SPDX-License-Identifier: GPL-3.0-or-later
#include <expat.h>
#include <gtest/gtest.h>
#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include "ajustes.h"
#include "core/lineas.h"
#include "formats/formatos.h"
#include "formats/geojson.h"
#include "formats/gpx.h"
#include "formats/kml.h"
#include "formats/lista_xy.h"
#include "geo/en_sistema.h"
#include "io/entrada.h"
#include "test_util.h"
#include "ui/flujo_de_comandos.h"

using namespace ruvek;

// What an XML reader finds in a GPX: each element, with its namespace and its attributes, and
// its text; a line each.
std::string LoQueSeLee(const std::string& xml) {
  std::string leido;
  XML_Parser p = XML_ParserCreateNS(nullptr, '|');
  XML_SetUserData(p, &leido);
  XML_SetElementHandler(
      p,
      [](void* yo, const char* nombre, const char** a) {
        auto& l = *static_cast<std::string*>(yo);
        l.append(l.empty() ? "" : "\n").append(nombre).append(":");
        for (; *a != nullptr; a += 2) l.append(" ").append(a[0]).append("=").append(a[1]);
      },
      [](void*, const char*) {});
  XML_SetCharacterDataHandler(p, [](void* yo, const char* s, int n) {
    if (std::string_view(s, std::size_t(n)).find_first_not_of(" \r\n") != std::string_view::npos)
      static_cast<std::string*>(yo)->append(s, std::size_t(n));
  });
  const bool bien = XML_Parse(p, xml.data(), int(xml.size()), 1) == XML_STATUS_OK;
  XML_ParserFree(p);
  return bien ? leido : "mal formado";
}

// A table of ED50 metres written in `ficha`'s layout, named `nombre`: its degrees as the windows'
// metres give them.
std::string Escrito(const FichaDeFormato& ficha, const Track& t, const std::string& nombre,
                    Proyeccion& proyeccion) {
  Recorrido r = EnSistema(test::EnMetros(t), kGradosWgs84, proyeccion);
  r.trazas.front().nombre = nombre;
  return ficha.escribe(r);
}

TEST(Grados, GpxKmlAndGeoJsonWrittenAsTheirStandardsAndReadBackToTheSameTrack) {
  Proyeccion proyeccion;
  const FichaDeFormato &gpx_ = Ficha(Formato::Gpx), &kml_ = Ficha(Formato::Kml);
  const std::string gpx = "http://www.topografix.com/GPX/1/1|";
  EXPECT_EQ(
      LoQueSeLee(Escrito(gpx_, test::Puntos("610000,4740000,457"), "a&b<c>\"'\xff", proyeccion)),
      gpx + "gpx: version=1.1 creator=Ruvek " + kVersionTexto +
          " http://www.w3.org/2001/XMLSchema-instance|schemaLocation=" + gpx.substr(0, 33) +
          " http://www.topografix.com/GPX/1/1/gpx.xsd\n" + gpx + "trk:\n" + gpx +
          "name:a&b<c>\"'\xEF\xBF\xBD\n" + gpx + "trkseg:\n" + gpx +
          "trkpt: lat=42.8027852 lon=-1.6560520\n" + gpx + "ele:457");
  const std::string kml = "http://www.opengis.net/kml/2.2|";
  EXPECT_EQ(LoQueSeLee(Escrito(kml_, test::Puntos("610000,4740000,457"), "a<", proyeccion)),
            kml + "kml:\n" + kml + "Document:\n" + kml + "Placemark:\n" + kml + "name:a<\n" + kml +
                "LineString:\n" + kml + "altitudeMode:absolute\n" + kml +
                "coordinates:          -1.6560520,42.8027852,457");
  rapidjson::Document json;  // written again by RapidJSON, in one line
  json.Parse(
      Escrito(Ficha(Formato::GeoJson), test::Puntos("610000,4740000", false), "a\"\x01", proyeccion)
          .c_str());
  rapidjson::StringBuffer compacto;
  rapidjson::Writer<rapidjson::StringBuffer> escritor(compacto);
  json.Accept(escritor);
  EXPECT_EQ(
      std::string(compacto.GetString()),
      "{\"type\":\"FeatureCollection\",\"features\":[{\"type\":\"Feature\",\"properties\":{"
      "\"name\":\"a\\\"\xEF\xBF\xBD\"},\"geometry\":{\"type\":\"LineString\",\"coordinates\":[["
      "-1.656052,42.8027852]]}}]}");
  // What the reader would refuse is not written: outside the area, or an X that ends the track.
  for (const char* puntos : {"500000,9900000,0", "610000,4740000 0,4740000"}) {
    EXPECT_EQ(test::Resultado([&] { return Escrito(gpx_, test::Puntos(puntos), "p", proyeccion); }),
              "fuera del huso@0")
        << puntos;
  }
  // Written and read again, a track stays the same, with or without altitudes, in every layout
  // in degrees.
  const Track esquinas = test::Puntos("1,0 604701,9336517", false);  // corners of the area
  const Track pamplona =
      LeeLaTabla(gpx_, LeeEntrada(test::ArchivoDeDatos("gpx/pamplona.gpx")), proyeccion);
  Track t{.puntos = {}, .con_altitudes = true};  // filled below, then kept
  // The first point is one that would come back 15 m off if the writer did not correct it.
  for (int i = 15; i < kMaximoDePuntos + 15; ++i) {
    t.puntos.push_back({ValorFijo::Entero(100000 + i * 97 % 900000),
                        ValorFijo::Entero(3900000 + i * 131 % 900000), ValorFijo::Entero(i - 500)});
  }
  const Track llano = [t]() mutable {
    t.con_altitudes = false;
    for (Punto& p : t.puntos) p.altitud = {};
    return t;
  }();
  for (const Formato f : {Formato::Gpx, Formato::Kml, Formato::GeoJson}) {
    const FichaDeFormato& ficha = Ficha(f);
    for (const Track* track :
         std::initializer_list<const Track*>{&esquinas, &pamplona, &t, &llano}) {
      const std::string bytes = Escrito(ficha, *track, "b", proyeccion);
      EXPECT_EQ(FormatoPorContenido(bytes).formato, f);
      EXPECT_TRUE(LeeLaTabla(ficha, bytes, proyeccion) == *track) << ficha.nombre;
    }
  }
}

// Inputs far beyond any track are refused at their first excess, with its line.
TEST(Limites, HugeInputsAreRefusedWhereTheyGoTooFar) {
  test::CarpetaTemporal dir;
  Proyeccion proyeccion;
  const std::string largo(4 * kLargoMaximoDeLinea, '7'), justo(kLargoMaximoDeLinea + 1, '7');
  const std::string pt = "<trkpt lat=\"42.8\" lon=\"-1.65\"/>\n";
  std::string millon = "<gpx>\n<trk><trkseg>\n";
  for (int i = 0; i < 1000000; ++i) millon += pt;  // 31 MB
  std::string ruta = "<gpx><rte>";
  for (int i = 0; i <= kMaximoDePuntosLeidos; ++i) ruta += "<rtept lat=\"42.8\" lon=\"-1.65\"/>";
  std::string notas;  // many small comments: no one of them too long
  for (int i = 0; i < 10000; ++i) notas += "<!-- nota --><?pi?>";
  std::string ancho = "Version\n";
  while (ancho.size() <= kLargoMaximoDeEntrada) ancho += std::string(1000, 'x') + "\n";
  const std::pair<std::string, std::string> casos[] = {
      {largo, "demasiado largo@1"},
      {"1,2\r\n3,4\r\n" + largo, "demasiado largo@3 n=2 1,2,0 3,4,0"},
      {"1,2\n" + justo + "\n", "demasiado largo@2 n=1 1,2,0"},
      {"1,2\n" + justo, "demasiado largo@2 n=1 1,2,0"},
      {ancho, "demasiado largo@0"},
      {"<gpx><trk><trkseg><trkpt lat=\"42\" lon=\"-1\"><ele>" + largo, "demasiado largo@1"},
      {"<gpx><trk><trkseg><trkpt lat=\"42" + largo + "\" lon=\"-1\"/>", "demasiado largo@1"},
      {"<gpx>\n<!-- " + largo + " -->", "demasiado largo@2"},
      {notas + "<gpx>" + notas + "<trk><trkseg>" + pt + "</trkseg></trk></gpx>", "n=1"},
      {"<gpx><trk><trkseg><trkpt lat=\"42.8\" lon=\"-1.65\" x=\"" +
           std::string(kLargoMaximoDeLinea, 'x') + "\"/></trkseg></trk></gpx>",
       "n=1"},  // an attribute or a text of the bound is one; a byte more is not
      {"<gpx><desc>" + std::string(kLargoMaximoDeLinea, 'x') + "</desc><trk><trkseg>" + pt +
           "</trkseg></trk></gpx>",
       "n=1"},
      {"<gpx><desc>" + justo + "</desc>", "demasiado largo@1"},
      {"<gpx><trk><trkseg><trkpt lat=\"42.8\" lon=\"-1.65\" x=\"" + justo + "\"/>",
       "demasiado largo@1"},
      {millon, "demasiados puntos@100003"},
      {ruta + "</rte></gpx>", "demasiados puntos@0"}};
  for (const auto& [bytes, esperado] : casos) {
    const std::string path = dir.Archivo("grande");
    test::EscribeArchivo(path, bytes);
    EXPECT_EQ(test::Resultado([&] {
                const std::string leidos = LeeEntrada(path);
                return test::Resumen(LeeLaTabla(FormatoPorContenido(leidos), leidos, proyeccion),
                                     0);
              }),
              esperado)
        << bytes.substr(0, 40);
  }
  EXPECT_EQ(test::Resultado([&] { return test::Resumen(LeeListaXYPegada("1,2\n" + justo)); }),
            "demasiado largo@2 n=1 1,2,0");
}
