// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "formats/formatos.h"
#include "geo/en_sistema.h"
#include "io/entrada.h"
#include "test_util.h"
#include "ui/flujo_de_comandos.h"

using namespace ruvek;

// What ruvek-cli writes on standard output for `argumentos`.
std::string Salida(const std::string& argumentos) {
  std::FILE* tubo = popen((std::string(RUVEK_CLI) + " " + argumentos).c_str(), "r");
  std::string salida;
  char trozo[4096];
  for (std::size_t n; (n = std::fread(trozo, 1, sizeof trozo, tubo)) > 0;) salida.append(trozo, n);
  EXPECT_EQ(pclose(tubo), 0) << argumentos << ": " << salida;
  return salida;
}

// Each layout to each layout written: the bytes the windows' table gives in the layouts they save,
// those of the tracks and waypoints read, named as the file when unnamed, in the others.
TEST(RuvekCli, WritesWhatTheWindowWrites) {
  Proyeccion proyeccion;
  for (const char* entrada :
       {"trackmaker_crlf.txt", "sitna_lf_noend.txt", "gpx/pamplona.gpx", "gpx/madrid_1_0.gpx",
        "gpx/palma_ruta.gpx", "kml/pamplona.kml", "geojson/pamplona.geojson"}) {
    const std::string ruta = test::ArchivoDeDatos(entrada);
    const std::string bytes = LeeEntrada(ruta);
    const FichaDeFormato& de = FormatoPorContenido(bytes);
    Recorrido grados = EnSistema(de.lee(bytes), kGradosWgs84, proyeccion);
    for (Traza& t : grados.trazas) {
      if (t.nombre.empty()) t.nombre = std::filesystem::path(entrada).stem().string();
    }
    for (const FichaDeFormato& f : Formatos()) {
      EXPECT_EQ(Salida("convert --to " + std::string(f.nombre) + " " + ruta + " 2>/dev/null"),
                f.escribe_tabla != nullptr ? f.escribe_tabla(LeeLaTabla(de, bytes, proyeccion))
                                           : f.escribe(grados))
          << entrada << " to " << f.nombre;
    }
  }
}

// The help, the manual page and the completion name every layout of the table: each written one
// for --to and with the ending of its files, each read one by the endings of its files.
TEST(RuvekCli, TheHelpTheManualAndTheCompletionNameEveryLayout) {
  const std::string datos = std::string(RUVEK_TEST_DATA) + "/../../data/";
  const std::string manual = test::LeeArchivo(datos + "ruvek-cli.1");
  const std::string completa = test::LeeArchivo(datos + "ruvek-cli.bash");
  EXPECT_NE(Salida("convert --help").find("Formato de salida: " + NombresDeFormatosEscritos()),
            std::string::npos);
  std::string nombres, extensiones;
  for (const FichaDeFormato& f : Formatos()) {
    nombres += std::string(nombres.empty() ? "" : " ") + f.nombre;
    EXPECT_NE(manual.find(std::string(".B ").append(f.nombre).append("\n")), std::string::npos)
        << f.nombre;
    std::string final_;  // as the manual writes it: "-" escaped
    for (const char c : std::string_view(f.final_del_nombre)) {
      if (c == '-') final_ += '\\';
      final_ += c;
    }
    EXPECT_NE(manual.find(final_), std::string::npos) << final_;
    for (std::string_view e = f.extensiones; !e.empty();) {
      const std::string una(e.substr(1, e.find(' ') - 1));
      std::string mayusculas = una;
      for (char& c : mayusculas) c = char(std::toupper(static_cast<unsigned char>(c)));
      EXPECT_NE(completa.find(una + "|" + mayusculas), std::string::npos) << una;
      e.remove_prefix(std::min(e.size(), una.size() + 2));
    }
  }
  EXPECT_NE(completa.find("--to) mapfile -t COMPREPLY < <(compgen -W \"" + nombres + "\""),
            std::string::npos);
}
