// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "formats/gpx.h"
#include "formats/writers.h"
#include "test_util.h"

using namespace ruvek;

// What ruvek-cli writes on standard output for `argumentos`.
std::string Salida(const std::string& argumentos) {
  std::FILE* tubo = popen((std::string(RUVEK_CLI) + " " + argumentos + " 2>&1").c_str(), "r");
  std::string salida;
  char trozo[4096];
  for (std::size_t n; (n = std::fread(trozo, 1, sizeof trozo, tubo)) > 0;) salida.append(trozo, n);
  EXPECT_EQ(pclose(tubo), 0) << argumentos << ": " << salida;
  return salida;
}

// Each layout to each format: the bytes the windows' loaders and writers give.
TEST(RuvekCli, WritesWhatTheWindowWrites) {
  Proyeccion proyeccion;
  for (const char* entrada : {"trackmaker_crlf.txt", "sitna_lf_noend.txt", "gpx/pamplona.gpx",
                              "gpx/madrid_1_0.gpx", "gpx/palma_ruta.gpx"}) {
    Module1 m;
    m.ArchivoActual = test::DataFile(entrada);
    const bool gpx = m.ArchivoActual.ends_with(".gpx");
    const ResultadoCarga carga = gpx ? *AbrirGPX(m, proyeccion) : *AbrirTXT(m);
    const std::string nombre = std::filesystem::path(entrada).stem().string();
    const std::pair<const char*, std::string> formatos[] = {
        {"sitna", TextoSitna(m)},
        {"trackmaker", TextoTrackMaker(m)},
        {"gpx", TextoGpx(m, nombre, carga.con_altitudes, proyeccion)}};
    for (const auto& [formato, bytes] : formatos) {
      EXPECT_EQ(Salida("convert --to " + std::string(formato) + " " + m.ArchivoActual), bytes)
          << entrada << " to " << formato;
    }
  }
}
