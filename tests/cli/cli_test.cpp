// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "formats/formatos.h"
#include "formats/gpx.h"
#include "formats/lista_xy.h"
#include "formats/trackmaker.h"
#include "io/entrada.h"
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

// Each layout to each format: the bytes the windows' readers and writers give.
TEST(RuvekCli, WritesWhatTheWindowWrites) {
  Proyeccion proyeccion;
  for (const char* entrada : {"trackmaker_crlf.txt", "sitna_lf_noend.txt", "gpx/pamplona.gpx",
                              "gpx/madrid_1_0.gpx", "gpx/palma_ruta.gpx"}) {
    const std::string ruta = test::ArchivoDeDatos(entrada);
    const std::string bytes = LeeEntrada(ruta);
    const Track t = Lee(FormatoPorContenido(bytes), bytes, proyeccion).track;
    const std::string nombre = std::filesystem::path(entrada).stem().string();
    const std::pair<const char*, std::string> formatos[] = {
        {"sitna", EscribeListaXY(t)},
        {"trackmaker", EscribeTrackMaker(t)},
        {"gpx", EscribeGpx(t, nombre, proyeccion)}};
    for (const auto& [formato, esperado] : formatos) {
      EXPECT_EQ(Salida("convert --to " + std::string(formato) + " " + ruta), esperado)
          << entrada << " to " << formato;
    }
  }
}
