// SPDX-License-Identifier: GPL-3.0-or-later
// The full-size track every benchmark times: 10,000 points with realistic UTM zone 30T values,
// fractional fields and CR LF line ends, as TrackMaker text, an X,Y list, a paste, a GPX, a KML and
// a GeoJSON.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <string>

#include "formats/formatos.h"
#include "formats/geojson.h"
#include "formats/gpx.h"
#include "formats/kml.h"
#include "formats/trackmaker.h"
#include "geo/en_sistema.h"
#include "io/entrada.h"
#include "ui/flujo_de_comandos.h"

namespace ruvek::bench {

// A walk over a hillside near Pamplona's latitude: 612,000 E, 4,734,000 N, 400 to 1,600 m.
struct Datos {
  std::string trackmaker;
  std::string sitna;
  std::string pegado;
  std::string ruta_trackmaker;
  std::string ruta_sitna;
  std::string gpx, kml, geojson;
  std::string ruta_gpx, ruta_kml, ruta_geojson;

  Datos() {
    trackmaker =
        "Version , 212\r\n\r\nEuropean 1950 (GPS) ,64, 6378388, 297,-87,-98,-121\r\n"
        "USER GRID, 0, 0, 0, 0, 0\r\n\r\n";
    unsigned semilla = 12345;
    const auto azar = [&semilla](int n) {
      semilla = semilla * 1103515245u + 12345u;
      return static_cast<int>((semilla >> 16) % static_cast<unsigned>(n));
    };
    double x = 612000.0, y = 4734000.0, z = 400.0;
    for (int i = 0; i < kMaximoDePuntos; ++i) {
      x += (azar(200) - 80) / 10.0;
      y += (azar(200) - 90) / 10.0;
      z += (azar(100) - 45) / 10.0;
      char linea[160];
      std::snprintf(linea, sizeof linea,
                    "t,utm,30T,%.1f,%.1f,01/05/2009,%02d:%02d:%02d,%.1f,%d\r\n", x, y,
                    (i / 3600) % 24, (i / 60) % 60, i % 60, z, i == 0 ? 1 : 0);
      trackmaker += linea;
      std::snprintf(linea, sizeof linea, "%.1f,%.1f\r\n", x, y);
      sitna += linea;
      std::snprintf(linea, sizeof linea, "%s%.0f,%.0f", i == 0 ? "" : "\r\n", x, y);
      pegado += linea;
    }
    ruta_trackmaker = Guarda("trackmaker", trackmaker);
    ruta_sitna = Guarda("sitna", sitna);
    Recorrido grados = EnSistema(LeeTrackMaker(trackmaker), kGradosWgs84, proyeccion());
    grados.trazas.front().nombre = "paseo";
    gpx = EscribeGpx(grados);
    ruta_gpx = Guarda("gpx", gpx);
    kml = EscribeKml(grados);
    ruta_kml = Guarda("kml", kml);
    geojson = EscribeGeoJson(grados);
    ruta_geojson = Guarda("geojson", geojson);
  }
  ~Datos() {
    std::remove(ruta_trackmaker.c_str());
    std::remove(ruta_sitna.c_str());
    for (const std::string* r : {&ruta_gpx, &ruta_kml, &ruta_geojson}) std::remove(r->c_str());
  }

  // PROJ's transformation, made once for every benchmark that reads or writes GPX.
  static Proyeccion& proyeccion() {
    static Proyeccion p;
    return p;
  }

  static std::string Guarda(const char* nombre, const std::string& texto) {
    const std::string ruta = "/tmp/ruvek-bench-" + std::to_string(getpid()) + "-" + nombre + ".txt";
    std::FILE* f = std::fopen(ruta.c_str(), "wb");
    std::fwrite(texto.data(), 1, texto.size(), f);
    std::fclose(f);
    return ruta;
  }
};

inline const Datos& datos() {
  static const Datos d;
  return d;
}

// The table of a file, read as the open command reads it.
inline Track LeeArchivo(const std::string& ruta) {
  const std::string bytes = LeeEntrada(ruta);
  return LeeLaTabla(FormatoPorContenido(bytes), bytes, Datos::proyeccion());
}

}  // namespace ruvek::bench
